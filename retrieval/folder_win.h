#pragma once
#include <windows.h>

#include <string>

// The shell's folder picker, file-system folders only. Returns the chosen
// path, or "" when the user cancels or anything fails.
std::wstring BrowseForFolder(HWND owner, const std::wstring& title);

// Opens a web address or a folder with the shell; the result is of no interest.
void OpenWithShell(HWND owner, const std::wstring& target);

// The check START makes: something exists under the folder text.
bool FolderCheck(const std::wstring& folderText);
