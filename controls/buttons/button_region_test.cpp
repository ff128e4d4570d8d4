#include "controls/buttons/button_region.h"

#include <gtest/gtest.h>

namespace {

TEST(SlantedButtonWidth, GrowsInStepsOfFiveUntilFivePixelsLieBesideTheSlant) {
    EXPECT_EQ(SlantedButtonWidth(22, 20), 27);  // 22 - 21 < 5; 27 - 21 = 6
    EXPECT_EQ(SlantedButtonWidth(26, 20), 26);
    EXPECT_EQ(SlantedButtonWidth(25, 20), 30);
    EXPECT_EQ(SlantedButtonWidth(3, 20), 28);
}

struct OutlineCase {
    int shape, w, h;
    Outline outline;
    int leftSlantX, rightSlantX;
};

TEST(PlanButtonRegion, SlantsMoveTheBottomLeftAndTopRightCorners) {
    const OutlineCase cases[] = {
        {0, 40, 20, {{0, 0}, {0, 21}, {41, 21}, {41, 0}}, 0, 40},
        {1, 27, 20, {{0, 0}, {21, 21}, {28, 21}, {28, 0}}, 21, 27},
        {2, 40, 20, {{0, 0}, {0, 21}, {41, 21}, {20, 0}}, 0, 19},
        {3, 40, 20, {{0, 0}, {21, 21}, {41, 21}, {20, 0}}, 21, 19},
        // A slant as wide as the button leaves no right limit; the width stands in.
        {2, 21, 20, {{0, 0}, {0, 21}, {22, 21}, {1, 0}}, 0, 21},
    };
    for (const OutlineCase& c : cases) {
        const RegionPlan plan = PlanButtonRegion(c.shape, 0, true, c.w, c.h);
        EXPECT_EQ(plan.outline, c.outline) << "ButtonShape " << c.shape;
        EXPECT_EQ(plan.LeftSlantX, c.leftSlantX) << "ButtonShape " << c.shape;
        EXPECT_EQ(plan.RightSlantX, c.rightSlantX) << "ButtonShape " << c.shape;
        EXPECT_FALSE(plan.ellipse);
    }
}

Outline Pixel(int x, int y) { return {{x, y}, {x + 1, y}, {x + 1, y + 1}, {x, y + 1}}; }

struct CutCase {
    int shape, style;
    bool enabled;
    std::vector<Outline> cuts;
};

// Styles 1, 2 and 3 on a rectangle, style 3 disabled, and the left-only and
// right-only cuts are read from the real window in
// XoButtonTest.WindowRegionsFollowShapeAndStyle.
TEST(PlanButtonRegion, StylesCutTheCornersThatAreStillSquare) {
    const int w = 40, h = 20;
    const Outline leftTop{{0, 0}, {2, 0}, {0, 2}}, leftBottom{{0, 20}, {3, 20}, {0, 17}};
    const Outline rightTop{{40, 0}, {38, 0}, {40, 2}}, rightBottom{{40, 20}, {37, 20}, {40, 17}};
    const CutCase cases[] = {
        {0, 0, true, {}},
        {0, 1, false, {Pixel(0, 0), Pixel(0, 19), Pixel(39, 19), Pixel(39, 0)}},
        {0, 7, false, {leftTop, leftBottom, rightTop, rightBottom}},
        {2, 3, true, {Pixel(0, 0), Pixel(0, 19)}},
        {1, 2, true, {rightTop, rightBottom}},
        {3, 1, true, {}},
        {3, 7, true, {}},
        {0, 4, true, {}},
        {1, 5, true, {}},
        {4, 7, true, {}},
    };
    for (const CutCase& c : cases) {
        EXPECT_EQ(PlanButtonRegion(c.shape, c.style, c.enabled, w, h).cuts, c.cuts)
            << "ButtonShape " << c.shape << ", ButtonStyle " << c.style << (c.enabled ? "" : ", disabled");
    }
}

struct EllipseCase {
    int shape, style;
    bool rim, clip;
};

TEST(PlanButtonRegion, EllipsesKeepARimAndAClipExceptInButtonStyle5) {
    const EllipseCase cases[] = {
        {4, 0, true, true}, {5, 7, true, true}, {6, 2, false, true}, {4, 5, false, false}, {6, 5, false, false},
    };
    for (const EllipseCase& c : cases) {
        const RegionPlan plan = PlanButtonRegion(c.shape, c.style, true, 60, 24);
        const auto where = testing::Message() << "ButtonShape " << c.shape << ", ButtonStyle " << c.style;
        ASSERT_TRUE(plan.ellipse) << where;
        EXPECT_EQ(*plan.ellipse, (ButtonRect{0, 0, 61, 25})) << where;
        EXPECT_TRUE(plan.outline.empty()) << where;
        EXPECT_EQ(plan.paintsRim, c.rim) << where;
        EXPECT_EQ(plan.clip.has_value(), c.clip) << where;
        if (c.clip) {
            EXPECT_EQ(*plan.clip, (ButtonRect{1, 1, 60, 24})) << where;
        }
        EXPECT_EQ(plan.LeftSlantX, 0) << where;
        EXPECT_EQ(plan.RightSlantX, 60) << where;
    }
}

}  // namespace
