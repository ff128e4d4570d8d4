#include "controls/buttons/gradient.h"

#include <gtest/gtest.h>

namespace {

TEST(BuildColorRamp, StepsInSinglePrecisionWithTheShadingDivisors) {
    EXPECT_EQ(BuildColorRamp(0xFFFFFF, 0x808080, 10),
              (std::vector<Colour>{0xFFFFFF, 0xF1F1F0, 0xE3E3E2, 0xD5D5D4, 0xC7C7C6, 0xB9B9B8, 0xABABAA, 0x9D9D9C,
                                   0x8F8F8E, 0x80807F}));
    // Green and blue end at 256 and are clamped; red ends at 255 in halves.
    EXPECT_EQ(BuildColorRamp(0x000000, 0xFFFFFF, 3), (std::vector<Colour>{0x000000, 0x80807F, 0xFFFFFF}));
    EXPECT_EQ(BuildColorRamp(0x123456, 0xFFFFFF, 1), (std::vector<Colour>{0x123456}));
}

TEST(GradientBands, AButtonOverAQuarterOfTheScreenGetsTwoPixelBands) {
    const auto bands = GradientBands(3, 50, 400, 1024, 768, 0xFFFFFF, 0x000000);
    ASSERT_EQ(bands.size(), 200u);
    EXPECT_EQ(bands[0], (Band{{0, 0, 50, 2}, 0xFFFFFF}));
    EXPECT_EQ(bands[199].box, (ButtonRect{0, 398, 50, 400}));
    // On a taller screen the same button is shaded row by row.
    EXPECT_EQ(GradientBands(3, 50, 400, 1024, 1600, 0xFFFFFF, 0x000000).size(), 400u);
    // An odd extent leaves its last row unpainted.
    EXPECT_EQ(GradientBands(3, 50, 401, 1024, 768, 0xFFFFFF, 0x000000).back().box.bottom, 400);
}

TEST(GradientBands, EvenModesPutTheSecondColourFirst) {
    const auto across = GradientBands(2, 10, 30, 1024, 768, 0xFFFFFF, 0x808080);
    EXPECT_EQ(across.front(), (Band{{0, 0, 1, 30}, 0x80807F}));
    EXPECT_EQ(across.back(), (Band{{9, 0, 10, 30}, 0xFFFFFF}));
    const auto up = GradientBands(4, 30, 10, 1024, 768, 0xFFFFFF, 0x808080);
    EXPECT_EQ(up.front(), (Band{{0, 0, 30, 1}, 0x80807F}));
    EXPECT_EQ(up.back(), (Band{{0, 9, 30, 10}, 0xFFFFFF}));
}

TEST(GradientBands, AFaceTooSmallForTwoBandsIsFilledWithTheFirstColour) {
    const Band whole{{0, 0, 1, 30}, 0x112233};
    EXPECT_EQ(GradientBands(1, 1, 30, 1024, 768, 0x112233, 0x445566), std::vector<Band>{whole});
    // Three rows on a screen of ten: two-pixel bands, only one of them.
    EXPECT_EQ(GradientBands(3, 40, 3, 1024, 10, 0x112233, 0x445566), (std::vector<Band>{{{0, 0, 40, 3}, 0x112233}}));
    EXPECT_EQ(GradientBands(4, 40, 0, 1024, 768, 0x112233, 0x445566), (std::vector<Band>{{{0, 0, 40, 0}, 0x112233}}));
}

TEST(ShadedLines, DarkenEachRowByItsShareOfTwentyFive) {
    const auto lines = ShadedLines(0xC0C0C0, 50, 24);
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines.front(), (Band{{1, 1, 49, 2}, 0xC0C0BF}));   // -1
    EXPECT_EQ(lines[11], (Band{{1, 12, 49, 13}, 0xB5B5B4}));     // -12.5 rounds to even
    EXPECT_EQ(lines.back(), (Band{{1, 23, 49, 24}, 0xA9A9A8}));  // round(-25 * 23 / 24) = -24
}

}  // namespace
