#include "window_object.h"

#include <gtest/gtest.h>

namespace {

TEST(FontHeightPixels, IsTheNegatedPixelSizeRoundedHalfToEven) {
    EXPECT_EQ(FontHeightPixels(8.25, 15), -11);
    EXPECT_EQ(FontHeightPixels(8.625, 15), -12);  // 11.5
    EXPECT_EQ(FontHeightPixels(7.875, 15), -10);  // 10.5
    EXPECT_EQ(FontHeightPixels(12, 12), -20);     // 120 dots per inch
}

TEST(FontValue, BoldIsTheWeightSeenAsAFlag) {
    FontValue font;
    EXPECT_FALSE(font.Bold());
    font.SetBold(true);
    EXPECT_EQ(font.Weight, 700);
    font.Weight = 600;
    EXPECT_TRUE(font.Bold());
    font.SetBold(false);
    EXPECT_EQ(font.Weight, 400);
}

TEST(WindowObject, MouseIconRefusesBitmapsAndKeepsWhatItHad) {
    WindowObject window;
    const PictureValue cursor{PictureKind::Cursor, PictureOrigin::File, L"a.cur"};
    EXPECT_FALSE(window.AssignMouseIcon(cursor));
    EXPECT_EQ(window.AssignMouseIcon(PictureValue{PictureKind::Bitmap, PictureOrigin::File, L"a.bmp"}),
              L"Invalid picture");
    EXPECT_EQ(window.MouseIcon, cursor);
    EXPECT_FALSE(window.AssignMouseIcon(std::nullopt));
    EXPECT_FALSE(window.MouseIcon);
}

}  // namespace
