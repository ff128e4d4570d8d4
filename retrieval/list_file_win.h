#pragma once
#include <string>
#include <vector>

#include "platform/files_win.h"

// "List.txt" in the given folder.
std::wstring ListFilePath(const std::wstring& folder);

// How a list file is stored: by its byte-order mark, else the system's 8-bit
// code page.
enum class ListFileEncoding { CodePage, Utf8, Utf16Le, Utf16Be };

// A list file as read: its text split at every CR LF, each piece decoded on
// its own, so that a bad line spoils only itself.
struct ListFileContent {
    ListFileEncoding encoding = ListFileEncoding::CodePage;
    std::vector<std::wstring> pieces;
    std::vector<bool> readable;  // false: a NUL, or bytes that do not decode
};

ListFileContent DecodeListFile(const std::string& bytes);

bool AllReadable(const ListFileContent& content);

// What loading puts into the entry box: the readable pieces, with the blanks
// around the whole text removed.
std::wstring LoadedText(const ListFileContent& content);

// Pieces that could not be read, so cannot be queued.
size_t UnreadableLines(const ListFileContent& content);

// The system's 8-bit code page when every character fits it; otherwise the
// encoding the file had (UTF-8 for a code-page file), with its byte-order
// mark, so that no address is ever lost.
std::string EncodeListFile(const std::wstring& text, ListFileEncoding fallback);

FileResult ReadListFile(const std::wstring& path, ListFileContent& content);
// A read-only list file is kept: the write fails as access denied.
FileResult WriteListFile(const std::wstring& path, const std::wstring& text, ListFileEncoding fallback);
