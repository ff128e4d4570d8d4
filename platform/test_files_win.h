#pragma once
// Test support: what a folder holds, as one readable line.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

// The names in the folder, sorted, each followed by a space ("" when empty).
inline std::string FolderListing(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") names.push_back(name);
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::wstring& name : names) text += std::string(name.begin(), name.end()) + " ";
    return text;
}
