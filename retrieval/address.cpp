#include "retrieval/address.h"

#include <algorithm>

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr std::wstring_view kSchemeEnd = L"://";
constexpr std::wstring_view kMaskedPassword = L"***";

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// wchar_t is UTF-16 on Windows and UTF-32 elsewhere; both come out as code points.
char32_t NextCodePoint(std::wstring_view text, size_t& i) {
    const auto c = static_cast<char32_t>(text[i++]);
    if (IsHighSurrogate(c) && i < text.size() && IsLowSurrogate(static_cast<char32_t>(text[i])))
        return 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[i++]) - 0xDC00);
    if (IsHighSurrogate(c) || IsLowSurrogate(c) || c > 0x10FFFF) return kReplacementCharacter;
    return c;
}

std::string Utf8(char32_t c) {
    std::string bytes;
    if (c < 0x80) {
        bytes += static_cast<char>(c);
    } else if (c < 0x800) {
        bytes += static_cast<char>(0xC0 | c >> 6);
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        bytes += static_cast<char>(0xE0 | c >> 12);
        bytes += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | c >> 18);
        bytes += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        bytes += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
    return bytes;
}

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
    for (size_t i = 0; i < text.size();) {
        const char32_t c = NextCodePoint(text, i);
        if (c < 0x80) {
            encoded += static_cast<wchar_t>(c);
            continue;
        }
        for (const char byte : Utf8(c)) {
            const auto b = static_cast<unsigned char>(byte);
            encoded += L'%';
            encoded += kHex[b >> 4];
            encoded += kHex[b & 0xF];
        }
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
