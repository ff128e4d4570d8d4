#pragma once
#include <cstdint>
#include <vector>

#include "controls/buttons/model/button_members.h"
#include "controls/buttons/model/geometry.h"

// Where the focus mark goes: a solid line through points, the system's
// dotted focus rectangle, or nothing while the mark is not shown.
struct FocusMark {
    enum class Kind { None, Line, Dotted };
    Kind kind = Kind::None;
    std::vector<Point> line;
    ButtonRect rect;
    bool operator==(const FocusMark&) const = default;
};

// Slanted buttons get an outline along their slants; elliptic ones, and
// those asked to (aroundContent), a frame around the caption or picture;
// rectangles a frame four pixels inside the border. solidFrame draws the
// frames solid instead of dotted.
FocusMark PlanFocusMark(const ButtonMembers& m, std::int32_t w, std::int32_t h, bool solidFrame, bool aroundContent);
