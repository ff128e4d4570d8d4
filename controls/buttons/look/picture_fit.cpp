#include "controls/buttons/look/picture_fit.h"

#include <algorithm>

#include "platform/round.h"

PixelSize ScaleToFit(PixelSize size, PixelSize area) {
    // Dividing by a zero side would make the ratio meaningless.
    if (size.width <= 0 || size.height <= 0) return {};
    // An area with no room gives nothing rather than a size turned inside out.
    const float ratio = std::max(0.0f, std::min(static_cast<float>(area.width) / static_cast<float>(size.width),
                                                static_cast<float>(area.height) / static_cast<float>(size.height)));
    const auto scaled = [ratio](std::int32_t side) {
        return static_cast<std::int32_t>(RoundHalfEven(static_cast<double>(ratio) * side));
    };
    return {scaled(size.width), scaled(size.height)};
}

PixelSize ShrinkToFit(PixelSize size, PixelSize area) {
    if (size.width <= area.width && size.height <= area.height) return size;
    return ScaleToFit(size, area);
}
