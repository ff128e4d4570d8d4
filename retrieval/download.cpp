#include "retrieval/download.h"

#include <algorithm>
#include <cwctype>

#include "platform/text.h"

namespace {

constexpr std::wstring_view kTemporaryPrefix = L"~durnwick-";
constexpr std::wstring_view kTemporarySuffix = L".part";

bool AllDigits(std::wstring_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

}  // namespace

AddressScheme SchemeOf(std::wstring_view address) {
    if (StartsWithNoCase(address, L"http://")) return AddressScheme::Http;
    if (StartsWithNoCase(address, L"https://")) return AddressScheme::Https;
    if (StartsWithNoCase(address, L"ftp://")) return AddressScheme::Ftp;
    if (StartsWithNoCase(address, L"file:")) return AddressScheme::File;
    return AddressScheme::Unsupported;
}

bool TransferSucceeded(const TransferReport& report) {
    if (!report.reachedEnd) return false;
    if (report.status && *report.status >= 400) return false;
    return !report.announcedLength || *report.announcedLength == report.received;
}

std::optional<std::uint64_t> ParseContentLength(std::wstring_view value) {
    while (!value.empty() && value.front() == L' ') value.remove_prefix(1);
    while (!value.empty() && value.back() == L' ') value.remove_suffix(1);
    if (!AllDigits(value)) return std::nullopt;
    std::uint64_t length = 0;
    for (wchar_t c : value) {
        const unsigned digit = c - L'0';
        if (length > (UINT64_MAX - digit) / 10) return std::nullopt;
        length = length * 10 + digit;
    }
    return length;
}

std::wstring TemporaryName(std::uint32_t processId, std::uint32_t serial) {
    return std::wstring(kTemporaryPrefix) + std::to_wstring(processId) + L"-" + std::to_wstring(serial) +
           std::wstring(kTemporarySuffix);
}

bool IsTemporaryName(std::wstring_view name) {
    if (!StartsWithNoCase(name, kTemporaryPrefix) || name.size() < kTemporaryPrefix.size() + kTemporarySuffix.size())
        return false;
    if (!StartsWithNoCase(name.substr(name.size() - kTemporarySuffix.size()), kTemporarySuffix)) return false;
    const std::wstring_view numbers =
        name.substr(kTemporaryPrefix.size(), name.size() - kTemporaryPrefix.size() - kTemporarySuffix.size());
    const size_t dash = numbers.find(L'-');
    return dash != std::wstring_view::npos && AllDigits(numbers.substr(0, dash)) && AllDigits(numbers.substr(dash + 1));
}

std::wstring SiblingPath(const std::wstring& path, const std::wstring& name) {
    const size_t separator = path.find_last_of(L"\\/:");
    return separator == std::wstring::npos ? name : path.substr(0, separator + 1) + name;
}
