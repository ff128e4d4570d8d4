#include "controls/buttons/face_colors.h"

#include <gtest/gtest.h>

namespace {

struct StyleCase {
    int style;
    FaceColors expected;
};

TEST(ComputeFaceColors, GivesTheReferenceColoursOfEveryStyle) {
    const Colour back = 0xC0C0C0;
    const Colour hover = 0x404080;
    const StyleCase cases[] = {
        {0, {back, back, hover, 0xE0E0DF}},
        {1, {back, back, hover, 0xE0E0DF}},
        {2, {0xF1F1F0, 0xCAD2D0, 0x5070B0, 0xD6E0DF}},
        {3, {back, 0x8D8D8C, hover, 0xADADAB}},
        {4, {back, back, hover, 0xE0E0DF}},
        {5, {back, back, hover, 0xE0E0DF}},
        {6, {back, back, hover, 0xE0E0DF}},
        {7, {0xE0E0DF, 0x717170, 0x5F5F9F, 0x8B9190}},
    };
    for (const StyleCase& c : cases) {
        const FaceColors got = ComputeFaceColors(back, hover, c.style);
        EXPECT_EQ(got.FaceColor, c.expected.FaceColor) << "ButtonStyle " << c.style;
        EXPECT_EQ(got.PushedFaceColor, c.expected.PushedFaceColor) << "ButtonStyle " << c.style;
        EXPECT_EQ(got.HoverFaceColor, c.expected.HoverFaceColor) << "ButtonStyle " << c.style;
        EXPECT_EQ(got.CheckedFaceColor, c.expected.CheckedFaceColor) << "ButtonStyle " << c.style;
    }
}

}  // namespace
