#pragma once
#include <cstdint>
#include <vector>

#include "controls/buttons/model/colour.h"
#include "controls/buttons/model/geometry.h"

// One rectangle of a shaded face and the colour it is filled with.
struct Band {
    ButtonRect box;
    Colour colour = 0;
    bool operator==(const Band&) const = default;
};

// count colours stepping from first to second in single precision; the
// first is kept as given, the others are floored channel by channel.
std::vector<Colour> BuildColorRamp(Colour first, Colour second, std::int32_t count);

// The bands of a GradientMode (1 to 4) over a w x h face: one per pixel
// column (modes 1, 2) or row (3, 4), one per two pixels when the button
// spans more than a quarter of the screen that way. Modes 2 and 4 put the
// second colour first. A face too small for two bands gets one band of the
// first colour.
std::vector<Band> GradientBands(std::int32_t mode, std::int32_t w, std::int32_t h, std::int32_t screenWidth,
                                std::int32_t screenHeight, Colour first, Colour second);

// The rows 1 to h - 1 of ButtonStyle 2's face, each darker than the last;
// the first row and the outer columns are left to the edges.
std::vector<Band> ShadedLines(Colour fill, std::int32_t w, std::int32_t h);
