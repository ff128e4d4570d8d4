#pragma once
#include <windows.h>

#include "controls/buttons/model/button_platform.h"

// The platform side of what the model asks of its window: the window
// properties, and the hover tracking over the window.

// Window properties as the system keeps them (SetPropW and its kin): the
// values live on the window and go with it.
class WindowPropertyStore final : public WindowProperties {
public:
    std::uintptr_t Get(std::uintptr_t window, std::wstring_view name) const override;
    void Set(std::uintptr_t window, std::wstring_view name, std::uintptr_t value) override;
    void Remove(std::uintptr_t window, std::wstring_view name) override;
};

// The hover timer's callback. The button is the live one whose identity the
// window's "xo_ClassID" holds, told the identifier in its "xo_TimerID"; a
// timer that outlived its button stops.
void CALLBACK HoverTimerProc(HWND window, UINT message, UINT_PTR timerId, DWORD time);

// Whether the window under the pointer is window itself.
bool PointerOver(HWND window);

// The pointer's position in window's client pixels.
PixelPoint CursorClientPosition(HWND window);
