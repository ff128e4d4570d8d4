#pragma once
#include <windows.h>

#include "controls/buttons/colour.h"
#include "controls/buttons/geometry.h"

// The portable core's values as GDI takes them.

// RGB with a system colour looked up.
inline COLORREF ResolvedRgb(Colour colour) {
    return IsSysColor(colour) ? GetSysColor(SysColorIndex(colour)) : static_cast<COLORREF>(colour);
}

inline RECT ToRect(const ButtonRect& r) { return {r.left, r.top, r.right, r.bottom}; }
