#include "controls/buttons/caption_plan.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr Colour kFace = 0xC0C0C0;
constexpr Colour kDarker = 0x999998;   // the face shaded by -40
constexpr Colour kLighter = 0xE9E9E8;  // and by +40
constexpr Colour kFore = 0x000080;
constexpr Colour kHoverFore = 0x0000FF;
constexpr Colour kRendererText = 0x00FF00;
constexpr Colour kGrey = 0x404040;

struct Case {
    const char* name;
    std::function<void(ButtonMembers&, WindowObject&)> setUp;
    Colour textColor;
    bool singlePass;
    std::vector<TextPass> passes;
    bool singlePassAfter;
};

const Case kCases[] = {
    {"flat caption in ForeColor", [](ButtonMembers&, WindowObject&) {}, kRendererText, true, {{kFore, {0, 0}}}, true},
    {"hovering takes HoverForeColor", [](ButtonMembers& m, WindowObject&) { m.Hovering = true; }, kRendererText, true,
     {{kHoverFore, {0, 0}}}, true},
    {"held down under the pointer while hovering keeps ForeColor",
     [](ButtonMembers& m, WindowObject&) {
         m.Hovering = true;
         m.StateFlags = kPressedIn;
     },
     kRendererText, true, {{kFore, {0, 0}}}, true},
    {"held down but not under the pointer keeps the hover colour",
     [](ButtonMembers& m, WindowObject&) {
         m.Hovering = true;
         m.StateFlags = kHeld;
     },
     kRendererText, true, {{kHoverFore, {0, 0}}}, true},
    {"ButtonStyle 7 takes the renderer's colour", [](ButtonMembers& m, WindowObject&) { m.ButtonStyle = 7; },
     kRendererText, true, {{kRendererText, {0, 0}}}, true},
    {"ButtonStyle 7 under a gradient takes ForeColor",
     [](ButtonMembers& m, WindowObject&) {
         m.ButtonStyle = 7;
         m.GradientMode = 3;
     },
     kRendererText, true, {{kFore, {0, 0}}}, true},
    {"ButtonStyle 7 hovering takes HoverForeColor",
     [](ButtonMembers& m, WindowObject&) {
         m.ButtonStyle = 7;
         m.Hovering = true;
     },
     kRendererText, true, {{kHoverFore, {0, 0}}}, true},
    {"embossed: darker left, lighter right and two down, the text one down",
     [](ButtonMembers& m, WindowObject&) { m.CaptionStyle = kEmbossed; }, kRendererText, true,
     {{kDarker, {-1, 0}}, {kLighter, {1, 2}}, {kFore, {0, 1}}}, true},
    {"engraved: the shades swap", [](ButtonMembers& m, WindowObject&) { m.CaptionStyle = kEngraved; }, kRendererText,
     true, {{kLighter, {-1, 0}}, {kDarker, {1, 2}}, {kFore, {0, 1}}}, true},
    {"engraved and hovering: the main pass takes the hover colour",
     [](ButtonMembers& m, WindowObject&) {
         m.CaptionStyle = kEngraved;
         m.Hovering = true;
     },
     kRendererText, true, {{kLighter, {-1, 0}}, {kDarker, {1, 2}}, {kHoverFore, {0, 1}}}, true},
    {"disabled with a negative colour: etched, white down-right under grey",
     [](ButtonMembers&, WindowObject& w) { w.Enabled = false; }, -1, true,
     {{0xFFFFFF, {1, 1}}, {0x808080, {0, 0}}}, false},
    {"disabled with a colour and one pass: flat in that colour",
     [](ButtonMembers&, WindowObject& w) { w.Enabled = false; }, kGrey, true, {{kGrey, {0, 0}}}, true},
    {"disabled under a gradient: always etched",
     [](ButtonMembers& m, WindowObject& w) {
         w.Enabled = false;
         m.GradientMode = 1;
     },
     kGrey, true, {{0xFFFFFF, {1, 1}}, {0x808080, {0, 0}}}, false},
    {"disabled with a colour and two passes: grey one up-left of it",
     [](ButtonMembers&, WindowObject& w) { w.Enabled = false; }, kGrey, false,
     {{kGrey, {0, 0}}, {0x808080, {-1, -1}}}, false},
    {"disabled ignores the caption style",
     [](ButtonMembers& m, WindowObject& w) {
         w.Enabled = false;
         m.CaptionStyle = kEmbossed;
     },
     -1, true, {{0xFFFFFF, {1, 1}}, {0x808080, {0, 0}}}, false},
    {"an empty caption draws no text and leaves singlePass",
     [](ButtonMembers& m, WindowObject& w) {
         w.Enabled = false;
         m.Caption.clear();
     },
     -1, true, {}, true},
};

std::string Text(const std::vector<TextPass>& passes) {
    std::string text;
    char buffer[48];
    for (const TextPass& p : passes) {
        std::snprintf(buffer, sizeof buffer, "[%06X at %+d,%+d]", static_cast<unsigned>(p.colour), p.offset.dx,
                      p.offset.dy);
        text += buffer;
    }
    return text;
}

TEST(PlanCaption, ChoosesTheTextPassesByStateAndStyle) {
    for (const Case& c : kCases) {
        ButtonMembers m;
        m.Caption = L"I";
        m.HoverForeColor = kHoverFore;
        WindowObject window;
        window.ForeColor = kFore;
        c.setUp(m, window);
        const CaptionPlan plan = PlanCaption(m, window, kFace, c.textColor, false, c.singlePass);
        EXPECT_EQ(Text(plan.passes), Text(c.passes)) << c.name;
        EXPECT_EQ(plan.singlePass, c.singlePassAfter) << c.name;
    }
}

TEST(PlanCaption, PressedLookMovesCaptionAndPictureTogether) {
    ButtonMembers m;
    m.Caption = L"Go";
    m.CaptionRect = {10, 5, 50, 20};
    m.PictureRect = {2, 3, 18, 19};
    const CaptionPlan pressed = PlanCaption(m, WindowObject{}, kFace, -1, true, true);
    EXPECT_EQ(pressed.captionRect, (ButtonRect{11, 6, 51, 21}));
    EXPECT_EQ(pressed.pictureRect, (ButtonRect{3, 4, 19, 20}));
    const CaptionPlan still = PlanCaption(m, WindowObject{}, kFace, -1, false, true);
    EXPECT_EQ(still.captionRect, m.CaptionRect);
    EXPECT_EQ(still.pictureRect, m.PictureRect);
}

TEST(PressedOffset, MovesDownAndRightExceptOnEllipsesAndNeverForButtonStyle3) {
    struct Row {
        const char* name;
        bool pressed;
        std::uint8_t flags;
        std::int32_t style, shape;
        PixelOffset offset;
    };
    const Row rows[] = {
        {"pressed rectangle", true, 0, 0, kRectangle, {1, 1}},
        {"pressed with both slants", true, 0, 1, kBothSlants, {1, 1}},
        {"pressed ellipse: down only", true, 0, 0, kEllipse, {0, 1}},
        {"pressed plain ellipse: down only", true, 0, 0, kPlainEllipse, {0, 1}},
        {"pressed ButtonStyle 3 stays", true, 0, 3, kRectangle, {0, 0}},
        {"held under the pointer", false, kPressedIn, 0, kRectangle, {1, 1}},
        {"held under the pointer on ButtonStyle 3 stays", false, kPressedIn, 3, kRectangle, {0, 0}},
        {"held away from the pointer", false, kHeld, 0, kRectangle, {0, 0}},
        {"pointer over, not held", false, kPointerOver | kDefaultLook, 0, kRectangle, {0, 0}},
    };
    for (const Row& r : rows) {
        const PixelOffset got = PressedOffset(r.pressed, r.flags, r.style, r.shape);
        EXPECT_EQ(got.dx, r.offset.dx) << r.name;
        EXPECT_EQ(got.dy, r.offset.dy) << r.name;
    }
}

}  // namespace
