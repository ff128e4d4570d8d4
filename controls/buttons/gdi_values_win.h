#pragma once
#include <windows.h>

#include "controls/buttons/colour.h"

// The portable core's values as GDI takes them.

// RGB with a system colour looked up.
inline COLORREF ResolvedRgb(Colour colour) {
    return IsSysColor(colour) ? GetSysColor(SysColorIndex(colour)) : static_cast<COLORREF>(colour);
}
