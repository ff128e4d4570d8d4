#pragma once
#include <windows.h>

#include "platform/handles_win.h"

// Dots per inch of the screen, which turns twips and points into pixels.
inline int ScreenDpi() {
    WindowDC screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}
