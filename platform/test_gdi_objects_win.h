#pragma once
// Test support: how many GDI objects the process holds, and whether one
// handle still names a live object.
#include <windows.h>

// Wine's GetGuiResources always answers 0. There the live objects are
// counted by their slots in the handle table instead: Wine accepts a handle
// given by its slot number alone.
inline DWORD LiveGdiObjects() {
    if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return counted;
    DWORD live = 0;
    for (ULONG_PTR slot = 1; slot <= 0xFFFF; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot))) ++live;
    return live;
}

// A deleted object has no type any more.
inline bool Alive(HGDIOBJ h) { return GetObjectType(h) != 0; }
