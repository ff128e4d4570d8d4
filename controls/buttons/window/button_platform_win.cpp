#include "controls/buttons/window/button_platform_win.h"

#include "controls/buttons/model/interaction_codes.h"
#include "controls/buttons/window/window_properties_win.h"

// The core names these keys by their virtual-key codes.
static_assert(kKeyEnter == VK_RETURN && kKeyShift == VK_SHIFT && kKeyEscape == VK_ESCAPE && kKeySpace == VK_SPACE);
static_assert(kKeyLeft == VK_LEFT && kKeyUp == VK_UP && kKeyRight == VK_RIGHT && kKeyDown == VK_DOWN);

void CALLBACK HoverTimerProc(HWND window, UINT, UINT_PTR timerId, DWORD) {
    const WindowPropertyStore properties;
    const auto id = reinterpret_cast<std::uintptr_t>(window);
    ButtonModel* button = ButtonModel::FromIdentity(properties.Get(id, kClassIdProperty));
    if (!button) {
        KillTimer(window, timerId);
        return;
    }
    button->CheckHover(static_cast<std::uint32_t>(properties.Get(id, kTimerIdProperty)));
}

bool PointerOver(HWND window) {
    POINT at{};
    return GetCursorPos(&at) && WindowFromPoint(at) == window;
}

PixelPoint CursorClientPosition(HWND window) {
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(window, &at);
    return {at.x, at.y};
}
