#pragma once
#include <windows.h>

#include <cstdint>

// Button and Shift as the button's events number them: the mouse buttons
// held as the sum of left 1, right 2 and middle 4, and Shift 1, Ctrl 2 and
// Alt 4. keyState holds the platform's MK_ flags, as a mouse message's
// wParam or a drag's key state has them.
std::int16_t MouseButtonsOf(DWORD keyState);
std::int16_t ShiftOf(DWORD keyState);

// Shift, Ctrl and Alt as the keyboard holds them now.
std::int16_t KeyboardShift();

// The mouse button a press, release or double-click message is about: 1, 2
// or 4; 0 for any other message.
std::int16_t MouseButtonOf(UINT message);
