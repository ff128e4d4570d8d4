#include "retrieval/run_log.h"

#include <vector>

namespace {

std::wstring Padded(int value, int digits) {
    std::wstring text = std::to_wstring(value);
    return std::wstring(text.size() < static_cast<size_t>(digits) ? digits - text.size() : 0, L'0') + text;
}

std::wstring Printable(const std::wstring& text) {
    static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring printable;
    for (wchar_t c : text) {
        if (c < 0x20 || c == 0x7F)
            printable += std::wstring(L"\\x") + kHex[c >> 4] + kHex[c & 0xF];
        else
            printable += c;
    }
    return printable;
}

}  // namespace

std::wstring LogTimeText(const LocalTime& t) {
    return Padded(t.year, 4) + L"-" + Padded(t.month, 2) + L"-" + Padded(t.day, 2) + L" " + Padded(t.hour, 2) + L":" +
           Padded(t.minute, 2) + L":" + Padded(t.second, 2);
}

std::wstring RunLogLine(const RunLogEntry& e) {
    const std::wstring when = LogTimeText(e.time);
    const std::uint64_t hundredths = (e.elapsedMs + 5) / 10;
    const std::wstring seconds =
        std::to_wstring(hundredths / 100) + L"." + Padded(static_cast<int>(hundredths % 100), 2);
    return when + L"\t" + Printable(e.address) + L"\t" + Printable(e.result) + L"\t" + std::to_wstring(e.bytes) +
           L" bytes\t" + seconds + L" s\r\n";
}

std::wstring KeepLastLines(const std::wstring& text, size_t count) {
    std::vector<size_t> starts{0};
    for (size_t end = text.find(L"\r\n"); end != std::wstring::npos; end = text.find(L"\r\n", end + 2))
        starts.push_back(end + 2);
    if (starts.back() == text.size()) starts.pop_back();
    if (starts.size() <= count) return text;
    return text.substr(starts[starts.size() - count]);
}
