#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "controls/buttons/model/button_model.h"

// What a screen reader is told about a button. The numbers are the
// platform's accessibility roles and states; accessible_button_win.cpp
// checks them against its headers.
enum class AccessibleRole : std::int32_t { PushButton = 0x2B, CheckBox = 0x2C, RadioButton = 0x2D };

inline constexpr std::uint32_t kStateUnavailable = 0x1;
inline constexpr std::uint32_t kStateFocused = 0x4;
inline constexpr std::uint32_t kStatePressed = 0x8;
inline constexpr std::uint32_t kStateChecked = 0x10;
inline constexpr std::uint32_t kStateHotTracked = 0x80;
inline constexpr std::uint32_t kStateFocusable = 0x100000;

struct AccessibleView {
    std::wstring name;
    AccessibleRole role = AccessibleRole::PushButton;
    std::uint32_t states = 0;
    std::wstring shortcut;  // empty without an access key
    std::wstring defaultAction;
    bool operator==(const AccessibleView&) const = default;
};

// The caption as it reads: the access-key marks dropped, "&&" one
// ampersand, a "||" line break a space.
std::wstring AccessibleName(std::wstring_view caption);

AccessibleView DescribeButton(const ButtonModel& button, bool focused);
