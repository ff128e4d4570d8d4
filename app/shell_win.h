#pragma once
#include <windows.h>

#include <string>

// What the folder picker gave: the chosen folder's path; nothing when the
// user cancelled; or why the folder that was chosen cannot be used.
struct FolderChoice {
    std::wstring path;
    DWORD error = ERROR_SUCCESS;
};

// The shell's folder picker, file-system folders only, whose paths fit the
// program's path buffer of MAX_PATH characters.
FolderChoice BrowseForFolder(HWND owner, const std::wstring& title);

// The clipboard's plain text; empty when it holds none.
std::wstring TextOnClipboard(HWND owner);
// Replaces what the clipboard holds with the text; an empty text empties it.
bool PutTextOnClipboard(HWND owner, const std::wstring& text);

// Opens a web address or a folder with the shell; the result is of no interest.
void OpenWithShell(HWND owner, const std::wstring& target);
