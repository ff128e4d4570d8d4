#include "controls/buttons/look/focus_mark.h"

#include <gtest/gtest.h>

namespace {

using Kind = FocusMark::Kind;

ButtonMembers Focused(int shape, int leftSlantX, int rightSlantX) {
    ButtonMembers m;
    m.StateFlags = kDefaultLook;
    m.ButtonShape = shape;
    m.LeftSlantX = leftSlantX;
    m.RightSlantX = rightSlantX;
    m.Caption = L"Go";
    m.CaptionRect = {40, 8, 60, 22};
    return m;
}

FocusMark Dotted(ButtonRect r) { return {Kind::Dotted, {}, r}; }

struct FocusCase {
    const char* name;
    ButtonMembers m;
    int w, h;
    bool solidFrame, aroundContent;
    FocusMark expected;
};

ButtonMembers With(ButtonMembers m, auto change) {
    change(m);
    return m;
}

// The plain rectangle's dotted and solid marks are drawn in
// DrawFocus.DrawsTheSolidFrameOrTheDottedRectangle.
TEST(PlanFocusMark, FollowsTheShapeAndWrapsTheContentWhenAsked) {
    // clang-format off
    const FocusCase cases[] = {
        {"no focus bit: nothing, whatever the shape",
         With(Focused(kBothSlants, 21, 19), [](ButtonMembers& m) { m.StateFlags = kPointerOver; }), 40, 20, true, true, {}},
        {"both slants", Focused(kBothSlants, 21, 19), 40, 20, false, false,
         {Kind::Line, {{19, 15}, {8, 4}, {18, 4}, {29, 15}, {20, 15}}, {}}},
        {"left slant only: the right side upright", Focused(kLeftSlant, 21, 40), 40, 20, false, false,
         {Kind::Line, {{19, 15}, {8, 4}, {35, 4}, {35, 15}, {20, 15}}, {}}},
        {"right slant only: the left side upright", Focused(kRightSlant, 0, 19), 40, 20, false, false,
         {Kind::Line, {{4, 15}, {4, 4}, {18, 4}, {29, 15}, {3, 15}}, {}}},
        {"around the caption", Focused(kRectangle, 0, 100), 100, 30, false, true, Dotted({38, 6, 62, 24})},
        {"around the caption, solid", Focused(kRectangle, 0, 100), 100, 30, true, true,
         {Kind::Line, {{38, 23}, {38, 6}, {61, 6}, {61, 23}, {38, 23}}, {}}},
        {"caption near the border", With(Focused(kRectangle, 0, 100), [](ButtonMembers& m) { m.CaptionRect = {4, 8, 60, 22}; }),
         100, 30, false, true, Dotted({3, 7, 61, 23})},
        {"pressed in", With(Focused(kRectangle, 0, 100), [](ButtonMembers& m) { m.StateFlags |= kPressedIn; }), 100, 30,
         false, true, Dotted({39, 7, 64, 26})},
        {"ellipse, checked", With(Focused(kEllipse, 0, 100), [](ButtonMembers& m) { m.Value = true; }), 100, 30, false,
         false, Dotted({38, 7, 62, 26})},
        {"no caption: the picture, kept off the border",
         With(Focused(kRectangle, 0, 100), [](ButtonMembers& m) {
             m.Caption.clear();
             m.CaptionRect = {};
             m.PictureRect = {80, 5, 100, 29};
         }),
         100, 30, false, true, Dotted({79, 4, 97, 27})},
    };
    // clang-format on
    for (const FocusCase& c : cases)
        EXPECT_EQ(PlanFocusMark(c.m, c.w, c.h, c.solidFrame, c.aroundContent), c.expected) << c.name;
}

}  // namespace
