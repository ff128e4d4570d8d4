#pragma once
#include <string_view>

// The description the button publishes for a public property; empty for a
// name that has none (hWnd, hDC) or is unknown. Names ignore case.
std::wstring_view PropertyHelp(std::wstring_view property);
