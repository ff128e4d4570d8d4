#include "retrieval/queue_text.h"

std::vector<std::wstring> NonEmptyLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(L"\r\n", start);
        std::wstring piece = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        if (!piece.empty()) lines.push_back(std::move(piece));
        if (end == std::wstring::npos) return lines;
        start = end + 2;
    }
}

std::wstring ListFileText(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) text += line + L"\r\n";
    return text;
}

std::wstring QueuedStatusText(size_t count) { return std::to_wstring(count) + L" file(s) queued for download"; }

std::wstring DownloadingFileText(size_t position, size_t count) {
    return L"Downloading file " + std::to_wstring(position) + L" of " + std::to_wstring(count);
}

std::wstring CountdownText(const std::wstring& minutes) { return L"Downloading in " + minutes + L" min(s)."; }
