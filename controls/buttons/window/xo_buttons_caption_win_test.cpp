// The button's caption and picture, through a live xoButtons_H: the font
// and picture properties, the layout, and what a real redraw draws.
#include <gtest/gtest.h>

#include "controls/buttons/model/bag_text.h"
#include "controls/buttons/testing/test_button_form_win.h"
#include "controls/buttons/testing/test_pictures_win.h"
#include "controls/buttons/testing/test_surface_win.h"
#include "controls/buttons/window/button_site_win.h"
#include "controls/buttons/window/xo_buttons_win.h"

namespace {

class ButtonCaptionTest : public ::testing::Test {
protected:
    TestForm parent;
    ButtonSite site{parent.hwnd(), L"cmdCaption"};
    std::unique_ptr<xoButtons_H> button = CreateXoButton(parent.hwnd(), 1, {10, 10, 110, 40}, site, nullptr);
};

TEST_F(ButtonCaptionTest, TheWindowTextIsTheCaption) {
    button->Model().SetCaption(L"Save &As");
    wchar_t text[16]{};
    EXPECT_EQ(GetWindowTextW(button->hWnd(), text, 16), 8);
    EXPECT_STREQ(text, L"Save &As");
    SetWindowTextW(button->hWnd(), L"&Open");
    EXPECT_EQ(button->Model().Caption(), L"&Open");
    EXPECT_EQ(button->Model().WindowValues().AccessKeys, L"O");
}

TEST_F(ButtonCaptionTest, ANewButtonIsLaidOutLikeALoadedOne) {
    PropertyBag bag;
    bag.Write(L"Caption", std::wstring(L"cmdCaption"));
    const auto loaded = CreateXoButton(parent.hwnd(), 2, {10, 10, 110, 40}, site, &bag);
    const ButtonRect caption = button->Model().Members().CaptionRect;
    EXPECT_EQ(caption, loaded->Model().Members().CaptionRect);
    EXPECT_GT(caption.right - caption.left, 40) << "measured with the caption it was given";
    EXPECT_EQ(caption.top, (30 - (caption.bottom - caption.top)) / 2) << "centred";
}

TEST_F(ButtonCaptionTest, TheLayoutMeasuresInTheCaptionFont) {
    button->Model().SetCaption(L"Go");
    const auto height = [&] {
        return button->Model().Members().CaptionRect.bottom - button->Model().Members().CaptionRect.top;
    };
    for (double points : {8.25, 9.75, 12.0}) {
        button->Model().SetFont({L"Tahoma", points});
        TEXTMETRICW metrics{};
        GetTextMetricsW(button->CurrentObjects().BufferDC, &metrics);
        EXPECT_EQ(height(), metrics.tmHeight) << points << " points";
    }
}

// Drawing through the style renderers: ButtonStyle 0 paints its face in
// BackColor and leaves the caption's colours to the caption.
constexpr Colour kFace = 0xC0C0C0;
constexpr Colour kFore = 0x800000;
constexpr Colour kDarker = 0x999998;   // the face shaded by -40
constexpr Colour kLighter = 0xE9E9E8;  // and by +40

class RedrawnCaptionTest : public ButtonCaptionTest {
protected:
    RedrawnCaptionTest() {
        button->Model().DelayDrawing(true);
        button->Model().SetCaption(L"I");
        button->Model().SetFont({L"Tahoma", 12, 700});
        button->Model().SetBackColor(kFace);
        button->Model().SetForeColor(kFore);
        button->Model().DelayDrawing(false);
    }
    // Where the pixels of colour lie, inside the caption's rectangle and two
    // pixels around it, and relative to the rectangle's top left.
    RECT GlyphOf(Colour colour) const {
        const ButtonRect& c = button->Model().Members().CaptionRect;
        const TestSurface image(button->CurrentObjects().BufferDC, 100, 30);
        RECT box = image.BoxOf(static_cast<COLORREF>(colour), {c.left - 2, c.top - 2, c.right + 2, c.bottom + 2});
        OffsetRect(&box, -c.left, -c.top);
        return box;
    }
};

TEST_F(RedrawnCaptionTest, EffectPassesLandWhereTheCaptionWasLaidOut) {
    const RECT flat = GlyphOf(kFore);
    ASSERT_FALSE(IsRectEmpty(&flat)) << "the flat caption shows";
    const ButtonRect& c = button->Model().Members().CaptionRect;
    RECT ink = TestSurface(button->CurrentObjects().BufferDC, 100, 30).Ink(kFace, {c.left, c.top, c.right, c.bottom});
    OffsetRect(&ink, -c.left, -c.top);

    ASSERT_EQ(RectText(ink), RectText(flat)) << "crisp glyphs: every pixel of the text in its own colour";

    enum Corner { TopLeft, BottomRight };
    struct Point {
        const char* name;
        Corner from;  // of the main glyph's box
        LONG dx, dy;
        Colour colour;
    };
    struct Row {
        const char* name;
        std::int32_t captionStyle;
        std::int32_t mode;
        bool enabled;
        bool pressed;
        Colour main;
        // The main glyph's move from the flat one, within the caption's
        // rectangle: an effect's rectangle is two pixels wider and higher and
        // its main text one pixel lower, so a centred glyph moves one right
        // and one down in it.
        POINT moved;
        std::vector<Point> points;
    };
    // The engraved swap of the shades is planned in PlanCaption.ChoosesTheTextPassesByStateAndStyle.
    // clang-format off
    const Row rows[] = {
        {"embossed", 1, kCommandButton, true, false, kFore, {1, 1},
         {{"up and left of the glyph", TopLeft, -1, -1, kDarker},
          {"down and right of the glyph", BottomRight, 1, 1, kLighter},
          {"right of the glyph's top", BottomRight, 1, flat.top - flat.bottom, kFace}}},
        {"pressed in", 0, kCommandButton, true, true, kFore, {1, 1}, {}},
        {"disabled embossed command button: etched, not embossed", 1, kCommandButton, false, false, kGrey, {1, 0},
         {{"down and right of the glyph", BottomRight, 1, 1, kWhite},
          {"up and left of the glyph", TopLeft, -1, -1, kFace}}},
        {"disabled check box: flat grey", 0, kCheckBox, false, false, kGrey, {0, 0},
         {{"down and right of the glyph", BottomRight, 1, 1, kFace}}},
    };
    // clang-format on
    for (const Row& row : rows) {
        button->Model().DelayDrawing(true);
        button->Model().SetMode(row.mode);
        button->Model().SetCaptionStyle(row.captionStyle);
        button->Model().SetEnabled(row.enabled);
        button->Model().ShowInteractionState({row.pressed ? kPressedIn : std::uint8_t{0}, false, row.pressed});
        button->Model().DelayDrawing(false);

        RECT expected = flat;
        OffsetRect(&expected, row.moved.x, row.moved.y);
        const RECT main = GlyphOf(row.main);
        EXPECT_EQ(RectText(main), RectText(expected)) << row.name << ": the main glyph";
        const TestSurface image(button->CurrentObjects().BufferDC, 100, 30);
        for (const Point& p : row.points) {
            const LONG x = c.left + p.dx + (p.from == TopLeft ? main.left : main.right - 1);
            const LONG y = c.top + p.dy + (p.from == TopLeft ? main.top : main.bottom - 1);
            EXPECT_EQ(ColourText(image.Pixel(x, y)), ColourText(p.colour)) << row.name << ": " << p.name;
        }
    }
}

// Pictures through a real redraw: a 16-pixel picture at the left edge of
// a button without caption, on a face of kFace.
constexpr POINT kPictureAt{4, 7};
const Palette kPictureColours{{'M', RGB(255, 0, 255)}, {'R', RGB(255, 0, 0)},     {'B', RGB(0, 0, 255)},
                              {'K', RGB(0, 0, 0)},     {'W', RGB(255, 255, 255)}, {'N', RGB(254, 0, 255)}};

// Magenta all round and at (5, 5) inside, a shade off magenta beside it;
// black, red, blue and white.
const PixelRows kKeyedRows{
    "MMMMMMMMMMMMMMMM", "MRRRRRRRRRRRRRRM", "MRBBBBBBBBBBBBRM", "MRBKKKKKKKKKKBRM",
    "MRBKWWWWWWWWKBRM", "MRBKWMNWWWWWKBRM", "MRBKWWWWWWWWKBRM", "MRBKWWWWWWWWKBRM",
    "MRBKWWWWWWWWKBRM", "MRBKWWWWWWWWKBRM", "MRBKWWWWWWWWKBRM", "MRBKWWWWWWWWKBRM",
    "MRBKKKKKKKKKKBRM", "MRBBBBBBBBBBBBRM", "MRRRRRRRRRRRRRRM", "MMMMMMMMMMMMMMMM",
};
// See-through outside a black-ringed red disc; black in the top-left
// corner of the opaque part, which keys nothing.
const PixelRows kIconRows{
    "................", "......KKKK......", "....KKRRRRKK....", "...KRRRRRRRRK...",
    "..KRRRRRRRRRRK..", "..KRRRRRRRRRRK..", ".KRRRRRRRRRRRRK.", ".KRRRRBBBBRRRRK.",
    ".KRRRRBBBBRRRRK.", ".KRRRRRRRRRRRRK.", "..KRRRRRRRRRRK..", "..KRRRRRRRRRRK..",
    "...KRRRRRRRRK...", "....KKRRRRKK....", "......KKKK......", "................",
};
class RedrawnPictureTest : public ButtonCaptionTest {
protected:
    void Show(const std::wstring& file, PictureKind kind, bool enabled) {
        button->Model().DelayDrawing(true);
        button->Model().SetCaption(L"");
        button->Model().SetBackColor(kFace);
        button->Model().SetPicture(PictureValue{kind, PictureOrigin::File, file});
        button->Model().SetEnabled(enabled);
        button->Model().DelayDrawing(false);
        ASSERT_EQ(button->Model().Members().PictureRect, (ButtonRect{4, 7, 20, 23}));
    }
    // Pixel for pixel: the face where rows hold seeThrough, else the colour.
    void ExpectShown(const PixelRows& rows, char seeThrough, const char* name) {
        const TestSurface image(button->CurrentObjects().BufferDC, 100, 30);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const COLORREF expected = rows[y][x] == seeThrough ? kFace : kPictureColours.at(rows[y][x]);
                EXPECT_EQ(ColourText(image.Pixel(kPictureAt.x + x, kPictureAt.y + y)), ColourText(expected))
                    << name << ": picture pixel (" << x << ", " << y << ") '" << rows[y][x] << "'";
            }
    }

    TestPictures pictures;
};

// The picture loaded from its file shows pixel for pixel; the disabled
// emboss is drawn in DrawPicture.DisabledPictureIsADarkShapeWithALightCopyUpAndLeft.
TEST_F(RedrawnPictureTest, AKeyedBitmapAndAnIconShowTheFaceThroughTheirSeeThroughPixelsOnly) {
    Show(SaveBitmapFile(pictures.folder, L"keyed.bmp", kKeyedRows, kPictureColours), PictureKind::Bitmap, true);
    ExpectShown(kKeyedRows, 'M', "bitmap keyed on magenta");
    Show(SaveIconFile(pictures.folder, L"disc.ico", kIconRows, kPictureColours), PictureKind::Icon, true);
    ExpectShown(kIconRows, '.', "icon through its own mask");
}

}  // namespace
