#include "controls/buttons/look/style_looks.h"

#include <gtest/gtest.h>

#include <array>

#include "controls/buttons/model/colour.h"
#include "controls/buttons/testing/test_text.h"

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

void Focus(Button& b) { b.m.StateFlags = kDefaultLook; }
void Hot(Button& b) {
    b.m.StateFlags = kPointerOver;
    b.m.Hovering = true;
}
void ArmCheckBox(Button& b) {
    b.m.Mode = kCheckBox;
    PressIn(b);
}
void Design(Button& b) { b.c.designMode = true; }

using Rings = std::array<Colour, 12>;
constexpr Colour N = kNoLine, W = kWhite, B = kBlack, G = kGrey;
constexpr Colour kLightGrey = 0xE9E9E9, kEtched = 0x676766, kSoftLight = 0xE8E8E7, kFrame = 0x733C00;

struct RingCase {
    const char* name;
    int style, shape;
    void (*set)(Button&);
    std::optional<Rings> rings;  // none: no edge lines
    int outerPenStyle = kOuterPenSolid;
    bool dottedEllipse = false;
};

// The same rings as pixels of real buttons: StyleTest.EachStyleColoursItsRingsAndFaceInEveryState.
TEST(StyleLooks, ColourTheEdgeRingsByStyleAndState) {
    // clang-format off
    const RingCase cases[] = {
        {"0 normal", 0, kRectangle, [](Button&) {}, Rings{N, N, N, N, kLightGrey, kLightGrey, G, G, W, W, B, B}},
        {"0 focused", 0, kRectangle, Focus, Rings{kLightGrey, kLightGrey, G, G, W, W, B, B, B, B, B, B}},
        {"0 pressed in", 0, kRectangle, PressIn, Rings{N, N, N, N, N, N, G, G, W, W, B, B}},
        {"0 checked", 0, kRectangle, Check, Rings{N, N, N, N, N, N, kLightGrey, kLightGrey, B, B, W, W}},
        {"1 normal", 1, kRectangle, [](Button&) {}, Rings{W, W, G, G, W, W, G, G, B, B, B, B}},
        {"1 pressed in", 1, kRectangle, PressIn, Rings{G, G, W, W, G, G, W, W, B, B, B, B}},
        {"1 ellipse", 1, kEllipse, [](Button&) {}, std::nullopt},
        {"2 normal", 2, kRectangle, [](Button&) {},
         Rings{0xC0DCEE, 0xD4F0FF, 0xB1CEE0, 0xA9C6D8, 0xC5E1F3, 0xDAF6FF, 0xA5C2D4, 0x98B6C8, kFrame, kFrame, kFrame, kFrame}},
        {"2 focused", 2, kRectangle, Focus,
         Rings{0xF0D1B5, 0xF7D7BD, 0xF0D1B5, 0xE7AE8C, 0xE7AE8C, 0xFFDFBF, 0xE7AE8C, 0xEF826B, kFrame, kFrame, kFrame, kFrame}},
        {"2 focused without ShowFocusRect", 2, kRectangle, [](Button& b) { Focus(b); b.m.ShowFocusRect = false; },
         Rings{0xC0DCEE, 0xD4F0FF, 0xB1CEE0, 0xA9C6D8, 0xC5E1F3, 0xDAF6FF, 0xA5C2D4, 0x98B6C8, kFrame, kFrame, kFrame, kFrame}},
        {"2 pressed in", 2, kRectangle, PressIn,
         Rings{0xB3D0E2, 0xB1CEE0, 0xC9E5F8, 0xD4F0FF, 0xA9C6D8, 0xA9C6D8, 0xCFEBFD, 0xDAF6FF, kFrame, kFrame, kFrame, kFrame}},
        {"2 hot", 2, kRectangle, Hot,
         Rings{0x6BCBFF, 0x8CDBFF, 0x6BCBFF, 0x31B2FF, 0x31B2FF, 0xA6E9FF, 0x31B2FF, 0x0096E7, kFrame, kFrame, kFrame, kFrame}},
        {"2 checked", 2, kRectangle, Check,
         Rings{0xBFCBC9, 0xBDC9C7, 0xD6E0DF, 0xE2EBE9, 0xB4C1BF, 0xB4C1BF, 0xDCE6E4, 0xE8F1EF, kFrame, kFrame, kFrame, kFrame}},
        {"2 checked and focused", 2, kRectangle, [](Button& b) { Check(b); Focus(b); },
         Rings{0xF0D1B5, 0xF7D7BD, 0xF0D1B5, 0xE7AE8C, 0xE7AE8C, 0xFFDFBF, 0xE7AE8C, 0xEF826B, kFrame, kFrame, kFrame, kFrame}},
        {"2 disabled", 2, kRectangle, Disable, Rings{N, N, N, N, N, N, N, N, 0x7292A4, 0x7292A4, 0x7292A4, 0x7292A4}},
        {"3 normal", 3, kRectangle, [](Button&) {}, Rings{N, N, N, N, W, W, kEtched, kEtched, kEtched, kEtched, W, W}},
        {"3 pressed in", 3, kRectangle, PressIn,
         Rings{N, N, N, N, 0x8D8D8C, 0x8D8D8C, kEtched, kEtched, kEtched, kEtched, W, W}},
        {"3 check box", 3, kRectangle, [](Button& b) { b.m.Mode = kCheckBox; },
         Rings{N, N, N, N, W, W, kEtched, kEtched, kEtched, kEtched, W, W}},
        {"3 check box held down, not yet checked", 3, kRectangle, ArmCheckBox,
         Rings{N, N, N, N, kBack, kBack, kEtched, kEtched, kEtched, kEtched, W, W}},
        {"3 checked", 3, kRectangle, Check, Rings{N, N, N, N, 0xADADAB, 0xADADAB, kEtched, kEtched, kEtched, kEtched, W, W}},
        {"3 disabled", 3, kRectangle, Disable,
         Rings{kBack, kBack, kBack, kBack, kBack, kBack, kBack, kBack, kEtched, kEtched, kEtched, kEtched}},
        {"3 disabled check box", 3, kRectangle, [](Button& b) { b.m.Mode = kCheckBox; Disable(b); },
         Rings{N, N, N, N, W, W, kEtched, kEtched, kEtched, kEtched, W, W}},
        {"4 normal", 4, kRectangle, [](Button&) {}, Rings{N, N, N, N, N, N, N, N, W, W, G, G}},
        {"4 checked", 4, kRectangle, Check, Rings{N, N, N, N, N, N, N, N, G, G, W, W}},
        {"5 at rest", 5, kRectangle, [](Button&) {}, Rings{N, N, N, N, N, N, N, N, N, N, N, N}, kSolidPen},
        {"5 at rest in the designer", 5, kRectangle, Design,
         Rings{N, N, N, N, N, N, N, N, 0x203040, 0x203040, 0x203040, 0x203040}, kDottedPen},
        {"5 in the designer on black", 5, kRectangle, [](Button& b) { Design(b); b.m.ContainerBackColor = kBlack; },
         Rings{N, N, N, N, N, N, N, N, W, W, W, W}, kDottedPen},
        {"5 hot", 5, kRectangle, Hot, Rings{N, N, N, N, N, N, N, N, W, W, G, G}, kSolidPen},
        {"5 checked", 5, kRectangle, Check, Rings{N, N, N, N, N, N, N, N, G, G, W, W}, kSolidPen},
        {"5 ellipse in the designer", 5, kEllipse, Design, std::nullopt, kOuterPenSolid, true},
        {"6 normal", 6, kRectangle, [](Button&) {}, Rings{N, N, N, N, kSoftLight, kSoftLight, G, G, kSoftLight, kSoftLight, G, G}},
        {"6 focused: the bevel stays", 6, kRectangle, Focus,
         Rings{N, N, N, N, kSoftLight, kSoftLight, G, G, kSoftLight, kSoftLight, G, G}},
        {"6 pressed in", 6, kRectangle, PressIn, Rings{N, N, N, N, G, G, kSoftLight, kSoftLight, G, G, kSoftLight, kSoftLight}},
        {"7 normal", 7, kRectangle, [](Button&) {},
         Rings{W, W, 0xC0D4E7, 0xC0D4E7, 0xE0F4FF, 0xE0F4FF, 0x8195A7, 0x8195A7, B, B, B, B}},
        {"7 pressed in", 7, kRectangle, PressIn,
         Rings{0x616160, 0x616160, G, G, 0x414140, 0x414140, 0x717170, 0x717170, B, B, B, B}},
        {"7 pressed in with a gradient: shades of FaceColor", 7, kRectangle, [](Button& b) { PressIn(b); b.m.GradientMode = 3; },
         Rings{0xA1B5C7, 0xA1B5C7, 0xC0D4E7, 0xC0D4E7, 0x8195A7, 0x8195A7, 0xB1C5D7, 0xB1C5D7, B, B, B, B}},
        {"7 check box held down, not yet checked", 7, kRectangle, ArmCheckBox,
         Rings{W, W, 0xC0D4E7, 0xC0D4E7, 0xE0F4FF, 0xE0F4FF, 0x8195A7, 0x8195A7, B, B, B, B}},
        {"7 checked", 7, kRectangle, Check,
         Rings{0x616160, 0x616160, G, G, 0x414140, 0x414140, 0x717170, 0x717170, B, B, B, B}},
    };
    // clang-format on
    for (const RingCase& c : cases) {
        Button b = MakeButton(c.style, c.shape);
        c.set(b);
        const StyleLook look = kChoosers[c.style](b.m, b.c);
        ASSERT_EQ(look.edges.has_value(), c.rings.has_value()) << c.name;
        if (c.rings) {
            for (int slot = 1; slot <= 12; ++slot)
                EXPECT_EQ(ColourText((*look.edges)[slot]), ColourText((*c.rings)[slot - 1]))
                    << c.name << ", slot " << slot;
        }
        EXPECT_EQ(look.outerPenStyle, c.outerPenStyle) << c.name;
        EXPECT_EQ(look.dottedEllipse, c.dottedEllipse) << c.name;
    }
}

// The face is read as pixels in StyleTest; the gradient's second colour
// only shows there as a band.
TEST(StyleLooks, ChooseTheFaceAndTheGradientsSecondColour) {
    const auto gradient = [](Button& b) { b.m.GradientMode = 3; };
    // clang-format off
    const struct {
        const char* name;
        int style;
        void (*set)(Button&);
        Colour face, gradient;
    } cases[] = {
        {"0 takes the gradient colour as it is", 0, gradient, kBack, 0x2080F0},
        {"2 without a gradient: the face", 2, [](Button&) {}, 0xC9E5F8, 0xC9E5F8},
        {"2 pressed in: the pushed face", 2, PressIn, 0xA9C6D8, 0xA9C6D8},
        {"2 with a gradient: lightened by 48", 2, gradient, 0xC9E5F8, 0x28B1FF},
        {"2 pressed in with a gradient keeps its face", 2, [](Button& b) { PressIn(b); b.m.GradientMode = 3; },
         0xC9E5F8, 0x28B1FF},
        {"7 without a gradient: the face", 7, [](Button&) {}, 0xC0D4E7, 0xC0D4E7},
        {"7 with a gradient: lightened by 31", 7, gradient, 0xC0D4E7, 0x3FA0FF},
        {"7 pressed in with a gradient keeps FaceColor", 7, [](Button& b) { PressIn(b); b.m.GradientMode = 3; },
         0xC0D4E7, 0x3FA0FF},
    };
    // clang-format on
    for (const auto& c : cases) {
        Button b = MakeButton(c.style);
        c.set(b);
        const StyleLook look = kChoosers[c.style](b.m, b.c);
        EXPECT_EQ(ColourText(look.face), ColourText(c.face)) << c.name;
        EXPECT_EQ(ColourText(look.gradient), ColourText(c.gradient)) << c.name;
    }
}

struct CornerCase {
    const char* name;
    int style, shape;
    std::int32_t leftSlantX, rightSlantX;
    std::vector<CornerPixel> expected;
};

// Drawn on real rectangles in StyleTest.EdgeCasesOfTheStyles.
TEST(StyleLooks, ButtonStyles2And7RoundOnlyTheCornersASlantLeftSquare) {
    // clang-format off
    const CornerCase cases[] = {
        {"2 rectangle", 2, kRectangle, 0, 100,
         {{{1, 1}, kFrame}, {{1, 28}, kFrame}, {{98, 28}, kFrame}, {{98, 1}, kFrame}}},
        {"2 left slant", 2, kLeftSlant, 31, 100, {{{98, 28}, kFrame}, {{98, 1}, kFrame}}},
        {"2 right slant", 2, kRightSlant, 0, 69, {{{1, 1}, kFrame}, {{1, 28}, kFrame}}},
        {"7 right slant", 7, kRightSlant, 0, 69,
         {{{3, 3}, W}, {{1, 27}, 0xC0D4E7}, {{2, 2}, 0xE0F4FF}, {{1, 28}, B}, {{1, 1}, B}}},
        {"7 left slant", 7, kLeftSlant, 31, 100,
         {{{96, 26}, 0xC0D4E7}, {{97, 1}, 0xC0D4E7}, {{97, 27}, 0x8195A7}, {{98, 28}, B}, {{98, 1}, B}}},
        {"7 both slants", 7, kBothSlants, 31, 69, {}},
    };
    // clang-format on
    for (const CornerCase& c : cases) {
        Button b = MakeButton(c.style, c.shape);
        b.m.LeftSlantX = c.leftSlantX;
        b.m.RightSlantX = c.rightSlantX;
        EXPECT_EQ(kChoosers[c.style](b.m, b.c).corners, c.expected) << c.name;
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
