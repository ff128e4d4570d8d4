#include "controls/buttons/look/gradient.h"

#include <gtest/gtest.h>

namespace {

// The ramp's colours and the two-pixel bands of a button over a quarter of
// the screen are drawn on real buttons in DrawBackground and
// PaintGradient.AButtonOverAQuarterOfTheScreenIsShadedInTwoPixelBands.
TEST(GradientBands, TwoPixelBandsLeaveTheLastRowOfAnOddExtentUnpainted) {
    EXPECT_EQ(GradientBands(3, 50, 401, 1024, 768, 0xFFFFFF, 0x000000).back().box.bottom, 400);
}

TEST(GradientBands, UpwardsPutsTheSecondColourAtTheTop) {
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
