#pragma once
// Test support: what a folder holds, as one readable line, and the times of its files.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/files_win.h"
#include "platform/handles_win.h"

// The names in the folder, sorted, each followed by a space ("" when empty).
inline std::string FolderListing(const std::wstring& folder) {
    std::vector<std::wstring> names;
    for (const WIN32_FIND_DATAW& found : FolderEntries(folder)) names.push_back(found.cFileName);
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::wstring& name : names) text += std::string(name.begin(), name.end()) + " ";
    return text;
}

inline FILETIME ModifiedTime(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

inline bool SameTime(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

// A time in UTC as a file time.
inline FILETIME FileTimeOf(SYSTEMTIME time) {
    FILETIME file{};
    SystemTimeToFileTime(&time, &file);
    return file;
}

inline bool SetModifiedTime(const std::wstring& path, const FILETIME& time) {
    const KernelHandle file(CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    return file && SetFileTime(file.get(), nullptr, nullptr, &time);
}
