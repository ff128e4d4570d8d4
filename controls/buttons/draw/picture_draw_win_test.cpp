#include "controls/buttons/draw/picture_draw_win.h"

#include <gtest/gtest.h>

#include "controls/buttons/testing/test_pictures_win.h"
#include "controls/buttons/testing/test_surface_win.h"

namespace {

constexpr COLORREF kFace = RGB(0x20, 0x60, 0xA0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kLightShade = 0xE5E5E4;
constexpr COLORREF kDarkShade = 0x9D9D9C;

const Palette kColours{
    {'M', kMagenta},          {'R', kRed}, {'G', kGreen}, {'B', kBlue}, {'Y', kYellow}, {'K', RGB(0, 0, 0)},
    {'W', RGB(255, 255, 255)}};

// Every picture here is drawn with its top-left corner at (10, 10).
constexpr int kAt = 10;

ButtonMembers PictureMembers(int width, int height, bool icon) {
    ButtonMembers m;
    m.PictureWidth = width;
    m.PictureHeight = height;
    m.PictureIsIcon = icon ? 1 : 0;
    return m;
}

ButtonRect RectAt(int width, int height) { return {kAt, kAt, kAt + width, kAt + height}; }

void ExpectFaceAround(const TestSurface& surface, int width, int height, const char* name) {
    const POINT outside[] = {{kAt - 1, kAt - 1}, {kAt + width, kAt}, {kAt, kAt + height}, {kAt + width, kAt + height}};
    for (const POINT& p : outside)
        EXPECT_EQ(ColourText(surface.Pixel(p.x, p.y)), ColourText(kFace))
            << name << ": outside at " << PointText({p.x, p.y});
}

// A keyed bitmap and an icon's mask are shown pixel for pixel on the real
// button in RedrawnPictureTest.AKeyedBitmapAndAnIconShowTheFaceThroughTheirSeeThroughPixelsOnly,
// and nothing drawn without a picture on every real button without one.

PixelRows Quadrants(int size, char topLeft, char topRight, char bottomLeft, char bottomRight) {
    PixelRows rows;
    for (int y = 0; y < size; ++y) {
        const bool top = y < size / 2;
        rows.push_back(std::string(size / 2, top ? topLeft : bottomLeft) +
                       std::string(size / 2, top ? topRight : bottomRight));
    }
    return rows;
}

TEST(DrawPicture, LargeIconIsScaledToTheRectangle) {
    const Icon icon = IconFromRows(Quadrants(32, 'R', 'G', 'B', 'Y'), kColours);
    TestSurface surface(40, 40, kFace);
    DrawPicture(surface.dc(), PictureMembers(32, 32, true), icon.get(), true, RectAt(16, 16));
    const struct {
        const char* name;
        int x, y;
        COLORREF colour;
    } points[] = {
        {"top-left corner", 0, 0, kRed},
        {"top-right quarter", 12, 3, kGreen},
        {"bottom-left quarter", 3, 12, kBlue},
        {"bottom-right corner", 15, 15, kYellow},
    };
    for (const auto& p : points)
        EXPECT_EQ(ColourText(surface.Pixel(kAt + p.x, kAt + p.y)), ColourText(p.colour))
            << "32 x 32 icon in 16 x 16: " << p.name;
    ExpectFaceAround(surface, 16, 16, "32 x 32 icon in 16 x 16");
}

// A black square on a see-through ground, with a white hole in it.
const PixelRows kSquareRows{
    "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM",
    "MMMMKKKKKKKKMMMM", "MMMMKKKKKKKKMMMM", "MMMMKKWWKKKKMMMM", "MMMMKKWWKKKKMMMM",
    "MMMMKKKKKKKKMMMM", "MMMMKKKKKKKKMMMM", "MMMMKKKKKKKKMMMM", "MMMMKKKKKKKKMMMM",
    "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM",
};

PixelRows WithTransparentGround(PixelRows rows) {
    for (std::string& row : rows)
        for (char& c : row)
            if (c == 'M') c = '.';
    return rows;
}

TEST(DrawPicture, DisabledPictureIsADarkShapeWithALightCopyUpAndLeft) {
    const Gdi<HBITMAP> bitmap = BitmapFromRows(kSquareRows, kColours);
    const Icon icon = IconFromRows(WithTransparentGround(kSquareRows), kColours);
    const struct {
        const char* name;
        HANDLE handle;
        bool isIcon;
    } pictures[] = {{"bitmap", bitmap.get(), false}, {"icon", icon.get(), true}};
    const struct {
        const char* name;
        int x, y;
        COLORREF colour;
    } points[] = {
        {"dark square, top left", 4, 4, kDarkShade},
        {"dark square, bottom right", 11, 11, kDarkShade},
        {"light copy above the square", 8, 3, kLightShade},
        {"light copy left of the square", 3, 8, kLightShade},
        {"light copy's corner", 3, 3, kLightShade},
        {"white hole shows the face", 6, 6, kFace},
        {"light copy of the hole's lower edge", 7, 7, kLightShade},
        {"see-through corner", 0, 0, kFace},
        {"see-through below the square", 12, 12, kFace},
        {"see-through right of the square", 12, 4, kFace},
    };
    for (const auto& picture : pictures) {
        TestSurface surface(40, 40, kFace);
        // The caption leaves its own text colour in the surface.
        SetTextColor(surface.dc(), RGB(0, 0, 0x80));
        const HGDIOBJ brush = GetCurrentObject(surface.dc(), OBJ_BRUSH);
        const COLORREF back = GetBkColor(surface.dc());
        DrawPicture(surface.dc(), PictureMembers(16, 16, picture.isIcon), picture.handle, false, RectAt(16, 16));
        for (const auto& p : points)
            EXPECT_EQ(ColourText(surface.Pixel(kAt + p.x, kAt + p.y)), ColourText(p.colour))
                << "disabled " << picture.name << ": " << p.name;
        ExpectFaceAround(surface, 16, 16, picture.name);
        EXPECT_EQ(GetTextColor(surface.dc()), RGB(0, 0, 0x80)) << picture.name << ": the text colour is put back";
        EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_BRUSH), brush) << picture.name << ": the brush is put back";
        EXPECT_EQ(GetBkColor(surface.dc()), back) << picture.name << ": the background colour is put back";
    }
}

TEST(DrawTransparentBitmap, ShrinksToFit) {
    PixelRows rows = Quadrants(32, 'R', 'G', 'B', 'Y');
    rows[0][0] = 'M';  // the key: the first pixel, and only it
    const Gdi<HBITMAP> bitmap = BitmapFromRows(rows, kColours);
    TestSurface surface(40, 40, kFace);
    const PixelSize shrunk =
        DrawTransparentBitmap(surface.dc(), {kAt, kAt, kAt + 16, kAt + 16}, bitmap.get(), {}, {32, 32});
    EXPECT_EQ(shrunk, (PixelSize{16, 16}));
    EXPECT_EQ(ColourText(surface.Pixel(kAt + 3, kAt + 3)), ColourText(kRed)) << "top-left quarter";
    EXPECT_EQ(ColourText(surface.Pixel(kAt + 15, kAt + 15)), ColourText(kYellow)) << "bottom-right corner";
    ExpectFaceAround(surface, 16, 16, "shrunk");
}

}  // namespace
