#include "retrieval/address.h"

#include <algorithm>

#include "platform/utf8.h"

namespace {

constexpr std::wstring_view kSchemeEnd = L"://";
constexpr std::wstring_view kMaskedPassword = L"***";

int HexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    return -1;
}

}  // namespace

bool HasControlCharacter(std::wstring_view address) {
    return std::any_of(address.begin(), address.end(), [](wchar_t c) { return c < 0x20 || c == 0x7F; });
}

std::wstring_view WithoutFragment(std::wstring_view address) { return address.substr(0, address.find(L'#')); }

std::wstring PercentEncodeNonAscii(std::wstring_view text) {
    static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring encoded;
    for (const char byte : Utf8FromWide(text)) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80) {
            encoded += static_cast<wchar_t>(b);
            continue;
        }
        encoded += L'%';
        encoded += kHex[b >> 4];
        encoded += kHex[b & 0xF];
    }
    return encoded;
}

std::string PercentDecode(std::wstring_view text) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            bytes += static_cast<char>(HexValue(text[i + 1]) << 4 | HexValue(text[i + 2]));
            i += 2;
        } else {
            bytes += static_cast<char>(text[i]);
        }
    }
    return bytes;
}

std::optional<AddressParts> SplitAddress(std::wstring_view address) {
    const size_t schemeEnd = address.find(kSchemeEnd);
    if (schemeEnd == 0 || schemeEnd == std::wstring_view::npos ||
        address.substr(0, schemeEnd).find_first_of(L"/?#") != std::wstring_view::npos)
        return std::nullopt;
    AddressParts parts;
    parts.scheme = address.substr(0, schemeEnd + kSchemeEnd.size());
    std::wstring_view authority = address.substr(parts.scheme.size());
    const size_t authorityEnd = std::min(authority.find_first_of(L"/?#"), authority.size());
    parts.rest = authority.substr(authorityEnd);
    authority = authority.substr(0, authorityEnd);
    if (const size_t at = authority.rfind(L'@'); at != std::wstring_view::npos) {
        parts.userInfo = authority.substr(0, at);
        authority = authority.substr(at + 1);
    }
    const size_t hostEnd = authority.starts_with(L'[') ? std::min(authority.find(L']') + 1, authority.size())
                                                       : std::min(authority.find(L':'), authority.size());
    parts.host = authority.substr(0, hostEnd);
    parts.port = authority.substr(hostEnd);
    return parts;
}

std::wstring MaskedAddress(std::wstring_view address) {
    const std::optional<AddressParts> parts = SplitAddress(address);
    if (!parts) return std::wstring(address);
    const size_t colon = parts->userInfo.find(L':');
    if (colon == std::wstring_view::npos) return std::wstring(address);
    std::wstring masked(parts->scheme);
    masked += parts->userInfo.substr(0, colon + 1);
    masked += kMaskedPassword;
    masked += L'@';
    masked += parts->host;
    masked += parts->port;
    masked += parts->rest;
    return masked;
}

std::string BasicCredentials(std::wstring_view userInfo) { return PercentDecode(PercentEncodeNonAscii(userInfo)); }
