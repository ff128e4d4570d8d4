#pragma once
// Test support: proof that GDI objects were freed.
#include <windows.h>

#include <cstddef>

// A deleted object has no type any more.
inline bool Alive(HGDIOBJ h) { return GetObjectType(h) != 0; }

// The GDI objects the process holds. Wine's GetGuiResources answers 0, so
// there the handle table is counted instead: Wine takes a handle by its
// table index alone, without the reuse count in the high word.
inline std::size_t LiveGdiObjects() {
    if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
    std::size_t live = 0;
    for (ULONG_PTR index = 1; index <= 0xFFFF; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++live;
    return live;
}
