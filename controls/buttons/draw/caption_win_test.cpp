#include "controls/buttons/draw/caption_win.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "controls/buttons/testing/test_pictures_win.h"
#include "controls/buttons/testing/test_surface_win.h"

namespace {

constexpr COLORREF kFace = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kFore = RGB(0, 0, 0x80);

// Crisp glyphs, so that every text pixel has the colour of its pass.
Gdi<HFONT> TestFont(int height, BYTE quality = NONANTIALIASED_QUALITY) {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = quality;
    wcscpy(lf.lfFaceName, L"Tahoma");
    return Gdi<HFONT>(CreateFontIndirectW(&lf));
}

// A surface of the face colour with the caption font selected.
struct CaptionSurface {
    explicit CaptionSurface(int height = -16, BYTE quality = NONANTIALIASED_QUALITY)
        : font(TestFont(height, quality)) {}
    Gdi<HFONT> font;
    TestSurface surface{120, 60, kFace};
    Selected selected{surface.dc(), font.get()};
};

// Where plain DrawTextW puts the ink of text in rect: the reference the
// passes are checked against.
RECT PlainInk(const wchar_t* text, RECT rect, UINT format) {
    CaptionSurface reference;
    SetTextColor(reference.surface.dc(), RGB(0, 0, 0));
    DrawTextW(reference.surface.dc(), text, -1, &rect, format);
    return reference.surface.Ink(kFace);
}

ButtonMembers CaptionMembers(const wchar_t* caption, ButtonRect rect, std::int32_t align = kAlignLeft) {
    ButtonMembers m;
    m.Caption = caption;
    m.CaptionAlign = align;
    m.CaptionRect = rect;
    return m;
}

constexpr ButtonRect kCaptionRect{20, 10, 100, 50};

// The text passes of each caption style and state are drawn on the real
// button in RedrawnCaptionTest.EffectPassesLandWhereTheCaptionWasLaidOut.

RECT DrawnInk(const ButtonMembers& m, bool pressed = false, HANDLE picture = nullptr) {
    CaptionSurface target;
    WindowObject window;
    window.ForeColor = static_cast<Colour>(kFore);
    bool singlePass = true;
    DrawCaption(target.surface.dc(), m, window, picture, static_cast<Colour>(kFace), -1, pressed, singlePass);
    return target.surface.Ink(kFace);
}

TEST(DrawCaption, AlignsWrapsAndUnderlinesAsTheCaptionSays) {
    const RECT left = DrawnInk(CaptionMembers(L"I", kCaptionRect, kAlignLeft));
    const RECT centre = DrawnInk(CaptionMembers(L"I", kCaptionRect, kCentred));
    const RECT right = DrawnInk(CaptionMembers(L"I", kCaptionRect, kAlignRight));
    EXPECT_LT(left.left, kCaptionRect.left + 4) << "left-aligned";
    EXPECT_LE(std::abs((centre.left + centre.right) / 2 - (kCaptionRect.left + kCaptionRect.right) / 2), 2)
        << "centred";
    EXPECT_GT(right.right, kCaptionRect.right - 4) << "right-aligned";

    const RECT twoLines = DrawnInk(CaptionMembers(L"Save||As", kCaptionRect));
    const RECT save = PlainInk(L"Save", {20, 10, 100, 50}, DT_LEFT);
    EXPECT_EQ(twoLines.right, save.right) << "'Save||As': as wide as its longer line";
    TEXTMETRICW metrics{};
    GetTextMetricsW(CaptionSurface().surface.dc(), &metrics);
    EXPECT_GE(twoLines.bottom - twoLines.top, metrics.tmHeight + (save.bottom - save.top)) << "'Save||As': two lines";

    const RECT doubled = DrawnInk(CaptionMembers(L"A&&B", kCaptionRect));
    const RECT single = PlainInk(L"A&B", {20, 10, 100, 50}, DT_LEFT | DT_NOPREFIX);
    EXPECT_TRUE(EqualRect(&doubled, &single)) << "'A&&B' shows one ampersand";

    const RECT accessKey = DrawnInk(CaptionMembers(L"&Save", kCaptionRect));
    EXPECT_EQ(accessKey.right, save.right) << "'&Save': the ampersand takes no room";
    EXPECT_GT(accessKey.bottom, save.bottom) << "'&Save': the S is underlined";
}

TEST(DrawCaption, DrawsThePictureFirstAndMovesBothWhenPressed) {
    const Icon icon = IconFromRows(PixelRows(16, std::string(16, 'R')), {{'R', RGB(255, 0, 0)}});
    ButtonMembers m = CaptionMembers(L"I", {20, 10, 36, 26});
    m.PictureWidth = m.PictureHeight = 16;
    m.PictureIsIcon = 1;
    m.PictureRect = {20, 10, 36, 26};

    CaptionSurface target;
    WindowObject window;
    window.ForeColor = static_cast<Colour>(kFore);
    bool singlePass = true;
    DrawCaption(target.surface.dc(), m, window, icon.get(), static_cast<Colour>(kFace), -1, false, singlePass);
    const RECT glyph = PlainInk(L"I", {20, 10, 36, 26}, DT_WORDBREAK | DT_LEFT);
    EXPECT_EQ(ColourText(target.surface.Pixel(glyph.left, glyph.top)), ColourText(kFore)) << "text over the picture";
    EXPECT_EQ(ColourText(target.surface.Pixel(35, 25)), ColourText(RGB(255, 0, 0))) << "picture under the text";

    const RECT still = DrawnInk(m, false, icon.get());
    const RECT pressed = DrawnInk(m, true, icon.get());
    EXPECT_EQ(pressed.left, still.left + 1) << "pressed: one right";
    EXPECT_EQ(pressed.top, still.top + 1) << "pressed: one down";
    EXPECT_EQ(pressed.right, still.right + 1) << "pressed: the picture moves too";
}

// The layout with the caption measured in the real font, against the
// font's own metrics.
TEST(LayoutCaptionAndPicture, MeasuresWithTheSurfaceFont) {
    CaptionSurface target(-11, DEFAULT_QUALITY);
    const HDC dc = target.surface.dc();
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const auto width = [dc](const wchar_t* text) {
        SIZE size{};
        GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
        return static_cast<std::int32_t>(size.cx);
    };
    const std::int32_t line = metrics.tmHeight;

    ButtonMembers m = CaptionMembers(L"Save||As", {}, kCentred);
    m.RightSlantX = 100;
    ButtonLayout layout = LayoutCaptionAndPicture(dc, m, 100, 40);
    const std::int32_t saveWidth = width(L"Save");
    const std::int32_t left = (100 - saveWidth) / 2, top = (40 - 2 * line) / 2;
    EXPECT_EQ(layout.CaptionRect, (ButtonRect{left, top, left + saveWidth, top + 2 * line})) << "'Save||As'";

    const TextSize wrapped = MeasureCaptionText(dc, L"one two three four", 52, 52);
    EXPECT_LE(wrapped.width, 52) << "wrapped within the width";
    EXPECT_GE(wrapped.height, 2 * line) << "wrapped at words";
    EXPECT_EQ(wrapped.height % line, 0) << "whole lines";
    const wchar_t* longWord = L"Supercalifragilistic";
    EXPECT_EQ(MeasureCaptionText(dc, longWord, 20, 40).width, width(longWord)) << "a longer word widens the result";
}

}  // namespace
