#include "retrieval/queue_text.h"

#include <algorithm>

std::vector<std::wstring> SplitAtLineBreaks(const std::wstring& text) {
    std::vector<std::wstring> pieces;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(L"\r\n", start);
        pieces.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
        if (end == std::wstring::npos) return pieces;
        start = end + 2;
    }
}

std::vector<std::wstring> NonEmptyLines(const std::wstring& text) {
    std::vector<std::wstring> lines = SplitAtLineBreaks(text);
    std::erase_if(lines, [](const std::wstring& line) { return line.empty(); });
    return lines;
}

size_t AfterLines(std::wstring_view text, size_t from, size_t lines) {
    size_t end = std::min(from, text.size());
    for (size_t line = 0; line < lines; ++line) {
        const size_t lineEnd = text.find(L"\r\n", end);
        if (lineEnd == std::wstring_view::npos) return text.size();
        end = lineEnd + 2;
    }
    return end;
}

std::wstring ListFileText(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) text += line + L"\r\n";
    return text;
}
