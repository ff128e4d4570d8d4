#pragma once
#include <cstdint>

#include "controls/buttons/model/button_codes.h"

// Held down with the pointer over the button.
constexpr bool IsPressedIn(std::uint8_t stateFlags) { return (stateFlags & kPressedIn) == kPressedIn; }

// The look a redraw starts from, which each style then adjusts to choose its
// edge colours: 0 normal, 1 focus mark shown, 2 pressed in; some styles add
// 3 (checked, or hot).
using LookState = std::int16_t;

constexpr LookState BackgroundLookState(std::uint8_t stateFlags) {
    if (IsPressedIn(stateFlags)) return 2;
    return (stateFlags & kDefaultLook) ? 1 : 0;
}
