#pragma once
#include <cstdint>

// Names for the numbers the button's mouse, keyboard and hover handling
// use. The key codes are the platform's virtual-key codes; they are checked
// against its headers in button_platform_win.cpp.

// Mouse buttons as the handlers and events number them; a move reports the
// buttons held as their sum.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;
// LastMouseButton right after a double-click's stand-in press, so that the
// release which follows runs no click step.
inline constexpr std::int16_t kAfterDoubleClick = -1;

// Key codes.
inline constexpr std::int16_t kKeyEnter = 13;
inline constexpr std::int16_t kKeyShift = 16;
inline constexpr std::int16_t kKeyEscape = 27;
inline constexpr std::int16_t kKeySpace = 32;
inline constexpr std::int16_t kKeyLeft = 37;
inline constexpr std::int16_t kKeyUp = 38;
inline constexpr std::int16_t kKeyRight = 39;
inline constexpr std::int16_t kKeyDown = 40;

constexpr bool IsArrowKey(std::int16_t key) { return key >= kKeyLeft && key <= kKeyDown; }

// The lParam of an arrow key's key-down forwarded to the container: repeat
// count 1 and the key's scan code in bits 16 to 23.
constexpr std::uint32_t ArrowKeyLParam(std::int16_t key) {
    switch (key) {
    case kKeyLeft:
        return 0x004B0001;
    case kKeyUp:
        return 0x00480001;
    case kKeyRight:
        return 0x004D0001;
    case kKeyDown:
        return 0x00500001;
    default:
        return 0;
    }
}

// Hover tracking: a timer on the button's own window, which also carries
// the button's identity and the timer's identifier for the timer callback.
inline constexpr std::uint32_t kHoverTimerId = 237;
inline constexpr std::uint32_t kHoverIntervalMs = 50;
inline constexpr wchar_t kClassIdProperty[] = L"xo_ClassID";
inline constexpr wchar_t kTimerIdProperty[] = L"xo_TimerID";
