#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// UTF-8 at the edges where no platform call converts (JSON, header bytes).
// wchar_t is UTF-16 on Windows and UTF-32 elsewhere; both convert alike.
// A lone surrogate or a byte sequence that is no UTF-8 becomes U+FFFD.

namespace utf8_detail {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

inline bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

inline char32_t NextCodePoint(std::wstring_view text, std::size_t& i) {
    const auto c = static_cast<char32_t>(text[i++]);
    if (IsHighSurrogate(c) && i < text.size() && IsLowSurrogate(static_cast<char32_t>(text[i])))
        return 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[i++]) - 0xDC00);
    if (IsHighSurrogate(c) || IsLowSurrogate(c) || c > 0x10FFFF) return kReplacementCharacter;
    return c;
}

// The code point that starts at bytes[i], or U+FFFD for one bad byte.
inline char32_t NextFromUtf8(std::string_view bytes, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(bytes[i++]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 && lead <= 0xF4 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : -1;
    if (extra < 0 || i + extra > bytes.size()) return kReplacementCharacter;
    char32_t c = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80) return kReplacementCharacter;
        c = c << 6 | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[extra] || c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c)) return kReplacementCharacter;
    i += extra;
    return c;
}

}  // namespace utf8_detail

inline std::string Utf8FromWide(std::wstring_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = utf8_detail::NextCodePoint(text, i);
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
    }
    return bytes;
}

inline std::wstring WideFromUtf8(std::string_view bytes) {
    std::wstring text;
    for (std::size_t i = 0; i < bytes.size();) {
        const char32_t c = utf8_detail::NextFromUtf8(bytes, i);
        if (c >= 0x10000 && sizeof(wchar_t) == 2) {
            text += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            text += static_cast<wchar_t>(c);
        }
    }
    return text;
}
