#pragma once
#include "platform/round.h"

// Form lengths are twips (1/1440 inch); windows are placed in pixels.
constexpr int kTwipsPerInch = 1440;

constexpr double TwipsPerPixel(int dpi) { return double{kTwipsPerInch} / dpi; }

// The LOGFONT height of a font: minus its size in pixels, rounded half to
// even (a point is 20 twips).
inline int FontHeightPixels(double points, double twipsPerPixel) {
    return -static_cast<int>(RoundHalfEven(points * 20 / twipsPerPixel));
}

constexpr int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + (scaled >= 0 ? kTwipsPerInch / 2 : -kTwipsPerInch / 2)) / kTwipsPerInch);
}
