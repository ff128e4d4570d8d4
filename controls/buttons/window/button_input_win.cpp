#include "controls/buttons/window/button_input_win.h"

#include <ole2.h>

#include "controls/buttons/model/interaction_codes.h"

namespace {

constexpr std::int16_t kShift = 1, kCtrl = 2, kAlt = 4;

bool Down(int virtualKey) { return GetKeyState(virtualKey) < 0; }

}  // namespace

std::int16_t MouseButtonsOf(DWORD keyState) {
    return static_cast<std::int16_t>((keyState & MK_LBUTTON ? kLeftButton : 0) |
                                     (keyState & MK_RBUTTON ? kRightButton : 0) |
                                     (keyState & MK_MBUTTON ? kMiddleButton : 0));
}

std::int16_t ShiftOf(DWORD keyState) {
    return static_cast<std::int16_t>((keyState & MK_SHIFT ? kShift : 0) | (keyState & MK_CONTROL ? kCtrl : 0) |
                                     (keyState & MK_ALT ? kAlt : 0));
}

std::int16_t KeyboardShift() {
    return static_cast<std::int16_t>((Down(VK_SHIFT) ? kShift : 0) | (Down(VK_CONTROL) ? kCtrl : 0) |
                                     (Down(VK_MENU) ? kAlt : 0));
}

std::int16_t MouseButtonOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return kLeftButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return kRightButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return kMiddleButton;
    default:
        return 0;
    }
}
