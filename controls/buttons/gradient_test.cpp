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

// Two-pixel bands on a button over a quarter of the screen are drawn on the
// real window in PaintGradient.AButtonOverAQuarterOfTheScreenIsShadedInTwoPixelBands.
TEST(GradientBands, TwoPixelBandsLeaveTheLastRowOfAnOddExtentUnpainted) {
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

}  // namespace
