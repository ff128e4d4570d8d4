#include "retrieval/list_file_win.h"

#include <windows.h>

#include "platform/text_win.h"

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
}

std::wstring ListFilePath(const std::wstring& folder) { return folder + L"\\List.txt"; }

std::string EncodeListFile(const std::wstring& text) {
    bool lossless = false;
    std::string bytes = CodePageFromWide(text, CP_ACP, &lossless);
    if (lossless) return bytes;
    return std::string(kUtf8Bom) + CodePageFromWide(text, CP_UTF8);
}

std::wstring DecodeListFile(const std::string& bytes) {
    if (bytes.starts_with(kUtf8Bom)) return WideFromCodePage(bytes.substr(kUtf8Bom.size()), CP_UTF8);
    return WideFromCodePage(bytes, CP_ACP);
}

FileResult ReadListFile(const std::wstring& path, std::wstring& text) {
    std::string bytes;
    const FileResult result = ReadWholeFile(path, bytes);
    if (result) text = DecodeListFile(bytes);
    return result;
}

FileResult WriteListFile(const std::wstring& path, const std::wstring& text) {
    return ReplaceFileContent(path, EncodeListFile(text));
}
