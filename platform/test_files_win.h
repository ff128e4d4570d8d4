#pragma once
// Test support: what a folder holds, as one readable line.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/files_win.h"

// The names in the folder, sorted, each followed by a space ("" when empty).
inline std::string FolderListing(const std::wstring& folder) {
    std::vector<std::wstring> names;
    for (const WIN32_FIND_DATAW& found : FolderEntries(folder)) names.push_back(found.cFileName);
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::wstring& name : names) text += std::string(name.begin(), name.end()) + " ";
    return text;
}
