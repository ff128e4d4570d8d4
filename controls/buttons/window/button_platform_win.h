#pragma once
#include <windows.h>

#include "controls/buttons/model/button_model.h"

// The platform side of a button's hover tracking, over its window.

// The hover timer's callback. The button is the live one whose identity the
// window's "xo_ClassID" holds, told the identifier in its "xo_TimerID"; a
// timer that outlived its button stops.
void CALLBACK HoverTimerProc(HWND window, UINT message, UINT_PTR timerId, DWORD time);

// Whether the window under the pointer is window itself.
bool PointerOver(HWND window);

// The pointer's position in window's client pixels.
PixelPoint CursorClientPosition(HWND window);
