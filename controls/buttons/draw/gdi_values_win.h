#pragma once
#include <windows.h>

#include <span>
#include <vector>

#include "controls/buttons/model/colour.h"
#include "controls/buttons/model/geometry.h"

// The portable core's values as GDI takes them.

// RGB with a system colour looked up.
inline COLORREF ResolvedRgb(Colour colour) {
    return IsSysColor(colour) ? GetSysColor(SysColorIndex(colour)) : static_cast<COLORREF>(colour);
}

inline RECT ToRect(const ButtonRect& r) { return {r.left, r.top, r.right, r.bottom}; }

inline std::vector<POINT> ToPoints(std::span<const Point> points) {
    std::vector<POINT> converted;
    converted.reserve(points.size());
    for (const Point& p : points) converted.push_back({p.x, p.y});
    return converted;
}
