#include "controls/buttons/window/button_platform_win.h"

#include <string>

#include "controls/buttons/model/button_model.h"
#include "controls/buttons/model/interaction_codes.h"

// The core names these keys by their virtual-key codes.
static_assert(kKeyEnter == VK_RETURN && kKeyShift == VK_SHIFT && kKeyEscape == VK_ESCAPE && kKeySpace == VK_SPACE);
static_assert(kKeyLeft == VK_LEFT && kKeyUp == VK_UP && kKeyRight == VK_RIGHT && kKeyDown == VK_DOWN);

namespace {

HWND AsWindow(std::uintptr_t window) { return reinterpret_cast<HWND>(window); }

}  // namespace

std::uintptr_t WindowPropertyStore::Get(std::uintptr_t window, std::wstring_view name) const {
    return reinterpret_cast<std::uintptr_t>(GetPropW(AsWindow(window), std::wstring(name).c_str()));
}

void WindowPropertyStore::Set(std::uintptr_t window, std::wstring_view name, std::uintptr_t value) {
    SetPropW(AsWindow(window), std::wstring(name).c_str(), reinterpret_cast<HANDLE>(value));
}

void WindowPropertyStore::Remove(std::uintptr_t window, std::wstring_view name) {
    RemovePropW(AsWindow(window), std::wstring(name).c_str());
}

void CALLBACK HoverTimerProc(HWND window, UINT, UINT_PTR timerId, DWORD) {
    const WindowPropertyStore properties;
    const auto id = reinterpret_cast<std::uintptr_t>(window);
    ButtonModel* button = ButtonModel::FromIdentity(properties.Get(id, kClassIdProperty));
    if (!button) {
        KillTimer(window, timerId);
        return;
    }
    button->Interaction().CheckHover(static_cast<std::uint32_t>(properties.Get(id, kTimerIdProperty)));
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
