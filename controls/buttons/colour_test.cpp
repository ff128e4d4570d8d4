#include "controls/buttons/colour.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct ShadeCase {
    Colour input;
    int amount;
    bool proportionalBlue;
    bool invert;
    Colour expected;
};

// The shades the styles and the disabled picture use are pinned pixel by
// pixel in StyleTest and DrawPicture; these are the clamps and roundings.
TEST(ShadeColor, MatchesTheReferenceValues) {
    const ShadeCase cases[] = {
        {0x000000, 16, false, false, 0x101010},
        {0xFFFFFF, 16, false, false, 0xFFFFFF},
        {0x102030, 0, false, true, 0xEFDFCF},
        // Blue grows in proportion to itself: none stays none.
        {0x00FF00, 40, true, false, 0x00FF28},
        // The proportional step truncates toward zero: 193 - 40.2 gives 153 (0x99).
        {0xC00000, -40, true, false, 0x990000},
    };
    for (const ShadeCase& c : cases) {
        std::int16_t amount = static_cast<std::int16_t>(c.amount);
        EXPECT_EQ(ShadeColor(c.input, amount, c.proportionalBlue, false, c.invert), c.expected)
            << std::hex << "input 0x" << c.input << std::dec << " amount " << c.amount;
        EXPECT_EQ(amount, c.amount) << "only the avoid-extremes retry changes the amount";
    }
}

TEST(ShadeColor, AvoidExtremesRetriesAndWritesTheAmountBack) {
    std::int16_t amount = 0;
    EXPECT_EQ(ShadeColor(0x000000, amount, false, true, false), 0x404040);
    EXPECT_EQ(amount, 64);

    amount = 10;
    EXPECT_EQ(ShadeColor(0xFFFFFF, amount, false, true, false), 0xF6F6F5);
    EXPECT_EQ(amount, -10);

    // Darkening black gives black, so the retry lightens instead.
    amount = -20;
    EXPECT_EQ(ShadeColor(0x000000, amount, false, true, false), 0x141414);
    EXPECT_EQ(amount, 20);

    amount = 10;
    EXPECT_EQ(ShadeColor(0x808080, amount, false, true, false), 0x8B8B8A);
    EXPECT_EQ(amount, 10);
}

TEST(ShadeColor, InvertMirrorsEveryClampedChannel) {
    std::int16_t amount = 40;
    EXPECT_EQ(ShadeColor(0xF0F0F0, amount, false, false, true), 0x000000);
    amount = -40;
    EXPECT_EQ(ShadeColor(0x101010, amount, false, false, true), 0xFFFFFF);
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
            for (int options = 0; options < 4; ++options) {
                std::int16_t amount = static_cast<std::int16_t>(a);
                try {
                    const Colour c = ShadeColor(grey, amount, options & 1, false, options & 2);
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
