#include "controls/buttons/look/button_region.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "controls/buttons/model/button_codes.h"
#include "controls/buttons/testing/test_text.h"

namespace {

// The one-pixel square at (x, y), as a cut.
Outline Px(std::int32_t x, std::int32_t y) { return {{x, y}, {x + 1, y}, {x + 1, y + 1}, {x, y + 1}}; }

std::string OutlineText(const Outline& outline) {
    std::string text;
    for (const Point& p : outline) text += PointText(p);
    return text;
}

std::string EllipseText(const std::optional<ButtonRect>& box) { return box ? RectText(*box) : "none"; }

struct RegionCase {
    const char* name;
    std::int32_t shape, style;
    bool enabled;
    std::int32_t w, h;
    Outline outline;
    std::vector<Outline> cuts;
    std::int32_t leftSlantX, rightSlantX;
    std::optional<ButtonRect> ellipse = std::nullopt, clip = std::nullopt;
    bool paintsRim = false;
};

// The same regions on real windows, read pixel by pixel: XoButtonTest.WindowRegionsFollowShapeAndStyle.
TEST(PlanButtonRegion, OutlinesCutsAndSlantsFollowShapeStyleAndEnabled) {
    // clang-format off
    const RegionCase cases[] = {
        {"rectangle, ButtonStyle 0: no cuts", kRectangle, 0, true, 60, 24,
         {{0, 0}, {0, 25}, {61, 25}, {61, 0}}, {}, 0, 60},
        {"ButtonStyle 1: corner pixels, left top and bottom, then right bottom and top", kRectangle, 1, true, 60, 24,
         {{0, 0}, {0, 25}, {61, 25}, {61, 0}}, {Px(0, 0), Px(0, 23), Px(59, 23), Px(59, 0)}, 0, 60},
        {"ButtonStyle 3 enabled: corner pixels", kRectangle, 3, true, 60, 24,
         {{0, 0}, {0, 25}, {61, 25}, {61, 0}}, {Px(0, 0), Px(0, 23), Px(59, 23), Px(59, 0)}, 0, 60},
        {"ButtonStyle 3 disabled: square", kRectangle, 3, false, 60, 24,
         {{0, 0}, {0, 25}, {61, 25}, {61, 0}}, {}, 0, 60},
        {"ButtonStyle 7: triangles with legs of 2 at the top and 3 at the bottom", kRectangle, 7, true, 60, 24,
         {{0, 0}, {0, 25}, {61, 25}, {61, 0}},
         {{{0, 0}, {2, 0}, {0, 2}}, {{0, 24}, {3, 24}, {0, 21}}, {{60, 0}, {58, 0}, {60, 2}}, {{60, 24}, {57, 24}, {60, 21}}},
         0, 60},
        {"left slant, ButtonStyle 1: the right corners only", kLeftSlant, 1, true, 60, 20,
         {{0, 0}, {21, 21}, {61, 21}, {61, 0}}, {Px(59, 19), Px(59, 0)}, 21, 60},
        {"right slant, ButtonStyle 2: the left corners only", kRightSlant, 2, true, 60, 24,
         {{0, 0}, {0, 25}, {61, 25}, {36, 0}}, {{{0, 0}, {2, 0}, {0, 2}}, {{0, 24}, {3, 24}, {0, 21}}}, 0, 35},
        {"both slants on 40 x 20: never rounded", kBothSlants, 1, true, 40, 20,
         {{0, 0}, {21, 21}, {41, 21}, {20, 0}}, {}, 21, 19},
        {"a right slant as wide as the button: RightSlantX falls back to the width", kRightSlant, 0, true, 21, 20,
         {{0, 0}, {0, 21}, {22, 21}, {1, 0}}, {}, 0, 21},
        {"ellipse: a rim and a clip inside it", kEllipse, 1, true, 60, 24, {}, {}, 0, 60,
         ButtonRect{0, 0, 61, 25}, ButtonRect{1, 1, 60, 24}, true},
        {"plain ellipse: the clip without the rim", kPlainEllipse, 0, true, 60, 24, {}, {}, 0, 60,
         ButtonRect{0, 0, 61, 25}, ButtonRect{1, 1, 60, 24}, false},
        {"ellipse, ButtonStyle 5: neither", kEllipse, 5, true, 60, 24, {}, {}, 0, 60, ButtonRect{0, 0, 61, 25}},
    };
    // clang-format on
    for (const RegionCase& c : cases) {
        const RegionPlan plan = PlanButtonRegion(c.shape, c.style, c.enabled, c.w, c.h);
        EXPECT_EQ(OutlineText(plan.outline), OutlineText(c.outline)) << c.name;
        ASSERT_EQ(plan.cuts.size(), c.cuts.size()) << c.name;
        for (std::size_t i = 0; i < c.cuts.size(); ++i)
            EXPECT_EQ(OutlineText(plan.cuts[i]), OutlineText(c.cuts[i])) << c.name << ", cut " << i;
        EXPECT_EQ(plan.LeftSlantX, c.leftSlantX) << c.name;
        EXPECT_EQ(plan.RightSlantX, c.rightSlantX) << c.name;
        EXPECT_EQ(EllipseText(plan.ellipse), EllipseText(c.ellipse)) << c.name;
        EXPECT_EQ(EllipseText(plan.clip), EllipseText(c.clip)) << c.name << ": clip";
        EXPECT_EQ(plan.paintsRim, c.paintsRim) << c.name;
    }
}

TEST(SlantedButtonWidth, GrowsInFivesUntilFivePixelsOfFaceLieBesideTheSlant) {
    const struct { std::int32_t w, h, expected; } cases[] = {{22, 20, 27}, {25, 20, 30}, {26, 20, 26}, {60, 20, 60}};
    for (const auto& c : cases) EXPECT_EQ(SlantedButtonWidth(c.w, c.h), c.expected) << c.w << " x " << c.h;
}

}  // namespace
