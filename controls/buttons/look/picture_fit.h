#pragma once
#include <cstdint>

struct PixelSize {
    std::int32_t width = 0, height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The size of size's proportions that just fits area: the smaller of the two
// ratios, in single precision, each side rounded halves to even. 0 x 0 for a
// size without area or an area without room.
PixelSize ScaleToFit(PixelSize size, PixelSize area);

// size itself when it fits area, else scaled down to fit; never larger.
PixelSize ShrinkToFit(PixelSize size, PixelSize area);
