#include "platform/twips.h"

#include <gtest/gtest.h>

namespace {

TEST(FontHeightPixels, IsTheNegatedPixelSizeRoundedHalfToEven) {
    EXPECT_EQ(FontHeightPixels(9.75, TwipsPerPixel(144)), -20);  // 19.5
    EXPECT_EQ(FontHeightPixels(8.25, TwipsPerPixel(144)), -16);  // 16.5: not 17
}

TEST(TwipsToPixels, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(TwipsToPixels(8, 96), 1);  // 0.53
    EXPECT_EQ(TwipsToPixels(-8, 96), -1);
    EXPECT_EQ(TwipsToPixels(10, 144), 1);  // exactly 1
}

}  // namespace
