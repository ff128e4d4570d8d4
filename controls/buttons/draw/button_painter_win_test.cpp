#include "controls/buttons/draw/button_painter_win.h"

#include <gtest/gtest.h>

#include "controls/buttons/testing/test_surface_win.h"

namespace {

// What the surface holds where nothing was drawn.
constexpr Colour kMarker = 0x123456;

// A surface of its own for one painter, filled with the marker.
class Canvas {
public:
    Canvas(int w, int h, SIZE screen = {1024, 768}) : screen_(screen) {
        surface.Resize(w, h);
        SetBkMode(surface.dc(), TRANSPARENT);
        context.width = w;
        context.height = h;
        m.RightSlantX = w;
        FillBand(surface, {0, 0, w, h}, kMarker);
    }
    ButtonPainter Painter() { return ButtonPainter(surface, clip, m, context, {window, nullptr, screen_}); }
    TestSurface Image() const { return TestSurface(surface.dc(), context.width, context.height); }
    void Background(Colour face, Colour gradient, Colour hover) {
        LookState state = 0;
        Painter().DrawBackground(face, state, gradient, hover);
    }

    OffscreenSurface surface;
    Gdi<HRGN> clip;
    ButtonMembers m;
    WindowObject window;
    LookContext context;

private:
    SIZE screen_;
};

constexpr Colour kFace = 0xC0C0C0, kGradient = 0x2080F0, kHover = 0x40E040;

TEST(DrawBackground, AHundredBandGradientRunsFromTheFaceToTheGradientColour) {
    Canvas canvas(100, 30);
    canvas.m.GradientMode = 1;
    canvas.Background(kFace, kGradient, kHover);
    const TestSurface image = canvas.Image();
    EXPECT_TRUE(PixelIs(image, {0, 0}, kFace)) << "band 0";
    EXPECT_TRUE(PixelIs(image, {0, 29}, kFace)) << "band 0";
    EXPECT_TRUE(PixelIs(image, {99, 15}, 0x2081EF)) << "band 99, one unit from the gradient colour";
    EXPECT_NE(image.Pixel(49, 15), image.Pixel(50, 15)) << "a band per column";

    canvas.m.GradientMode = 2;
    canvas.Background(kFace, kGradient, kHover);
    EXPECT_TRUE(PixelIs(canvas.Image(), {0, 15}, 0x2081EF)) << "GradientMode 2 starts with the gradient colour";
    EXPECT_TRUE(PixelIs(canvas.Image(), {99, 15}, kFace)) << "GradientMode 2 ends with the face";
}

TEST(DrawBackground, HoveringKeepsTheGradientOnlyWhenItsColourIsTheHoverColour) {
    Canvas canvas(100, 30);
    canvas.m.GradientMode = 1;
    canvas.m.Hovering = true;
    canvas.m.StateFlags = kPointerOver;
    canvas.m.GradientColor = canvas.m.HoverBackColor = kGradient;
    canvas.Background(kFace, kGradient, kHover);
    EXPECT_TRUE(PixelIs(canvas.Image(), {0, 15}, kFace)) << "same colours: the gradient stays";
    EXPECT_TRUE(PixelIs(canvas.Image(), {99, 15}, 0x2081EF)) << "same colours: the gradient stays";

    canvas.m.HoverBackColor = kHover;
    canvas.Background(kFace, kGradient, kHover);
    EXPECT_TRUE(PixelIs(canvas.Image(), {0, 15}, kHover)) << "another hover colour: solid";
    EXPECT_TRUE(PixelIs(canvas.Image(), {99, 15}, kHover)) << "another hover colour: solid";
}

struct RingCase {
    int shape, leftSlantX, rightSlantX, w, h;
    Colour expected[16];  // kMarker where nothing is drawn; -1 off the surface
};

// The shaded rows of ButtonStyle 2, the black outline of ButtonShape 6 and
// the slots a style leaves out are read on real buttons in StyleTest.
TEST(DrawEdges, EachEdgePointTakesTheColourOfTheLastLineThroughIt) {
    // Slot n is drawn in 0xn00000 + 0xA1: n - 1 in the high nibble.
    EdgeColors colours;
    for (int slot = 1; slot <= 12; ++slot) colours[slot] = 0x0000A1 + (slot - 1) * 0x100000;
    // clang-format off
    const RingCase cases[] = {
        {kRectangle, 0, 100, 100, 30,
         {0x3000A1, 0x1000A1, 0x2000A1, 0x3000A1, 0x4000A1, 0x7000A1, 0x5000A1, 0x6000A1, 0x7000A1, 0x8000A1, 0xB000A1,
          0x9000A1, 0xA000A1, 0xB000A1, -1, 0xB000A1}},
        {kBothSlants, 21, 19, 40, 20,
         {0x3000A1, 0x1000A1, 0x2000A1, 0x3000A1, 0x4000A1, 0x7000A1, 0x5000A1, 0x6000A1, 0x7000A1, kMarker, -1,
          0x9000A1, 0xA000A1, -1, 0xB000A1, kMarker}},
    };
    // clang-format on
    for (const RingCase& c : cases) {
        Canvas canvas(c.w, c.h);
        canvas.m.ButtonShape = c.shape;
        canvas.m.LeftSlantX = c.leftSlantX;
        canvas.m.RightSlantX = c.rightSlantX;
        EdgePoints points{};
        canvas.Painter().DrawEdges(points, colours, kOuterPenSolid);
        const TestSurface image = canvas.Image();
        for (int i = 0; i < 16; ++i) {
            if (c.expected[i] == -1) continue;
            EXPECT_TRUE(PixelIs(image, points[i], c.expected[i])) << "ButtonShape " << c.shape << ", edge point " << i;
        }
    }
}

TEST(DrawFocus, DrawsTheSolidFrameOrTheDottedRectangle) {
    Canvas canvas(100, 30);
    canvas.m.StateFlags = kDefaultLook;
    canvas.Painter().DrawFocus(0x0000FF, true, false);
    const TestSurface solid = canvas.Image();
    for (Point p : {Point{4, 4}, Point{96, 4}, Point{96, 26}, Point{4, 26}, Point{50, 4}, Point{4, 15}})
        EXPECT_TRUE(PixelIs(solid, p, 0x0000FF)) << "solid frame";
    EXPECT_TRUE(PixelIs(solid, {5, 5}, kMarker));

    canvas.Painter().DrawFocus(0x0000FF, false, false);
    const TestSurface dotted = canvas.Image();
    // The dotted rectangle inverts every other pixel of the frame inside (4, 4, 96, 26).
    const int inverted = (dotted.Pixel(50, 4) != 0x0000FF) + (dotted.Pixel(51, 4) != 0x0000FF);
    EXPECT_EQ(inverted, 1);
}

}  // namespace
