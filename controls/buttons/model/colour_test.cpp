#include "controls/buttons/model/colour.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct ShadeCase {
    Colour input;
    int amount;
    bool proportionalBlue;
    Colour expected;
};

// The shades the styles and the disabled picture use are pinned pixel by
// pixel in StyleTest and DrawPicture; these are the clamps and roundings.
// No caller asks for avoidExtremes or invert.
TEST(ShadeColor, MatchesTheReferenceValues) {
    const ShadeCase cases[] = {
        {0xFFFFFF, 16, false, 0xFFFFFF},
        // Blue grows in proportion to itself: none stays none.
        {0x00FF00, 40, true, 0x00FF28},
        // The proportional step truncates toward zero: 193 - 40.2 gives 153 (0x99).
        {0xC00000, -40, true, 0x990000},
    };
    for (const ShadeCase& c : cases) {
        EXPECT_EQ(ShadeColor(c.input, c.amount, c.proportionalBlue), c.expected)
            << std::hex << "input 0x" << c.input << std::dec << " amount " << c.amount;
    }
}

TEST(ShadeColor, AnIntermediateBeyondSixteenBitsIsAnError) {
    std::int16_t amount = 128;  // 128 x 256 no longer fits
    EXPECT_THROW(ShadeColor(0xFF0000, amount, true, false, false), std::overflow_error);
    amount = 32600;
    EXPECT_THROW(ShadeColor(0x0000FF, amount, false, false, false), std::overflow_error);
}

// Channels are shaded independently, so a grey of every level stands for
// every colour.
TEST(ShadeColor, StaysInSixteenBitsForEveryAmountTheControlUses) {
    int failures = 0;
    for (int level = 0; level <= 255; ++level) {
        const Colour grey = level * 0x010101;
        for (int a = -104; a <= 104; ++a) {
            for (bool proportionalBlue : {false, true}) {
                try {
                    const Colour c = ShadeColor(grey, a, proportionalBlue);
                    if (c < 0 || c > 0xFFFFFF) ++failures;
                } catch (const std::overflow_error&) {
                    ++failures;
                }
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

}  // namespace
