#include "controls/buttons/model/colour.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "platform/round.h"

namespace {

std::int16_t Checked16(double value) {
    if (value < -32768.0 || value > 32767.0) throw std::overflow_error("colour shade overflows 16 bits");
    return static_cast<std::int16_t>(value);
}

int ClampChannel(int channel, bool invert) {
    if (channel > 255) channel = 255;
    if (channel < 0) channel = 0;
    return invert ? std::abs(255 - channel) : channel;
}

}  // namespace

Colour ShadeColor(Colour colour, std::int16_t& amount, bool proportionalBlue, bool avoidExtremes, bool invert) {
    for (;;) {
        const int a = amount;
        const int red = Checked16(double(colour & 0xFF) + a);
        const int green = Checked16(RoundHalfEven((colour & 0xFF00) / 255.0 + a));
        int blue = 0;
        if (proportionalBlue) {
            const int base = Checked16(RoundHalfEven((colour & 0xFF0000) / 65280.0));
            const int product = Checked16(double(a) * base);
            blue = Checked16(double(base) + product / 192);
        } else {
            blue = Checked16(RoundHalfEven((colour & 0xFF0000) / 65280.0 + a));
        }
        const Colour result =
            ClampChannel(red, invert) + ClampChannel(green, invert) * 256 + ClampChannel(blue, invert) * 65536;
        if (!avoidExtremes || (result != 0x000000 && result != 0xFFFFFF)) return result;
        amount = Checked16(-a);
        if (amount == 0) amount = 64;
    }
}

FaceColors ComputeFaceColors(Colour backColor, Colour hoverBackColor, int buttonStyle) {
    FaceColors c{backColor, backColor, hoverBackColor, 0};
    switch (buttonStyle) {
    case 7:
        c.FaceColor = ShadeColor(c.FaceColor, 31);
        c.PushedFaceColor = ShadeColor(0x808080, -16);
        c.HoverFaceColor = ShadeColor(c.HoverFaceColor, 31);
        c.CheckedFaceColor = ShadeColor(0x808080, 16, true);
        break;
    case 2:
        // The pushed face darkens the already lightened face.
        c.FaceColor = ShadeColor(c.FaceColor, 48, true);
        c.HoverFaceColor = ShadeColor(c.HoverFaceColor, 48, true);
        c.PushedFaceColor = ShadeColor(c.FaceColor, -32, true);
        c.CheckedFaceColor = ShadeColor(0xFFFFFF, -32, true);
        break;
    case 3:
        c.PushedFaceColor = ShadeColor(0x808080, 12);
        c.CheckedFaceColor = ShadeColor(c.PushedFaceColor, 31);
        break;
    default:
        c.CheckedFaceColor = ShadeColor(0xFFFFFF, -32);
        break;
    }
    return c;
}
