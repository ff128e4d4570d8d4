#include "retrieval/folder_win.h"

#include <shellapi.h>
#include <shlobj.h>

#include "platform/files_win.h"

std::wstring BrowseForFolder(HWND owner, const std::wstring& title) {
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    PIDLIST_ABSOLUTE items = SHBrowseForFolderW(&info);
    if (!items) return {};
    std::wstring path(MAX_PATH, L'\0');
    const bool found = SHGetPathFromIDListW(items, path.data());
    CoTaskMemFree(items);
    if (!found) return {};
    path.resize(wcslen(path.c_str()));
    return path;
}

void OpenWithShell(HWND owner, const std::wstring& target) {
    ShellExecuteW(owner, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool FolderCheck(const std::wstring& folderText) { return !folderText.empty() && PathExists(folderText); }
