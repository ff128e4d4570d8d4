#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "controls/buttons/model/geometry.h"

using Outline = std::vector<Point>;

// The window region of a button: an outline one pixel larger than the client
// area each way, less its corner cuts, and the slant positions the edges and
// focus mark follow.
struct RegionPlan {
    Outline outline;  // empty for the elliptic shapes
    std::optional<ButtonRect> ellipse;
    std::vector<Outline> cuts;  // taken out of the outline, in order
    std::int32_t LeftSlantX = 0;
    std::int32_t RightSlantX = 0;
    bool paintsRim = false;          // the white-to-grey shading left showing as the rim
    std::optional<ButtonRect> clip;  // later drawing is confined to this ellipse
};

// The width a slanted button is widened to, in steps of five pixels, so that
// at least five pixels of face lie beside its slant.
std::int32_t SlantedButtonWidth(std::int32_t w, std::int32_t h);

RegionPlan PlanButtonRegion(std::int32_t shape, std::int32_t style, bool enabled, std::int32_t w, std::int32_t h);

// The ellipse inside the rim, to which elliptic buttons draw.
constexpr ButtonRect InsideRim(std::int32_t w, std::int32_t h) { return {1, 1, w, h}; }
