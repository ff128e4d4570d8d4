#include "controls/buttons/look/gradient.h"

#include <algorithm>
#include <cmath>

#include "platform/round.h"

namespace {

struct Channels {
    float red, green, blue;
};

// Green and blue are read with the 255 and 65280 divisors the shading uses
// everywhere, so they come out 256/255 times the byte.
Channels StartChannels(Colour c) {
    return {static_cast<float>(c & 0xFF), static_cast<float>(c & 0xFF00) / 255.0f,
            static_cast<float>(c & 0xFF0000) / 65280.0f};
}

Channels EndChannels(Colour c) {
    return {static_cast<float>(c & 0xFF), static_cast<float>(RoundHalfEven((c & 0xFF00) / 255.0)),
            static_cast<float>(RoundHalfEven((c & 0xFF0000) / 65280.0))};
}

float StepClamped(float channel, float step) { return std::clamp(channel + step, 0.0f, 255.0f); }

Colour Floored(const Channels& c) {
    return static_cast<Colour>(std::floor(c.red)) + static_cast<Colour>(std::floor(c.green)) * 256 +
           static_cast<Colour>(std::floor(c.blue)) * 65536;
}

// numerator / denominator rounded to nearest, halves to even, exactly.
std::int32_t RoundedQuotient(std::int32_t numerator, std::int32_t denominator) {
    std::int32_t q = numerator / denominator;
    std::int32_t r = numerator % denominator;
    if (r < 0) {
        --q;
        r += denominator;
    }
    if (2 * r > denominator || (2 * r == denominator && q % 2 != 0)) ++q;
    return q;
}

}  // namespace

std::vector<Colour> BuildColorRamp(Colour first, Colour second, std::int32_t count) {
    std::vector<Colour> ramp;
    if (count < 1) return ramp;
    ramp.reserve(static_cast<std::size_t>(count));
    ramp.push_back(first);
    if (count == 1) return ramp;
    Channels c = StartChannels(first);
    const Channels end = EndChannels(second);
    const auto upper = static_cast<float>(count - 1);
    const Channels step{(end.red - c.red) / upper, (end.green - c.green) / upper, (end.blue - c.blue) / upper};
    for (std::int32_t k = 1; k < count; ++k) {
        c.red = StepClamped(c.red, step.red);
        c.green = StepClamped(c.green, step.green);
        c.blue = StepClamped(c.blue, step.blue);
        ramp.push_back(Floored(c));
    }
    return ramp;
}

std::vector<Band> GradientBands(std::int32_t mode, std::int32_t w, std::int32_t h, std::int32_t screenWidth,
                                std::int32_t screenHeight, Colour first, Colour second) {
    const bool downward = mode == 3 || mode == 4;
    const std::int32_t extent = downward ? h : w;
    const std::int32_t screen = downward ? screenHeight : screenWidth;
    std::int32_t step = 1, count = extent;
    if (extent > 0 && screen / extent < 4) {
        step = 2;
        count = extent / 2;
    }
    if (count < 2) return {{{0, 0, w, h}, first}};

    const std::vector<Colour> ramp = BuildColorRamp(first, second, count);
    std::vector<Band> bands;
    bands.reserve(static_cast<std::size_t>(count));
    const bool reversed = mode % 2 == 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const ButtonRect box =
            downward ? ButtonRect{0, i * step, w, (i + 1) * step} : ButtonRect{i * step, 0, (i + 1) * step, h};
        bands.push_back({box, ramp[static_cast<std::size_t>(reversed ? count - 1 - i : i)]});
    }
    return bands;
}

std::vector<Band> ShadedLines(Colour fill, std::int32_t w, std::int32_t h) {
    std::vector<Band> lines;
    for (std::int32_t i = 1; i <= h - 1; ++i)
        lines.push_back({{1, i, w - 1, i + 1}, ShadeColor(fill, RoundedQuotient(-25 * i, h), true)});
    return lines;
}
