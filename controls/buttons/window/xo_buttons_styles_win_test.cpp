// The style renderers and the gradient bands as the real button draws them.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "controls/buttons/look/focus_mark.h"
#include "controls/buttons/testing/recording_button.h"
#include "controls/buttons/testing/test_button_form_win.h"
#include "controls/buttons/testing/test_surface_win.h"
#include "controls/buttons/window/button_site_win.h"
#include "controls/buttons/window/xo_buttons_win.h"

namespace {

// Every button here is 100 x 30 with the caption "Go", BackColor kBack and
// HoverBackColor 0xD0E8F8; the expected colours were worked out by hand
// from those. The points stay clear of the middle, where the caption is.
constexpr Colour kBack = 0xA0B4C8, kHoverBack = 0xD0E8F8;
constexpr Colour kLightGrey = 0xE9E9E9;
constexpr Colour kChecked = 0xE0E0DF;  // CheckedFaceColor of ButtonStyle 0, 1, 4, 5, 6
constexpr Colour kEtched = 0x676766, kSoftLight = 0xE8E8E7, kFrame = 0x733C00;
constexpr int kWidth = 100, kHeight = 30;

// Left, top, right and bottom of the inner, middle and outer ring, and a
// point of the face.
constexpr Point kRingPoints[3][4] = {{{2, 15}, {50, 2}, {97, 15}, {50, 27}},
                                     {{1, 15}, {50, 1}, {98, 15}, {50, 28}},
                                     {{0, 15}, {50, 0}, {99, 15}, {50, 29}}};
constexpr Point kFacePoint{12, 14};
const char* const kRingNames[3] = {"inner", "middle", "outer"};
const char* const kSideNames[4] = {"left", "top", "right", "bottom"};

enum State {
    kNormal,
    kFocus,
    kPressed,
    kHot,
    kCheckedCheckBox,
    kCheckedOptionButton,
    kDisabled,
    kDisabledCheckedCheckBox,
    kArmedCheckBox,
};
const char* const kStateNames[] = {"normal",
                                   "focus mark shown",
                                   "pressed in",
                                   "hot",
                                   "checked check box",
                                   "checked option button",
                                   "disabled command button",
                                   "disabled checked check box",
                                   "check box held down, not yet checked"};

void Hold(xoButtons_H& button, State state) {
    switch (state) {
    case kNormal:
        break;
    case kFocus:
        button.Model().ShowInteractionState({kDefaultLook, false, false});
        break;
    case kPressed:
        button.Model().ShowInteractionState({kPressedIn, true, true});
        break;
    case kHot:
        button.Model().ShowInteractionState({kPointerOver, true, false});
        break;
    case kCheckedCheckBox:
    case kDisabledCheckedCheckBox:
        button.Model().SetMode(kCheckBox);
        button.Model().SetValue(true);
        break;
    case kCheckedOptionButton:
        button.Model().SetMode(kOptionButton);
        button.Model().SetValue(true);
        break;
    case kDisabled:
        break;
    case kArmedCheckBox:
        button.Model().SetMode(kCheckBox);
        button.Model().ShowInteractionState({kPressedIn, true, true});
        break;
    }
    if (state == kDisabled || state == kDisabledCheckedCheckBox) button.Model().SetEnabled(false);
}

class StyleTest : public ::testing::Test {
protected:
    std::unique_ptr<xoButtons_H> Button(int style, int shape = 0) {
        auto button = CreateXoButton(form.hwnd(), 8, {0, 0, kWidth, kHeight}, site, nullptr);
        button->SetScreenSize(SIZE{1024, 768});
        button->Model().SetCaption(L"Go");
        button->Model().SetBackColor(kBack);
        button->Model().SetHoverBackColor(kHoverBack);
        button->Model().SetButtonStyle(style);
        button->Model().SetButtonShape(shape);
        return button;
    }
    static TestSurface Image(const xoButtons_H& button) {
        return TestSurface(button.CurrentObjects().BufferDC, kWidth, kHeight);
    }

    TestForm form;
    ButtonSite site{form.hwnd(), L"cmdStyle"};
};

struct StyleRow {
    int style;
    State state;
    Colour rings[3][4];
    Colour face;
};

// One row for each look a style's code tells apart: a checked option button
// looks like a checked check box, most styles keep their rings when focused,
// hot or disabled and show the hover face then; those repeats are left out
// except where a style draws them differently.
TEST_F(StyleTest, EachStyleColoursItsRingsAndFaceInEveryState) {
    // clang-format off
    const StyleRow rows[] = {
        {0, kNormal, {{kBack, kBack, kBack, kBack}, {kLightGrey, kLightGrey, kGrey, kGrey},
                  {kWhite, kWhite, kBlack, kBlack}}, kBack},
        {0, kFocus, {{kLightGrey, kLightGrey, kGrey, kGrey}, {kWhite, kWhite, kBlack, kBlack},
                  {kBlack, kBlack, kBlack, kBlack}}, kBack},
        {0, kPressed, {{kBack, kBack, kBack, kBack}, {kBack, kBack, kGrey, kGrey},
                  {kWhite, kWhite, kBlack, kBlack}}, kBack},
        {0, kHot, {{kHoverBack, kHoverBack, kHoverBack, kHoverBack}, {kLightGrey, kLightGrey, kGrey, kGrey},
                  {kWhite, kWhite, kBlack, kBlack}}, kHoverBack},
        {0, kCheckedCheckBox, {{kChecked, kChecked, kChecked, kChecked}, {kChecked, kChecked, kLightGrey, kLightGrey},
                  {kBlack, kBlack, kWhite, kWhite}}, kChecked},
        {1, kNormal, {{kWhite, kWhite, kGrey, kGrey}, {kWhite, kWhite, kGrey, kGrey},
                  {kBlack, kBlack, kBlack, kBlack}}, kBack},
        {1, kPressed, {{kGrey, kGrey, kWhite, kWhite}, {kGrey, kGrey, kWhite, kWhite},
                  {kBlack, kBlack, kBlack, kBlack}}, kBack},
        {1, kCheckedCheckBox, {{kGrey, kGrey, kWhite, kWhite}, {kGrey, kGrey, kWhite, kWhite},
                  {kBlack, kBlack, kBlack, kBlack}}, kChecked},
        {2, kNormal, {{0xC0DCEE, 0xD4F0FF, 0xB1CEE0, 0xA9C6D8}, {0xC5E1F3, 0xDAF6FF, 0xA5C2D4, 0x98B6C8},
                  {kFrame, kFrame, kFrame, kFrame}}, 0xBEDAEC},
        {2, kFocus, {{0xF0D1B5, 0xF7D7BD, 0xF0D1B5, 0xE7AE8C}, {0xE7AE8C, 0xFFDFBF, 0xE7AE8C, 0xEF826B},
                  {kFrame, kFrame, kFrame, kFrame}}, 0xBEDAEC},
        {2, kPressed, {{0xB3D0E2, 0xB1CEE0, 0xC9E5F8, 0xD4F0FF}, {0xA9C6D8, 0xA9C6D8, 0xCFEBFD, 0xDAF6FF},
                  {kFrame, kFrame, kFrame, kFrame}}, 0xA0BBCC},
        {2, kHot, {{0x6BCBFF, 0x8CDBFF, 0x6BCBFF, 0x31B2FF}, {0x31B2FF, 0xA6E9FF, 0x31B2FF, 0x0096E7},
                  {kFrame, kFrame, kFrame, kFrame}}, 0xF0F4F3},
        {2, kCheckedCheckBox, {{0xBFCBC9, 0xBDC9C7, 0xD6E0DF, 0xE2EBE9}, {0xB4C1BF, 0xB4C1BF, 0xDCE6E4, 0xE8F1EF},
                  {kFrame, kFrame, kFrame, kFrame}}, 0xCAD5D3},
        {2, kDisabled, {{0xB1CEE0, 0xB1CEE0, 0xB1CEE0, 0xB1CEE0}, {0xB1CEE0, 0xB1CEE0, 0xB1CEE0, 0xB1CEE0},
                  {0x7292A4, 0x7292A4, 0x7292A4, 0x7292A4}}, 0xB1CEE0},
        {2, kDisabledCheckedCheckBox, {{0xCAD5D3, 0xD5DFDD, 0xCAD5D3, 0xBFCBC9}, {0xCAD5D3, 0xD6E0DE, 0xCAD5D3, 0xBECAC8},
                  {0x798D8B, 0x798D8B, 0x798D8B, 0x798D8B}}, 0xCAD5D3},
        {3, kNormal, {{kBack, kBack, kBack, kBack}, {kWhite, kWhite, kEtched, kEtched},
                  {kEtched, kEtched, kWhite, kWhite}}, kBack},
        {3, kPressed, {{0x8D8D8C, 0x8D8D8C, 0x8D8D8C, 0x8D8D8C}, {0x8D8D8C, 0x8D8D8C, kEtched, kEtched},
                  {kEtched, kEtched, kWhite, kWhite}}, 0x8D8D8C},
        {3, kCheckedCheckBox, {{0xADADAB, 0xADADAB, 0xADADAB, 0xADADAB}, {0xADADAB, 0xADADAB, kEtched, kEtched},
                  {kEtched, kEtched, kWhite, kWhite}}, 0xADADAB},
        {3, kDisabled, {{kBack, kBack, kBack, kBack}, {kBack, kBack, kBack, kBack},
                  {kEtched, kEtched, kEtched, kEtched}}, kBack},
        {3, kArmedCheckBox, {{kHoverBack, kHoverBack, kHoverBack, kHoverBack}, {kBack, kBack, kEtched, kEtched},
                  {kEtched, kEtched, kWhite, kWhite}}, kHoverBack},
        {4, kNormal, {{kBack, kBack, kBack, kBack}, {kBack, kBack, kBack, kBack},
                  {kWhite, kWhite, kGrey, kGrey}}, kBack},
        {4, kPressed, {{kBack, kBack, kBack, kBack}, {kBack, kBack, kBack, kBack},
                  {kGrey, kGrey, kWhite, kWhite}}, kBack},
        {4, kCheckedCheckBox, {{kChecked, kChecked, kChecked, kChecked}, {kChecked, kChecked, kChecked, kChecked},
                  {kGrey, kGrey, kWhite, kWhite}}, kChecked},
        {5, kNormal, {{kBack, kBack, kBack, kBack}, {kBack, kBack, kBack, kBack}, {kBack, kBack, kBack, kBack}}, kBack},
        {5, kPressed, {{kBack, kBack, kBack, kBack}, {kBack, kBack, kBack, kBack},
                  {kGrey, kGrey, kWhite, kWhite}}, kBack},
        {5, kHot, {{kHoverBack, kHoverBack, kHoverBack, kHoverBack}, {kHoverBack, kHoverBack, kHoverBack, kHoverBack},
                  {kWhite, kWhite, kGrey, kGrey}}, kHoverBack},
        {5, kCheckedCheckBox, {{kChecked, kChecked, kChecked, kChecked}, {kChecked, kChecked, kChecked, kChecked},
                  {kGrey, kGrey, kWhite, kWhite}}, kChecked},
        {6, kNormal, {{kBack, kBack, kBack, kBack}, {kSoftLight, kSoftLight, kGrey, kGrey},
                  {kSoftLight, kSoftLight, kGrey, kGrey}}, kBack},
        {6, kPressed, {{kBack, kBack, kBack, kBack}, {kGrey, kGrey, kSoftLight, kSoftLight},
                  {kGrey, kGrey, kSoftLight, kSoftLight}}, kBack},
        {7, kNormal, {{kWhite, kWhite, 0xC0D4E7, 0xC0D4E7}, {0xE0F4FF, 0xE0F4FF, 0x8195A7, 0x8195A7},
                  {kBlack, kBlack, kBlack, kBlack}}, 0xC0D4E7},
        {7, kPressed, {{0x616160, 0x616160, kGrey, kGrey}, {0x414140, 0x414140, 0x717170, 0x717170},
                  {kBlack, kBlack, kBlack, kBlack}}, 0x717170},
        {7, kHot, {{kWhite, kWhite, 0xC0D4E7, 0xC0D4E7}, {0xE0F4FF, 0xE0F4FF, 0x8195A7, 0x8195A7},
                  {kBlack, kBlack, kBlack, kBlack}}, 0xF0FFFF},
        {7, kCheckedCheckBox, {{0x616160, 0x616160, kGrey, kGrey}, {0x414140, 0x414140, 0x717170, 0x717170},
                  {kBlack, kBlack, kBlack, kBlack}}, 0x8B9190},
    };
    // clang-format on
    for (const StyleRow& row : rows) {
        auto button = Button(row.style);
        Hold(*button, row.state);
        const TestSurface image = Image(*button);
        const auto where = [&] {
            return testing::Message() << "ButtonStyle " << row.style << ", " << kStateNames[row.state];
        };
        for (int ring = 0; ring < 3; ++ring)
            for (int side = 0; side < 4; ++side)
                EXPECT_TRUE(PixelIs(image, kRingPoints[ring][side], row.rings[ring][side]))
                    << where() << ", " << kRingNames[ring] << " " << kSideNames[side];
        EXPECT_TRUE(PixelIs(image, kFacePoint, row.face)) << where() << ", face";
    }
}

struct EdgeCase {
    const char* name;
    int style, shape;
    void (*hold)(xoButtons_H&);
    std::vector<std::pair<Point, Colour>> expected;
};

TEST_F(StyleTest, EdgeCasesOfTheStyles) {
    const Colour rim = 0xBEBEBD;  // row 15 of the white-to-grey rim
    // clang-format off
    const EdgeCase cases[] = {
        {"ButtonStyle 2 focused without ShowFocusRect: the normal column", 2, 0,
         [](xoButtons_H& b) {
             b.Model().SetShowFocusRect(false);
             b.Model().ShowInteractionState({kDefaultLook, false, false});
         },
         {{{2, 15}, 0xC0DCEE}, {{50, 2}, 0xD4F0FF}, {{50, 28}, 0x98B6C8}, {{0, 15}, 0x733C00}}},
        {"ButtonStyle 2 checked option button, focused: the blue column", 2, 0,
         [](xoButtons_H& b) {
             b.Model().SetMode(kOptionButton);
             b.Model().SetValue(true);
             b.Model().ShowInteractionState({kDefaultLook, false, false});
         },
         {{{2, 15}, 0xF0D1B5}, {{50, 2}, 0xF7D7BD}, {{50, 28}, 0xEF826B}, {{99, 15}, 0x733C00}}},
        {"ButtonStyle 2 corner pixels in the frame colour", 2, 0, [](xoButtons_H&) {},
         {{{1, 1}, 0x733C00}, {{1, 28}, 0x733C00}, {{98, 28}, 0x733C00}, {{98, 1}, 0x733C00}}},
        {"ButtonStyle 2's rows 3 and 9 of 30, shaded by -2.5 and -7.5, round to even", 2, 0, [](xoButtons_H&) {},
         {{{12, 3}, 0xC8E4F6}, {{12, 9}, 0xC2DEF0}}},
        {"ButtonStyle 0 slanted on the left only, focused: the outline's right side stands upright", 0, kLeftSlant,
         [](xoButtons_H& b) { b.Model().ShowInteractionState({kDefaultLook, false, false}); },
         {{{95, 4}, 0x718598}, {{95, 15}, 0x718598}, {{95, 25}, 0x718598}, {{8, 4}, 0x718598}}},
        {"ButtonStyle 7 pressed in with a gradient: FaceColor and its shades", 7, 0,
         [](xoButtons_H& b) {
             b.Model().SetGradientMode(3);
             b.Model().SetGradientColor(0x2080F0);
             b.Model().ShowInteractionState({kPressedIn, true, true});
         },
         {{{2, 15}, 0xA1B5C7}, {{97, 15}, 0xC0D4E7}, {{1, 15}, 0x8195A7}, {{98, 15}, 0xB1C5D7}, {{0, 15}, kBlack},
          {{12, 14}, 0x82BBF2}}},
        {"ButtonStyle 7 corner pixels", 7, 0, [](xoButtons_H&) {},
         {{{3, 3}, kWhite}, {{2, 2}, 0xE0F4FF}, {{1, 1}, kBlack}, {{1, 27}, 0xC0D4E7}, {{96, 26}, 0xC0D4E7},
          {{97, 27}, 0x8195A7}, {{98, 28}, kBlack}}},
        {"ellipse, ButtonStyle 0 focused: no edge lines", 0, 4,
         [](xoButtons_H& b) { b.Model().ShowInteractionState({kDefaultLook, false, false}); },
         {{{2, 15}, kBack}, {{50, 2}, kBack}, {{97, 15}, kBack}, {{50, 27}, kBack}, {{0, 15}, rim}}},
        {"ellipse, ButtonStyle 1 pressed in: no edge lines", 1, 5,
         [](xoButtons_H& b) { b.Model().ShowInteractionState({kPressedIn, true, true}); },
         {{{2, 15}, kBack}, {{50, 2}, kBack}, {{97, 15}, kBack}, {{50, 27}, kBack}}},
        {"plain ellipse, ButtonStyle 2: shaded face, black outline", 2, 6, [](xoButtons_H&) {},
         {{{2, 15}, 0xBEDAEC}, {{50, 2}, 0xC8E4F6}, {{0, 15}, kBlack}}},
        {"ellipse, ButtonStyle 7: no edge lines", 7, 4, [](xoButtons_H&) {},
         {{{2, 15}, 0xC0D4E7}, {{50, 2}, 0xC0D4E7}, {{97, 15}, 0xC0D4E7}, {{0, 15}, rim}}},
    };
    // clang-format on
    for (const EdgeCase& c : cases) {
        auto button = Button(c.style, c.shape);
        c.hold(*button);
        const TestSurface image = Image(*button);
        for (const auto& [point, colour] : c.expected) EXPECT_TRUE(PixelIs(image, point, colour)) << c.name;
    }
}

TEST_F(StyleTest, ButtonStyle7GivesTheHoverTextColourBackAfterTheCaption) {
    auto button = Button(7);
    button->Model().SetMode(kCheckBox);
    button->Model().SetValue(true);
    const Colour hoverFore = button->Model().HoverForeColor();
    ASSERT_EQ(hoverFore, button->Model().ForeColor());
    button->Model().ShowInteractionState({kPointerOver, true, false});
    EXPECT_EQ(button->Model().HoverForeColor(), hoverFore);
}

// An elliptic ButtonStyle 1 button leaves its focus colour to the caption;
// a checked one frames its caption solid, in the fore colour resolved.
TEST_F(StyleTest, AFocusFrameInTheCaptionsColourTakesTheResolvedForeColour) {
    constexpr Colour kHighlight = static_cast<Colour>(0x80000000 | COLOR_HIGHLIGHT);
    auto button = Button(1, kEllipse);
    button->Model().SetForeColor(kHighlight);
    button->Model().SetMode(kCheckBox);
    button->Model().SetValue(true);
    button->Model().ShowInteractionState({kDefaultLook, false, false});
    const FocusMark frame = PlanFocusMark(button->Model().Members(), kWidth, kHeight, true, false);
    ASSERT_EQ(frame.kind, FocusMark::Kind::Line);
    const TestSurface image = Image(*button);
    for (const Point& corner : frame.line) EXPECT_TRUE(PixelIs(image, corner, GetSysColor(COLOR_HIGHLIGHT)));
}

// In the designer a resting ButtonStyle 5 button shows where it lies with a
// dotted outline: the face shows between the dots.
TEST_F(StyleTest, ButtonStyle5InTheDesignerOutlinesItsRestingFaceInDots) {
    Log log;
    RecordingHost designer(log);
    designer.userMode = false;
    auto button = CreateXoButton(form.hwnd(), 9, {0, 0, kWidth, kHeight}, designer, nullptr);
    button->Model().SetBackColor(kBack);
    button->Model().SetButtonStyle(5);
    const TestSurface image = Image(*button);
    const struct {
        const char* side;
        Point from, step;
    } sides[] = {
        {"left", {0, 4}, {0, 1}}, {"top", {4, 0}, {1, 0}}, {"right", {99, 4}, {0, 1}}, {"bottom", {4, 29}, {1, 0}}};
    for (const auto& side : sides) {
        constexpr int kRun = 20;
        int dots = 0;
        for (int i = 0; i < kRun; ++i)
            dots += image.Pixel(side.from.x + i * side.step.x, side.from.y + i * side.step.y) != kBack;
        EXPECT_GT(dots, 0) << side.side << ": outlined";
        EXPECT_LT(dots, kRun) << side.side << ": in dots";
    }
}

TEST(PaintGradient, AButtonOverAQuarterOfTheScreenIsShadedInTwoPixelBands) {
    TestForm form;
    ButtonSite site(form.hwnd(), L"cmdTall");
    auto button = CreateXoButton(form.hwnd(), 1, {0, 0, 60, 400}, site, nullptr);
    button->SetScreenSize(SIZE{1024, 768});
    button->Model().SetBackColor(0xFFFFFF);
    button->Model().SetGradientColor(0x000000);
    button->Model().SetGradientMode(3);
    const TestSurface twoPixelBands(button->CurrentObjects().BufferDC, 60, 400);
    EXPECT_TRUE(PixelIs(twoPixelBands, {30, 100}, 0xBFBFBE)) << "band 50 of 200";
    EXPECT_TRUE(PixelIs(twoPixelBands, {30, 101}, 0xBFBFBE)) << "band 50 of 200";
    EXPECT_TRUE(PixelIs(twoPixelBands, {30, 102}, 0xBEBEBD)) << "band 51 of 200";

    button->SetScreenSize(SIZE{1024, 1600});
    button->Model().Refresh();
    const TestSurface onePixelBands(button->CurrentObjects().BufferDC, 60, 400);
    EXPECT_TRUE(PixelIs(onePixelBands, {30, 101}, 0xBEBEBE)) << "band 101 of 400";
    EXPECT_TRUE(PixelIs(onePixelBands, {30, 102}, 0xBEBEBD)) << "band 102 of 400";
}

}  // namespace
