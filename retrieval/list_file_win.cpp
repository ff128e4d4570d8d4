#include "retrieval/list_file_win.h"

#include <windows.h>

#include <algorithm>

#include "platform/text.h"
#include "platform/text_win.h"
#include "retrieval/file_checks_win.h"
#include "retrieval/queue_text.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

std::wstring FromUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring text(bytes.size() / 2, L'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = static_cast<wchar_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return text;
}

std::string ToUtf16(const std::wstring& text, bool bigEndian) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (wchar_t c : text) {
        const char high = static_cast<char>(c >> 8);
        const char low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

void AddPiece(ListFileContent& content, std::optional<std::wstring> piece) {
    const bool readable = piece && piece->find(L'\0') == std::wstring::npos;
    content.pieces.push_back(piece.value_or(L""));
    content.readable.push_back(readable);
}

}  // namespace

std::wstring ListFilePath(const std::wstring& folder) { return folder + L"\\List.txt"; }

ListFileContent DecodeListFile(const std::string& bytes) {
    ListFileContent content;
    std::string_view body = bytes;
    if (body.starts_with(kUtf8Bom)) {
        content.encoding = ListFileEncoding::Utf8;
        body.remove_prefix(kUtf8Bom.size());
    } else if (body.starts_with(kUtf16LeBom) || body.starts_with(kUtf16BeBom)) {
        content.encoding = body.starts_with(kUtf16LeBom) ? ListFileEncoding::Utf16Le : ListFileEncoding::Utf16Be;
        body.remove_prefix(kUtf16LeBom.size());
        // A last odd byte belongs to no character.
        const bool odd = body.size() % 2 != 0;
        const std::wstring text = FromUtf16(body, content.encoding == ListFileEncoding::Utf16Be);
        for (const std::wstring& piece : SplitAtLineBreaks(text)) AddPiece(content, piece);
        if (odd) content.readable.back() = false;
        return content;
    }
    const unsigned codePage = content.encoding == ListFileEncoding::Utf8 ? CP_UTF8 : CP_ACP;
    // CR LF never occurs inside a character of these encodings, so the bytes
    // can be split before they are decoded.
    size_t start = 0;
    for (;;) {
        const size_t end = body.find("\r\n", start);
        const std::string piece(
            body.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        AddPiece(content, StrictWideFromCodePage(piece, codePage));
        if (end == std::string_view::npos) return content;
        start = end + 2;
    }
}

bool AllReadable(const ListFileContent& content) {
    return std::all_of(content.readable.begin(), content.readable.end(), [](bool readable) { return readable; });
}

std::wstring LoadedText(const ListFileContent& content) {
    std::wstring text;
    bool first = true;
    for (size_t i = 0; i < content.pieces.size(); ++i) {
        if (!content.readable[i]) continue;
        if (!first) text += L"\r\n";
        text += content.pieces[i];
        first = false;
    }
    return std::wstring(TrimBlanks(text));
}

size_t UnreadableLines(const ListFileContent& content) {
    return static_cast<size_t>(std::count(content.readable.begin(), content.readable.end(), false));
}

std::string EncodeListFile(const std::wstring& text, ListFileEncoding fallback) {
    bool lossless = false;
    std::string bytes = CodePageFromWide(text, CP_ACP, &lossless);
    if (lossless) return bytes;
    switch (fallback) {
    case ListFileEncoding::Utf16Le:
        return std::string(kUtf16LeBom) + ToUtf16(text, false);
    case ListFileEncoding::Utf16Be:
        return std::string(kUtf16BeBom) + ToUtf16(text, true);
    case ListFileEncoding::CodePage:
    case ListFileEncoding::Utf8:
        break;
    }
    return std::string(kUtf8Bom) + CodePageFromWide(text, CP_UTF8);
}

FileResult ReadListFile(const std::wstring& path, ListFileContent& content) {
    std::string bytes;
    const FileResult result = ReadWholeFile(path, bytes);
    if (result) content = DecodeListFile(bytes);
    return result;
}

FileResult WriteListFile(const std::wstring& path, const std::wstring& text, ListFileEncoding fallback) {
    // Windows would refuse to replace it in the same words.
    if (IsReadOnlyFile(path)) return {ERROR_ACCESS_DENIED};
    return ReplaceFileContent(path, EncodeListFile(text, fallback));
}
