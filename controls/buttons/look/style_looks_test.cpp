#include "controls/buttons/look/style_looks.h"

#include <gtest/gtest.h>

#include "controls/buttons/model/colour.h"

namespace {

// The colours every case starts from; the expected values below were worked
// out by hand from them.
constexpr Colour kBack = 0xA0B4C8, kHoverBack = 0xD0E8F8, kFore = 0x102030, kContainer = 0x607080;

using StyleChooser = StyleLook (*)(const ButtonMembers&, const LookContext&);
constexpr StyleChooser kChoosers[] = {ChooseStyle0Look, ChooseStyle1Look, ChooseStyle2Look, ChooseStyle3Look,
                                      ChooseStyle4Look, ChooseStyle5Look, ChooseStyle6Look, ChooseStyle7Look};

struct Button {
    ButtonMembers m;
    LookContext c;
};

Button MakeButton(int style, int shape = 0) {
    Button b;
    b.m.ButtonStyle = style;
    b.m.ButtonShape = shape;
    const FaceColors f = ComputeFaceColors(kBack, kHoverBack, style);
    b.m.FaceColor = f.FaceColor;
    b.m.PushedFaceColor = f.PushedFaceColor;
    b.m.HoverFaceColor = f.HoverFaceColor;
    b.m.CheckedFaceColor = f.CheckedFaceColor;
    b.m.ContainerBackColor = kContainer;
    b.m.ShowFocusRect = true;
    b.m.RightSlantX = 100;
    b.m.HoverForeColor = kFore;
    b.c.foreColor = b.c.resolvedForeColor = kFore;
    b.c.resolvedGradientColor = 0x2080F0;
    b.c.width = 100;
    b.c.height = 30;
    if (IsSlanted(shape)) b.m.LeftSlantX = 31;
    return b;
}

void Check(Button& b) {
    b.m.Mode = kCheckBox;
    b.m.Value = true;
}
void Disable(Button& b) { b.c.enabled = false; }
void PressIn(Button& b) {
    b.m.StateFlags = kPressedIn;
    b.m.Armed = true;
}

struct CaptionCase {
    const char* name;
    int style, shape;
    void (*set)(Button&);
    Colour face, text;
    bool pressed, singlePass;
    bool focusMark;
    Colour focus;
    bool solidFrame, aroundContent;
};

// Faces are drawn in StyleTest.EachStyleColoursItsRingsAndFaceInEveryState; these rows pin text and focus mark.
TEST(StyleLooks, GiveTheCaptionItsColoursAndTheFocusMarkItsKind) {
    // clang-format off
    const CaptionCase cases[] = {
        {"0 slanted", 0, kLeftSlant, [](Button&) {}, kBack, -1, false, false, true, 0x718598, false, false},
        {"1 checked", 1, kRectangle, Check, 0xE0E0DF, -1, true, true, true, 0x000000, true, false},
        {"2 no focus mark on a rectangle", 2, kRectangle, [](Button&) {}, 0xC9E5F8, 0x000000, false, true, false, 0,
         false, false},
        {"2 dotted mark on an ellipse", 2, 5, Check, 0xD6E0DF, 0x000000, true, true, true, 0x000000, false, false},
        {"2 disabled", 2, kRectangle, Disable, 0xB1CEE0, 0x526778, false, true, false, 0, false, false},
        {"3 plain", 3, kRectangle, [](Button&) {}, kBack, 0x808080, false, true, true, 0xCC9999, true, true},
        {"5 slanted", 5, kRightSlant, [](Button&) {}, kBack, -1, false, false, true, 0x405060, false, false},
        {"5 checked ellipse", 5, kPlainEllipse, Check, 0xE0E0DF, -1, true, true, true, 0x000000, true, false},
        {"7 plain", 7, kRectangle, [](Button&) {}, 0xC0D4E7, kFore, false, false, true, 0x000000, false, true},
        {"7 slanted", 7, kBothSlants, [](Button&) {}, 0xC0D4E7, kFore, false, false, true, 0x8195A7, false, true},
        {"7 pressed in", 7, kRectangle, PressIn, 0x717170, 0xC0D4E7, false, false, true, 0x000000, false, true},
        {"7 checked", 7, kRectangle, Check, 0x8B9190, 0xC0D4E7, true, true, true, 0x616160, true, true},
        {"7 disabled check box", 7, kRectangle, [](Button& b) { b.m.Mode = kCheckBox; Disable(b); }, 0xC0D4E7, 0x808080, false,
         true, true, 0x000000, false, true},
        {"7 disabled", 7, kRectangle, Disable, 0xC0D4E7, -1, false, false, true, 0x000000, false, true},
    };
    // clang-format on
    for (const CaptionCase& c : cases) {
        Button b = MakeButton(c.style, c.shape);
        c.set(b);
        const StyleLook look = kChoosers[c.style](b.m, b.c);
        EXPECT_EQ(look.face, c.face) << c.name;
        EXPECT_EQ(look.text, c.text) << c.name;
        EXPECT_EQ(look.captionPressed, c.pressed) << c.name;
        EXPECT_EQ(look.captionSinglePass, c.singlePass) << c.name;
        EXPECT_EQ(look.focusMark, c.focusMark) << c.name;
        if (c.focusMark) {
            EXPECT_EQ(look.focus, c.focus) << c.name;
            EXPECT_EQ(look.solidFrame, c.solidFrame) << c.name;
            EXPECT_EQ(look.aroundContent, c.aroundContent) << c.name;
        }
    }
}

TEST(StyleLooks, ButtonStyle7HoldsTheHoverTextColourOfACheckedButtonWhileTheCaptionIsDrawn) {
    Button b = MakeButton(7);
    Check(b);
    EXPECT_EQ(ChooseStyle7Look(b.m, b.c).hoverForeColor, std::optional<Colour>(0xC0D4E7));
    b.m.HoverForeColor = 0x0000FF;
    EXPECT_FALSE(ChooseStyle7Look(b.m, b.c).hoverForeColor) << "a hover colour of its own stays";
    b.m.HoverForeColor = kFore;
    b.m.Value = false;
    EXPECT_FALSE(ChooseStyle7Look(b.m, b.c).hoverForeColor) << "not checked";
}

}  // namespace
