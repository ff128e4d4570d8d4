#pragma once
#include <string>

#include "platform/files_win.h"

// "List.txt" in the given folder.
std::wstring ListFilePath(const std::wstring& folder);

// The system's 8-bit code page when every character fits it, else UTF-8
// with a byte-order mark, so no address is ever lost.
std::string EncodeListFile(const std::wstring& text);
std::wstring DecodeListFile(const std::string& bytes);

FileResult ReadListFile(const std::wstring& path, std::wstring& text);
FileResult WriteListFile(const std::wstring& path, const std::wstring& text);
