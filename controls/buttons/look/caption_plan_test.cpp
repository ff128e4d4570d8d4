#include "controls/buttons/look/caption_plan.h"

#include <gtest/gtest.h>

#include <cstdio>

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
    bool enabled = true;
    std::int32_t captionStyle = kFlatCaption, buttonStyle = 0, gradientMode = 0;
    bool hovering = false;
    std::uint8_t stateFlags = 0;
    const wchar_t* caption = L"I";
    Colour textColor = kRendererText;
    bool singlePass = true;
    std::vector<TextPass> passes{};
    bool singlePassAfter = true;
};

// Flat, embossed, etched and flat disabled captions are drawn on the real
// button in RedrawnCaptionTest.EffectPassesLandWhereTheCaptionWasLaidOut.
// clang-format off
const Case kCases[] = {
    {.name = "hovering takes HoverForeColor", .hovering = true, .passes = {{kHoverFore, {0, 0}}}},
    {.name = "held down under the pointer while hovering keeps ForeColor", .hovering = true,
     .stateFlags = kPressedIn, .passes = {{kFore, {0, 0}}}},
    {.name = "held down but not under the pointer keeps the hover colour", .hovering = true, .stateFlags = kHeld,
     .passes = {{kHoverFore, {0, 0}}}},
    {.name = "ButtonStyle 7 takes the renderer's colour", .buttonStyle = 7, .passes = {{kRendererText, {0, 0}}}},
    {.name = "ButtonStyle 7 under a gradient takes ForeColor", .buttonStyle = 7, .gradientMode = 3,
     .passes = {{kFore, {0, 0}}}},
    {.name = "ButtonStyle 7 hovering takes HoverForeColor", .buttonStyle = 7, .hovering = true,
     .passes = {{kHoverFore, {0, 0}}}},
    {.name = "engraved and hovering: the shades swap, the text takes the hover colour", .captionStyle = kEngraved,
     .hovering = true, .passes = {{kLighter, {-1, 0}}, {kDarker, {1, 2}}, {kHoverFore, {0, 1}}}},
    {.name = "disabled under a gradient: always etched", .enabled = false, .gradientMode = 1, .textColor = kGrey,
     .passes = {{0xFFFFFF, {1, 1}}, {0x808080, {0, 0}}}, .singlePassAfter = false},
    {.name = "disabled with a colour and two passes: grey one up-left of it", .enabled = false, .textColor = kGrey,
     .singlePass = false, .passes = {{kGrey, {0, 0}}, {0x808080, {-1, -1}}}, .singlePassAfter = false},
    {.name = "an empty caption draws no text and leaves singlePass", .enabled = false, .caption = L"",
     .textColor = -1},
};
// clang-format on

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
        m.Caption = c.caption;
        m.CaptionStyle = c.captionStyle;
        m.ButtonStyle = c.buttonStyle;
        m.GradientMode = c.gradientMode;
        m.Hovering = c.hovering;
        m.StateFlags = c.stateFlags;
        m.HoverForeColor = kHoverFore;
        WindowObject window;
        window.ForeColor = kFore;
        window.Enabled = c.enabled;
        const CaptionPlan plan = PlanCaption(m, window, kFace, c.textColor, false, c.singlePass);
        EXPECT_EQ(Text(plan.passes), Text(c.passes)) << c.name;
        EXPECT_EQ(plan.singlePass, c.singlePassAfter) << c.name;
    }
}

// A pressed rectangle is drawn in DrawCaption.DrawsThePictureFirstAndMovesBothWhenPressed,
// one held under the pointer in RedrawnCaptionTest.EffectPassesLandWhereTheCaptionWasLaidOut.
TEST(PressedOffset, MovesDownAndRightExceptOnEllipsesAndNeverForButtonStyle3) {
    struct Row {
        const char* name;
        bool pressed;
        std::uint8_t flags;
        std::int32_t style, shape;
        PixelOffset offset;
    };
    const Row rows[] = {
        {"pressed ellipse: down only", true, 0, 0, kEllipse, {0, 1}},
        {"pressed ButtonStyle 3 stays", true, 0, 3, kRectangle, {0, 0}},
        {"held away from the pointer", false, kHeld, 0, kRectangle, {0, 0}},
    };
    for (const Row& r : rows) {
        const PixelOffset got = PressedOffset(r.pressed, r.flags, r.style, r.shape);
        EXPECT_EQ(got.dx, r.offset.dx) << r.name;
        EXPECT_EQ(got.dy, r.offset.dy) << r.name;
    }
}

}  // namespace
