#include "controls/buttons/window_object.h"

#include <gtest/gtest.h>

namespace {

TEST(FontHeightPixels, IsTheNegatedPixelSizeRoundedHalfToEven) {
    EXPECT_EQ(FontHeightPixels(8.25, 15), -11);
    EXPECT_EQ(FontHeightPixels(8.625, 15), -12);  // 11.5
    EXPECT_EQ(FontHeightPixels(7.875, 15), -10);  // 10.5
    EXPECT_EQ(FontHeightPixels(12, 12), -20);     // 120 dots per inch
}

}  // namespace
