#include "controls/buttons/look/gradient.h"

#include <gtest/gtest.h>

#include "controls/buttons/testing/test_text.h"

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

// Row i of h is shaded by -25 i / h rounded: halves to even, so heights of
// 20 and 30 give exact halves that round towards zero and away from it in turn.
// Drawn on a real button in StyleTest.EdgeCasesOfTheStyles.
TEST(ShadedLines, ShadeEachRowByItsShareOfTheHeightRoundingHalvesToEven) {
    constexpr Colour kFill = 0xBEDAEC;
    const struct {
        std::int32_t h, row, amount;
    } cases[] = {
        {20, 1, -1}, {20, 2, -2}, {20, 6, -8},   {20, 10, -12}, {20, 19, -24},
        {30, 3, -2}, {30, 9, -8}, {30, 15, -12}, {30, 29, -24}, {24, 23, -24},
    };
    for (const auto& c : cases) {
        const std::vector<Band> lines = ShadedLines(kFill, 100, c.h);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(c.h - 1)) << "rows 1 to h - 1";
        const Band& line = lines[static_cast<std::size_t>(c.row - 1)];
        EXPECT_EQ(RectText(line.box), RectText({1, c.row, 99, c.row + 1})) << "row " << c.row << " of " << c.h;
        EXPECT_EQ(ColourText(line.colour), ColourText(ShadeColor(kFill, c.amount, true)))
            << "row " << c.row << " of " << c.h;
    }
}

}  // namespace
