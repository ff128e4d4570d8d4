#include "controls/buttons/look/picture_fit.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    const char* name;
    PixelSize size, area, scaled, shrunk;
};

const Row kRows[] = {
    {"smaller than the area: only scaling grows it", {16, 16}, {64, 32}, {32, 32}, {16, 16}},
    {"the tighter side decides", {32, 32}, {88, 28}, {28, 28}, {28, 28}},
    {"proportions kept", {40, 20}, {20, 20}, {20, 10}, {20, 10}},
    {"halves round to even", {33, 10}, {100, 5}, {16, 5}, {16, 5}},
    // 13/6 in single precision is a little above the exact ratio: 3 x it is
    // just over 6.5, where double precision would give exactly 6.5 and 6.
    {"the ratio is single precision", {6, 3}, {13, 100}, {13, 7}, {6, 3}},
    {"no room", {16, 16}, {-4, 10}, {0, 0}, {0, 0}},
    {"no size", {0, 16}, {8, 8}, {0, 0}, {0, 0}},
};

TEST(PictureFit, ScalesToTheTighterSideAndShrinksOnly) {
    for (const Row& r : kRows) {
        const PixelSize scaled = ScaleToFit(r.size, r.area);
        EXPECT_EQ(scaled.width, r.scaled.width) << r.name << ": scaled width";
        EXPECT_EQ(scaled.height, r.scaled.height) << r.name << ": scaled height";
        const PixelSize shrunk = ShrinkToFit(r.size, r.area);
        EXPECT_EQ(shrunk.width, r.shrunk.width) << r.name << ": shrunk width";
        EXPECT_EQ(shrunk.height, r.shrunk.height) << r.name << ": shrunk height";
    }
}

}  // namespace
