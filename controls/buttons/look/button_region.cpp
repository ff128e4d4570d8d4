#include "controls/buttons/look/button_region.h"

#include "controls/buttons/model/button_codes.h"

namespace {

// A slant runs over the full height of the region.
std::int32_t SlantExtent(std::int32_t h) { return h + 1; }

Outline Pixel(std::int32_t x, std::int32_t y) { return {{x, y}, {x + 1, y}, {x + 1, y + 1}, {x, y + 1}}; }

enum class Corners { None, Pixels, Triangles };

// Which corners a style takes off: pixels (ButtonStyle 1, and 3 while
// enabled) or triangles (ButtonStyle 2 and 7).
Corners CornersOf(std::int32_t style, bool enabled) {
    if (style == 1 || (style == 3 && enabled)) return Corners::Pixels;
    if (style == 2 || style == 7) return Corners::Triangles;
    return Corners::None;
}

void CutLeftCorners(std::vector<Outline>& cuts, Corners kind, std::int32_t h) {
    if (kind == Corners::Pixels) {
        cuts.push_back(Pixel(0, 0));
        cuts.push_back(Pixel(0, h - 1));
    } else if (kind == Corners::Triangles) {
        cuts.push_back({{0, 0}, {2, 0}, {0, 2}});
        // Legs of three: the region's bottom lies a pixel below the last row.
        cuts.push_back({{0, h}, {3, h}, {0, h - 3}});
    }
}

void CutRightCorners(std::vector<Outline>& cuts, Corners kind, std::int32_t w, std::int32_t h) {
    if (kind == Corners::Pixels) {
        cuts.push_back(Pixel(w - 1, h - 1));
        cuts.push_back(Pixel(w - 1, 0));
    } else if (kind == Corners::Triangles) {
        cuts.push_back({{w, 0}, {w - 2, 0}, {w, 2}});
        cuts.push_back({{w, h}, {w - 3, h}, {w, h - 3}});
    }
}

}  // namespace

std::int32_t SlantedButtonWidth(std::int32_t w, std::int32_t h) {
    const std::int32_t d = SlantExtent(h);
    while (w - d < 5) w += 5;
    return w;
}

RegionPlan PlanButtonRegion(std::int32_t shape, std::int32_t style, bool enabled, std::int32_t w, std::int32_t h) {
    RegionPlan plan;
    plan.RightSlantX = w;
    const Corners corners = CornersOf(style, enabled);
    if (IsElliptic(shape)) {
        plan.ellipse = ButtonRect{0, 0, w + 1, h + 1};
        if (style != 5) {
            plan.paintsRim = shape != kPlainEllipse;
            plan.clip = InsideRim(w, h);
        }
    } else {
        const std::int32_t d = SlantExtent(h);
        Point bottomLeft{0, h + 1}, topRight{w + 1, 0};
        if (shape == kLeftSlant || shape == kBothSlants) {
            bottomLeft.x = d;
            plan.LeftSlantX = d;
        }
        if (shape == kRightSlant || shape == kBothSlants) {
            topRight.x = w - d + 1;
            plan.RightSlantX = w - d;
        }
        plan.outline = {{0, 0}, bottomLeft, {w + 1, h + 1}, topRight};
        // Only the corners that are still square are rounded.
        if (shape == kRectangle || shape == kRightSlant) CutLeftCorners(plan.cuts, corners, h);
        if (shape == kRectangle || shape == kLeftSlant) CutRightCorners(plan.cuts, corners, w, h);
    }
    if (plan.RightSlantX == 0) plan.RightSlantX = w;
    return plan;
}
