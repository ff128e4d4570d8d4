#pragma once
#include <algorithm>
#include <cwctype>
#include <string_view>

// Text rules shared by the whole program.

// Without the blanks (spaces) around it: how addresses, names and typed
// numbers are taken.
constexpr std::wstring_view TrimBlanks(std::wstring_view text) {
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

// Without any white space (blanks, tabs, line ends) around it: how lines of
// a text file are taken.
inline std::wstring_view TrimWhiteSpace(std::wstring_view text) {
    while (!text.empty() && std::iswspace(text.front())) text.remove_prefix(1);
    while (!text.empty() && std::iswspace(text.back())) text.remove_suffix(1);
    return text;
}

// Names, keys and schemes are compared without regard to case.
inline bool EqualNoCase(std::wstring_view a, std::wstring_view b) {
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

inline bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

inline bool ContainsNoCase(std::wstring_view text, std::wstring_view part) {
    for (std::size_t at = 0; at + part.size() <= text.size(); ++at)
        if (EqualNoCase(text.substr(at, part.size()), part)) return true;
    return false;
}

// The access key a caption marks the way the dialog manager reads it: the
// character after the first "&" that is not part of a "&&"; none without one.
constexpr wchar_t DialogAccessKey(std::wstring_view caption) {
    for (std::size_t at = caption.find(L'&'); at != std::wstring_view::npos && at + 1 < caption.size();
         at = caption.find(L'&', at + 2))
        if (caption[at + 1] != L'&') return caption[at + 1];
    return L'\0';
}
