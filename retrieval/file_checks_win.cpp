#include "retrieval/file_checks_win.h"

#include <windows.h>

#include "platform/files_win.h"

bool IsReadOnlyFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
           !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<ReplacedFile> FileToReplace(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return ReplacedFile{(data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0,
                        data.nFileSizeLow != 0 || data.nFileSizeHigh != 0};
}

bool FolderCheck(const std::wstring& folderText) { return !folderText.empty() && PathExists(folderText); }
