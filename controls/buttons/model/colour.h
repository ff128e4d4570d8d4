#pragma once
#include <cstdint>

// A colour value: 0 or more is RGB laid out 0x00BBGGRR; a negative value
// names the system colour whose index is its low byte.
using Colour = std::int32_t;

constexpr Colour kButtonFace = static_cast<Colour>(0x8000000F);
constexpr Colour kButtonText = static_cast<Colour>(0x80000012);

// The fixed colours the renderers and the background draw with by name.
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kGrey = 0x808080;

constexpr bool IsSysColor(Colour c) { return c < 0; }
constexpr int SysColorIndex(Colour c) { return c & 0xFF; }

// Shades an RGB colour by amount. Green and blue are scaled by 256/255 before
// the amount is added, which is part of the look of every style, so the
// arithmetic is kept exact. With avoidExtremes a black or white result is
// retried with the amount negated (64 when that is 0), and the caller's
// amount is updated. Throws std::overflow_error when an intermediate leaves
// the 16-bit signed range, as the callers' amounts never make it do.
Colour ShadeColor(Colour colour, std::int16_t& amount, bool proportionalBlue = false, bool avoidExtremes = false,
                  bool invert = false);

// The same with an amount the caller does not keep.
inline Colour ShadeColor(Colour colour, int amount, bool proportionalBlue = false) {
    auto a = static_cast<std::int16_t>(amount);
    return ShadeColor(colour, a, proportionalBlue);
}

// The four face colours a button draws with, always RGB.
struct FaceColors {
    Colour FaceColor = 0;
    Colour PushedFaceColor = 0;
    Colour HoverFaceColor = 0;
    Colour CheckedFaceColor = 0;
};

// Derives the face colours of a ButtonStyle from the resolved BackColor and
// HoverBackColor.
FaceColors ComputeFaceColors(Colour backColor, Colour hoverBackColor, int buttonStyle);
