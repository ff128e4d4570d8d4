#include "platform/twips.h"

#include <gtest/gtest.h>

namespace {

TEST(FontHeightPixels, IsTheNegatedPixelSizeRoundedHalfToEven) {
    EXPECT_EQ(FontHeightPixels(8.25, 15), -11);
    EXPECT_EQ(FontHeightPixels(8.625, 15), -12);  // 11.5
    EXPECT_EQ(FontHeightPixels(7.875, 15), -10);  // 10.5
    EXPECT_EQ(FontHeightPixels(12, 12), -20);     // 120 dots per inch
    EXPECT_EQ(FontHeightPixels(9.75, TwipsPerPixel(144)), -20);  // 19.5
    EXPECT_EQ(FontHeightPixels(8.25, TwipsPerPixel(144)), -16);  // 16.5: not 17
}

TEST(TwipsToPixels, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(TwipsToPixels(9300, 96), 620);
    EXPECT_EQ(TwipsToPixels(7, 96), 0);   // 0.47
    EXPECT_EQ(TwipsToPixels(8, 96), 1);   // 0.53
    EXPECT_EQ(TwipsToPixels(-8, 96), -1);
    EXPECT_EQ(TwipsToPixels(10, 144), 1);  // exactly 1
}

}  // namespace
