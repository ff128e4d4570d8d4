#pragma once
#include <algorithm>
#include <cwctype>
#include <string_view>

// Property names, bag keys and requests are compared without regard to case.
inline bool EqualNoCase(std::wstring_view a, std::wstring_view b) {
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}
