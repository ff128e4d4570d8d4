#pragma once
#include <cstdint>

// Client-area pixels of a button.
struct Point {
    std::int32_t x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

using PixelPoint = Point;

struct ButtonSize {
    std::int32_t width = 0, height = 0;
};

// A rectangle as GDI takes it: right and bottom lie just outside.
struct ButtonRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ButtonRect&) const = default;
};

// Where a button's caption and picture go.
struct ButtonLayout {
    ButtonRect CaptionRect;
    ButtonRect PictureRect;
};
