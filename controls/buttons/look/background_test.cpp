#include "controls/buttons/look/background.h"

#include <gtest/gtest.h>

namespace {

using Rim = BackgroundPlan::Rim;
using Fill = BackgroundPlan::Fill;

constexpr Colour kFace = 0xC0C0C0, kGradient = 0x2080F0, kHover = 0x80F0F0;

struct Case {
    const char* name;
    void (*set)(ButtonMembers&);
    bool enabled;
    BackgroundPlan expected;
};

// The same faces are read as pixels in StyleTest, gradients and rims in
// DrawBackground and EllipsesClipTheirDrawingInsideARimExceptButtonStyle5.
TEST(PlanBackground, ChoosesTheFillTheRimAndTheStartingLook) {
    // clang-format off
    const Case cases[] = {
        {"plain", [](ButtonMembers&) {}, true, {0, Rim::None, false, false, Fill::Solid, kFace, 0}},
        {"focus mark", [](ButtonMembers& m) { m.StateFlags = kDefaultLook; }, true,
         {1, Rim::None, false, false, Fill::Solid, kFace, 0}},
        {"hovering a command button", [](ButtonMembers& m) { m.Hovering = true; m.StateFlags = kPointerOver; }, true,
         {0, Rim::None, false, false, Fill::Solid, kHover, 0}},
        {"hovering a pressed command button", [](ButtonMembers& m) { m.Hovering = true; m.StateFlags = kPressedIn; },
         true, {2, Rim::None, false, false, Fill::Solid, kFace, 0}},
        {"gradient", [](ButtonMembers& m) { m.GradientMode = 3; }, true,
         {0, Rim::None, false, false, Fill::Gradient, kFace, kGradient}},
        {"hovering a gradient of the hover colour keeps it",
         [](ButtonMembers& m) { m.GradientMode = 1; m.Hovering = true; m.GradientColor = m.HoverBackColor = 0x123; }, true,
         {0, Rim::None, false, false, Fill::Gradient, kFace, kGradient}},
        {"hovering a gradient of another colour turns it solid",
         [](ButtonMembers& m) { m.GradientMode = 1; m.Hovering = true; m.GradientColor = 0x123; m.HoverBackColor = 0x456; },
         true, {0, Rim::None, false, false, Fill::Solid, kHover, 0}},
        {"ButtonStyle 2 shades in lines", [](ButtonMembers& m) { m.ButtonStyle = 2; }, true,
         {0, Rim::None, false, false, Fill::Lines, kFace, 0}},
        {"ButtonStyle 2 disabled command button is solid", [](ButtonMembers& m) { m.ButtonStyle = 2; }, false,
         {0, Rim::None, false, false, Fill::Solid, kFace, 0}},
        {"ButtonStyle 2 disabled check box keeps its lines",
         [](ButtonMembers& m) { m.ButtonStyle = 2; m.Mode = kCheckBox; }, false,
         {0, Rim::None, false, false, Fill::Lines, kFace, 0}},
        {"ellipse", [](ButtonMembers& m) { m.ButtonShape = kEllipse; }, true,
         {0, Rim::Shaded, false, false, Fill::Solid, kFace, 0}},
        {"plain ellipse", [](ButtonMembers& m) { m.ButtonShape = kPlainEllipse; }, true,
         {0, Rim::BlackOutline, false, false, Fill::Solid, kFace, 0}},
        {"ButtonStyle 5 ellipse at rest", [](ButtonMembers& m) { m.ButtonShape = kEllipse; m.ButtonStyle = 5; }, true,
         {0, Rim::Unclipped, false, false, Fill::Solid, kFace, 0}},
        {"ellipse pressed in", [](ButtonMembers& m) { m.ButtonShape = kEllipse; m.StateFlags = kPressedIn; }, true,
         {2, Rim::Shaded, false, true, Fill::Solid, kFace, 0}},
        {"hovering a checked check box",
         [](ButtonMembers& m) { m.Hovering = true; m.Mode = kCheckBox; m.Value = true; }, true,
         {0, Rim::None, false, false, Fill::Solid, kFace, 0}},
        {"hovering a pressed check box that is not checked",
         [](ButtonMembers& m) { m.Hovering = true; m.StateFlags = kPressedIn; m.Mode = kCheckBox; }, true,
         {2, Rim::None, false, false, Fill::Solid, kHover, 0}},
        {"gradient of a checked button is solid", [](ButtonMembers& m) { m.GradientMode = 3; m.Mode = kCheckBox; m.Value = true; },
         true, {0, Rim::None, false, false, Fill::Solid, kFace, 0}},
        {"pressed gradient with another hover colour",
         [](ButtonMembers& m) {
             m.GradientMode = 1; m.Hovering = true; m.StateFlags = kPressedIn; m.GradientColor = 0x123; m.HoverBackColor = 0x456;
         },
         true, {2, Rim::None, false, false, Fill::Gradient, kFace, kGradient}},
        {"ellipse checked", [](ButtonMembers& m) { m.ButtonShape = 5; m.Mode = kOptionButton; m.Value = true; }, true,
         {0, Rim::Shaded, false, true, Fill::Solid, kFace, 0}},
        {"ButtonStyle 5 ellipse hovered",
         [](ButtonMembers& m) { m.ButtonShape = kEllipse; m.ButtonStyle = 5; m.Hovering = true; }, true,
         {0, Rim::Shaded, true, false, Fill::Solid, kHover, 0}},
    };
    // clang-format on
    for (const Case& c : cases) {
        ButtonMembers m;
        c.set(m);
        EXPECT_EQ(PlanBackground(m, c.enabled, kFace, kGradient, kHover), c.expected) << c.name;
    }
}

TEST(PlanBackground, NegativeGradientAndHoverColoursStandForTheFace) {
    ButtonMembers m;
    m.GradientMode = 2;
    EXPECT_EQ(PlanBackground(m, true, kFace, -1, kHover).gradient, kFace);
    m.GradientMode = 0;
    m.Hovering = true;
    EXPECT_EQ(PlanBackground(m, true, kFace, kGradient, -1).colour, kFace);
}

}  // namespace
