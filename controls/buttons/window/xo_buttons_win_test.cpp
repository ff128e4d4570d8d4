#include "controls/buttons/window/xo_buttons_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "controls/buttons/model/bag_text.h"
#include "controls/buttons/testing/test_button_form_win.h"
#include "controls/buttons/testing/test_pictures_win.h"
#include "controls/buttons/testing/test_surface_win.h"
#include "controls/buttons/window/button_site_win.h"
#include "platform/files_win.h"
#include "platform/message_loop_win.h"
#include "platform/screen_win.h"
#include "platform/test_gdi_objects_win.h"
#include "platform/text_win.h"

namespace {

constexpr RECT kBounds{10, 10, 110, 40};

class XoButtonTest : public ::testing::Test {
protected:
    std::unique_ptr<xoButtons_H> Create(const RECT& bounds = kBounds, const PropertyBag* bag = nullptr) {
        return CreateXoButton(form.hwnd(), 101, bounds, site, bag);
    }

    TestForm form;
    ButtonSite site{form.hwnd(), L"cmdAdd"};
};

SIZE BitmapSize(HGDIOBJ bitmap) {
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    return {bm.bmWidth, bm.bmHeight};
}

LOGFONTW SelectedFont(HDC dc) {
    LOGFONTW lf{};
    GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof lf, &lf);
    return lf;
}

TEST_F(XoButtonTest, CaptionFontFollowsTheFontProperty) {
    auto button = Create();
    const auto first = button->CurrentObjects();
    button->Model().SetFont(FontValue{L"Arial", 12, 700, true, false, false});
    const auto objects = button->CurrentObjects();
    EXPECT_FALSE(Alive(first.font)) << "the previous caption font is deleted";

    const LOGFONTW lf = SelectedFont(objects.BufferDC);
    const int dpi = ScreenDpi();
    EXPECT_EQ(lf.lfHeight, -(12 * dpi + 36) / 72);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_STREQ(lf.lfFaceName, L"Arial");

    button->Model().SetFontStyle(8);
    const LOGFONTW underlined = SelectedFont(objects.BufferDC);
    EXPECT_EQ(underlined.lfWeight, 400);
    EXPECT_TRUE(underlined.lfUnderline);

    button->Model().SetFont(FontValue{std::wstring(40, L'x')});
    EXPECT_EQ(std::wstring(SelectedFont(objects.BufferDC).lfFaceName), std::wstring(31, L'x'));
}

TEST_F(XoButtonTest, PictureIsMeasuredFromItsFileOrResource) {
    TestPictures pictures;
    auto button = Create();
    button->Model().SetPicture(PictureValue{PictureKind::Bitmap, PictureOrigin::File, pictures.bitmap});
    EXPECT_EQ(button->Model().Members().PictureWidth, 24);
    EXPECT_EQ(button->Model().Members().PictureHeight, 16);
    EXPECT_EQ(button->Model().Members().PictureIsIcon, 0);
    button->Model().SetPicture(PictureValue{PictureKind::Icon, PictureOrigin::Resource, L"#1"});
    EXPECT_EQ(button->Model().Members().PictureIsIcon, 1);
    const HANDLE shown = button->CurrentObjects().picture;
    button->Model().SetPicture(PictureValue{PictureKind::Icon, PictureOrigin::File, pictures.folder / L"gone.ico"});
    EXPECT_EQ(button->Model().Picture()->Name, L"#1") << "a picture that cannot be loaded is refused";
    EXPECT_EQ(button->Model().Members().PictureWidth, 16);
    EXPECT_EQ(button->CurrentObjects().picture, shown);
}

TEST_F(XoButtonTest, MousePointerChoosesTheCursorOverTheButton) {
    TestPictures pictures;
    auto button = Create();
    const auto setCursor = [&] {
        return SendMessageW(button->hWnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(button->hWnd()),
                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    };
    button->Model().SetMouseIcon(PictureFromFile(pictures.cursor));
    EXPECT_EQ(button->Model().MousePointer(), 99);
    EXPECT_TRUE(setCursor());
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(GetCursor(), &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(info.xHotspot, 3u);
    EXPECT_EQ(info.yHotspot, 5u);

    button->Model().SetMousePointer(11);
    EXPECT_TRUE(setCursor());
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
}

TEST_F(XoButtonTest, DestroyingTheButtonReleasesEveryObject) {
    TestPictures pictures;
    const auto before = LiveGdiObjects();
    for (bool parentFirst : {false, true}) {
        TestForm owner;
        ButtonSite ownerSite(owner.hwnd(), L"cmdGo");
        auto button = CreateXoButton(owner.hwnd(), 7, {0, 0, 80, 24}, ownerSite, nullptr);
        button->Model().SetFont(FontValue{L"Tahoma", 10});
        button->Model().SetPicture(PictureFromFile(pictures.bitmap));
        button->SetDrawingTool(true, nullptr, DrawingTool::Brush, RGB(1, 2, 3), true);
        const auto objects = button->CurrentObjects();
        const HGDIOBJ drawing[] = {objects.BufferDC, objects.bitmap, objects.pen, objects.brush, objects.font};
        for (HGDIOBJ h : drawing) ASSERT_TRUE(Alive(h));
        ASSERT_TRUE(Alive(objects.picture));

        if (parentFirst) {
            // The surface goes with the window; the picture stays with the property.
            DestroyWindow(owner.hwnd());
            for (HGDIOBJ h : drawing) EXPECT_FALSE(Alive(h));
            EXPECT_TRUE(Alive(objects.picture));
        }
        button.reset();
        for (HGDIOBJ h : drawing) EXPECT_FALSE(Alive(h));
        EXPECT_FALSE(Alive(objects.picture));
        EXPECT_TRUE(Alive(objects.initialPen));
        EXPECT_TRUE(Alive(objects.initialBrush));
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}

void Configure(xoButtons_H& b, const TestPictures& pictures) {
    b.Model().SetButtonShape(kRightSlant);
    b.Model().SetCaption(L"D\x00e9j\x00e0 &vu||again");
    b.Model().SetCaptionAlign(kAlignLeft);  // zero, and not the default
    b.Model().SetButtonStyle(2);
    b.Model().SetCaptionStyle(kEngraved);
    b.Model().SetFont(FontValue{L"Tahoma", 9.75, 700, false, true, true});
    b.Model().SetForeColor(0x000080);
    b.Model().SetGradientMode(4);
    b.Model().SetGradientColor(0xE0FFFF);
    b.Model().SetHoverForeColor(0x0000FF);
    b.Model().SetHoverBackColor(0xFFE0E0);
    b.Model().SetPicture(PictureValue{PictureKind::Icon, PictureOrigin::Resource, L"#1"});
    b.Model().SetPictureAlign(kPictureRightOfCaption);
    b.Model().SetPictureSize(1);
    b.Model().SetBackColor(0x8000000F);
    b.Model().SetMode(kCheckBox);
    b.Model().SetValue(true);
    b.Model().SetMouseIcon(PictureFromFile(pictures.cursor));
    b.Model().SetShowFocusRect(false);
    b.Model().SetEnabled(false);
}

TEST_F(XoButtonTest, EveryPropertySurvivesSavingAndReloadingThroughTheTextBag) {
    TestPictures pictures;
    auto configured = Create();
    Configure(*configured, pictures);
    auto plain = Create();
    EXPECT_FALSE(IsWindowEnabled(configured->hWnd())) << "Enabled follows to the window";

    std::vector<NamedBag> bags(2);
    bags[0].Name = L"cmdConfigured";
    configured->Model().WriteProperties(bags[0].Bag);
    bags[1].Name = L"cmdPlain";
    plain->Model().WriteProperties(bags[1].Bag);
    const std::wstring file = pictures.folder / L"buttons.txt";
    ASSERT_TRUE(ReplaceFileContent(file, CodePageFromWide(FormatBags(bags), CP_UTF8)));

    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(file, bytes));
    const auto loaded = ParseBags(WideFromCodePage(bytes, CP_UTF8));
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->size(), 2u);
    const xoButtons_H* originals[] = {configured.get(), plain.get()};
    for (std::size_t i = 0; i < 2; ++i) {
        auto reloaded = Create(kBounds, &(*loaded)[i].Bag);
        EXPECT_EQ(reloaded->Model().Members(), originals[i]->Model().Members()) << "button " << i;
        EXPECT_EQ(reloaded->Model().WindowValues(), originals[i]->Model().WindowValues()) << "button " << i;
        EXPECT_EQ(IsWindowEnabled(reloaded->hWnd()), IsWindowEnabled(originals[i]->hWnd())) << "button " << i;
        const LOGFONTW a = SelectedFont(reloaded->CurrentObjects().BufferDC);
        const LOGFONTW b = SelectedFont(originals[i]->CurrentObjects().BufferDC);
        EXPECT_EQ(std::wstring(a.lfFaceName), std::wstring(b.lfFaceName));
        EXPECT_EQ(a.lfHeight, b.lfHeight);
        EXPECT_EQ(a.lfUnderline, b.lfUnderline);
    }
}

// Regions: the window region at named pixels.

Gdi<HRGN> WindowRegion(HWND hwnd) {
    Gdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    GetWindowRgn(hwnd, region.get());
    return region;
}

struct RegionCase {
    const char* name;
    int shape, style, width, height;
    std::vector<Point> inside, outside;
    bool disabled = false, enabledAgain = false;
};

TEST_F(XoButtonTest, WindowRegionsFollowShapeAndStyle) {
    // clang-format off
    const RegionCase cases[] = {
        {"rectangle", kRectangle, 0, 60, 24, {{0, 0}, {59, 0}, {0, 23}, {59, 23}, {60, 24}}, {{61, 0}, {0, 25}}},
        {"left slant", kLeftSlant, 0, 60, 20, {{3, 2}, {25, 18}, {59, 0}, {59, 19}}, {{2, 10}, {8, 19}}},
        {"both slants, 40 x 20", kBothSlants, 0, 40, 20, {{10, 5}, {30, 15}, {5, 1}, {35, 19}}, {{2, 15}, {35, 5}}},
        {"ButtonStyle 1 pixel corners", kRectangle, 1, 60, 24, {{1, 0}, {0, 1}, {58, 23}, {59, 22}},
         {{0, 0}, {0, 23}, {59, 23}, {59, 0}}},
        {"ButtonStyle 2 triangles", kRectangle, 2, 60, 24, {{2, 0}, {1, 1}, {0, 2}, {57, 0}, {58, 1}, {2, 23}, {1, 22}, {58, 22}},
         {{0, 0}, {1, 0}, {0, 1}, {58, 0}, {59, 0}, {59, 1}, {0, 22}, {0, 23}, {1, 23}, {59, 22}, {58, 23}, {59, 23}}},
        {"right slant, ButtonStyle 7: the left corners only", kRightSlant, 7, 60, 24, {{2, 0}, {2, 23}, {35, 0}, {58, 23}},
         {{0, 0}, {1, 0}, {0, 1}, {0, 22}, {0, 23}, {1, 23}, {50, 2}, {59, 5}}},
        {"ButtonShape 1, ButtonStyle 1: the right corners only", kLeftSlant, 1, 60, 24, {{2, 0}, {58, 0}, {58, 23}},
         {{59, 0}, {59, 23}}},
        {"ellipse", kEllipse, 0, 60, 24, {{30, 12}, {1, 12}, {30, 0}}, {{0, 0}, {59, 0}, {0, 23}, {59, 23}}},
        {"ButtonStyle 3 disabled: square corners",
         kRectangle,
         3,
         60,
         24,
         {{0, 0}, {0, 23}, {59, 23}, {59, 0}},
         {},
         true},
        {"ButtonStyle 3 enabled again: round corners", kRectangle, 3, 60, 24, {{1, 0}}, {{0, 0}, {59, 23}}, true, true},
    };
    // clang-format on
    for (const RegionCase& c : cases) {
        auto button = Create({0, 0, c.width, c.height});
        button->Model().SetButtonStyle(c.style);
        button->Model().SetButtonShape(c.shape);
        if (c.disabled) button->Model().SetEnabled(false);
        if (c.enabledAgain) button->Model().SetEnabled(true);
        const Gdi<HRGN> region = WindowRegion(button->hWnd());
        for (const Point& p : c.inside)
            EXPECT_TRUE(PtInRegion(region.get(), p.x, p.y)) << c.name << ": " << PointText(p) << " inside";
        for (const Point& p : c.outside)
            EXPECT_FALSE(PtInRegion(region.get(), p.x, p.y)) << c.name << ": " << PointText(p) << " outside";
    }
}

TEST_F(XoButtonTest, ANarrowSlantedButtonWidensToKeepItsFace) {
    auto button = Create({0, 0, 22, 20});
    button->Model().SetButtonShape(kLeftSlant);
    RECT client{};
    GetClientRect(button->hWnd(), &client);
    EXPECT_EQ(client.right, 27);
    EXPECT_EQ(button->Model().Members().LeftSlantX, 21);
    EXPECT_EQ(button->Model().Members().RightSlantX, 27);
    EXPECT_FALSE(button->Model().Members().DrawingDelayed);
    EXPECT_EQ(button->CurrentObjects().bitmap ? BitmapSize(button->CurrentObjects().bitmap).cx : 0, 27);
    EXPECT_TRUE(PtInRegion(WindowRegion(button->hWnd()).get(), 27, 20));

    // A delay the caller set outlasts a widening on the way.
    auto grouped = Create({0, 0, 60, 20});
    grouped->Model().SetButtonShape(kLeftSlant);
    grouped->Model().DelayDrawing(true);
    MoveWindow(grouped->hWnd(), 0, 0, 22, 20, FALSE);
    grouped->Model().SetButtonStyle(2);
    GetClientRect(grouped->hWnd(), &client);
    EXPECT_EQ(client.right, 27);
    EXPECT_TRUE(grouped->Model().Members().DrawingDelayed);
}

TEST_F(XoButtonTest, EllipsesClipTheirDrawingInsideARimExceptButtonStyle5) {
    auto button = Create();
    button->Model().SetButtonShape(kEllipse);
    auto objects = button->CurrentObjects();
    ASSERT_TRUE(objects.ClipRegion);
    Gdi<HRGN> clip(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetClipRgn(objects.BufferDC, clip.get()), 1);
    EXPECT_FALSE(PtInRegion(clip.get(), 0, 15)) << "the rim lies outside the clip";
    EXPECT_TRUE(PtInRegion(clip.get(), 1, 15));
    const Colour face = button->Model().Members().FaceColor;
    const TestSurface rim(objects.BufferDC, 100, 30);
    EXPECT_NE(rim.Pixel(0, 15), face) << "the rim is shaded";

    // 4 -> 0 takes the clip out of the surface and deletes it.
    const HRGN old = objects.ClipRegion;
    button->Model().SetButtonShape(kRectangle);
    objects = button->CurrentObjects();
    EXPECT_FALSE(objects.ClipRegion);
    EXPECT_FALSE(Alive(old));
    EXPECT_EQ(GetClipRgn(objects.BufferDC, clip.get()), 0);
    EXPECT_TRUE(PixelIs(TestSurface(objects.BufferDC, 100, 30), {0, 15}, 0xFFFFFF))
        << "the outer edge is drawn unclipped";

    button->Model().SetButtonStyle(5);
    button->Model().SetButtonShape(kEllipse);
    objects = button->CurrentObjects();
    EXPECT_FALSE(objects.ClipRegion);
    EXPECT_EQ(GetClipRgn(objects.BufferDC, clip.get()), 0);
    EXPECT_TRUE(PixelIs(TestSurface(objects.BufferDC, 100, 30), {0, 15}, face)) << "no rim";
}

// Pipeline: composing off-screen and showing the image.

// Counts the paint messages a window receives.
class PaintCounter {
public:
    explicit PaintCounter(HWND hwnd) : hwnd_(hwnd) {
        SetWindowSubclass(hwnd, Count, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~PaintCounter() { RemoveWindowSubclass(hwnd_, Count, 1); }
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;
    int paints = 0;

private:
    static LRESULT CALLBACK Count(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
        if (msg == WM_PAINT) ++reinterpret_cast<PaintCounter*>(self)->paints;
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    HWND hwnd_;
};

// What the screen shows of a window's client area.
TestSurface OnScreen(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const WindowDC dc(hwnd);
    return TestSurface(dc.get(), client.right, client.bottom);
}

// An 80 x 24 button on a form on the screen, all its paints done; the
// paints after that counted.
class ShownButtonTest : public ::testing::Test {
protected:
    ShownButtonTest() {
        SettlePaints();
        counter.paints = 0;
    }
    // Lets every pending paint of the form and the button happen.
    void SettlePaints() {
        EXPECT_TRUE(PumpUntil(
            [&] {
                return !GetUpdateRect(form.hwnd(), nullptr, FALSE) && !GetUpdateRect(button->hWnd(), nullptr, FALSE);
            },
            5000));
    }

    TestForm form{true};
    ButtonSite site{form.hwnd(), L"cmdShown"};
    std::unique_ptr<xoButtons_H> button = CreateXoButton(form.hwnd(), 5, {10, 10, 90, 34}, site, nullptr);
    PaintCounter counter{button->hWnd()};
};

TEST_F(ShownButtonTest, ARefreshShowsTheNewImageAtOnceInOnePaint) {
    button->Model().SetBackColor(0x0000C0);
    EXPECT_EQ(counter.paints, 1);
    EXPECT_TRUE(PixelIs(OnScreen(button->hWnd()), {40, 12}, 0x0000C0)) << "shown without waiting for the message loop";
    EXPECT_NE(SendMessageW(button->hWnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(button->hDC()), 0), 0)
        << "the background is never erased under the image";
}

TEST_F(ShownButtonTest, DelayDrawingGroupsChangesIntoOneRedraw) {
    const Colour before = TestSurface(button->CurrentObjects().BufferDC, 80, 24).Pixel(40, 12);
    button->Model().DelayDrawing(true);
    button->Model().SetBackColor(0x00C000);
    button->Model().SetCaption(L"Later");
    button->Model().SetButtonStyle(1);
    EXPECT_EQ(counter.paints, 0);
    EXPECT_TRUE(PixelIs(TestSurface(button->CurrentObjects().BufferDC, 80, 24), {40, 12}, before))
        << "nothing composed yet";
    button->Model().DelayDrawing(false);
    EXPECT_EQ(counter.paints, 1);
    SettlePaints();
    EXPECT_EQ(counter.paints, 1) << "the region change left no paint of its own behind";
    EXPECT_TRUE(PixelIs(OnScreen(button->hWnd()), {40, 12}, 0x00C000));
}

TEST_F(ShownButtonTest, APaintWhileDelayedRedrawsAndEndsTheDelay) {
    button->Model().DelayDrawing(true);
    button->Model().SetBackColor(0xC00000);
    RedrawWindow(button->hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_FALSE(button->Model().Members().DrawingDelayed);
    EXPECT_TRUE(PixelIs(TestSurface(button->CurrentObjects().BufferDC, 80, 24), {40, 12}, 0xC00000));
    EXPECT_TRUE(PixelIs(OnScreen(button->hWnd()), {40, 12}, 0xC00000));
}

TEST_F(ShownButtonTest, TheCopiedBlockFollowsAResize) {
    MoveWindow(button->hWnd(), 10, 10, 120, 30, TRUE);
    SettlePaints();
    const TestSurface composed(button->CurrentObjects().BufferDC, 120, 30);
    const TestSurface shown = OnScreen(button->hWnd());
    ASSERT_EQ(shown.width(), 120);
    for (Point p : {Point{119, 29}, Point{100, 20}})
        EXPECT_TRUE(PixelIs(shown, p, composed.Pixel(p.x, p.y))) << "as composed";
    EXPECT_TRUE(PixelIs(shown, {119, 15}, 0x000000)) << "the outer right edge of the new size";
    EXPECT_TRUE(PixelIs(TestSurface(button->hWnd()), {119, 29}, 0x000000)) << "printing copies the same block";
}

TEST_F(XoButtonTest, ATerminateBeforeAnyResizeReleasesNothingAndDoesNotFail) {
    const auto windowless = [&] {
        xoButtons_H button(site);
        button.Model().InitProperties();
        button.Model().SetButtonShape(5);
        button.Model().Refresh();
        EXPECT_FALSE(button.CurrentObjects().BufferDC) << "no surface before the first resize";
    };
    windowless();  // the system's own objects, made at first use, stay
    const auto before = LiveGdiObjects();
    windowless();
    EXPECT_EQ(LiveGdiObjects(), before);
}

// Resources: nothing made during a redraw outlives it.

void DrawEveryWay(xoButtons_H& button, int i) {
    const bool icon = i % 2 == 0;
    button.Model().DelayDrawing(true);
    button.Model().SetFont(FontValue{i % 3 ? L"Tahoma" : L"Arial", 8.25 + i % 4});
    button.Model().SetPicture(
        PictureValue{icon ? PictureKind::Icon : PictureKind::Bitmap, PictureOrigin::Resource, icon ? L"#1" : L"#3"});
    button.Model().SetCaptionStyle(i % 3);
    button.Model().SetButtonStyle(i % 8);
    button.Model().SetButtonShape((i / 8) % 7);
    button.Model().SetGradientMode((i / 56) % 5);
    button.Model().SetMode((i / 3) % 3);
    if (button.Model().Mode() != kCommandButton) button.Model().SetValue(i % 2 == 0);
    button.Model().SetEnabled(i % 5 != 0);
    button.Model().DelayDrawing(false);
}

// Every style, shape, gradient, mode, font, picture, caption style and
// interaction state along the way.
void RedrawEveryWay(xoButtons_H& button, int redraws) {
    for (int i = 0; i < redraws; ++i) {
        if (i % 20 == 0) DrawEveryWay(button, i / 20);
        const std::uint8_t flags[] = {0, kDefaultLook, kPressedIn, kPointerOver, kDefaultLook | kPressedIn};
        button.Model().ShowInteractionState({flags[i % 5], i % 3 == 0, i % 4 == 0});
    }
    DrawEveryWay(button, 0);
}

TEST_F(XoButtonTest, RedrawsAndResizesLeaveTheGdiObjectCountFlat) {
    auto button = Create();
    // The system keeps a few objects of its own from the first time it
    // draws some things (focus rectangles); a leak grows with every redraw.
    RedrawEveryWay(*button, 1200);
    const auto objects = button->CurrentObjects();
    const auto before = LiveGdiObjects();
    RedrawEveryWay(*button, 10000);
    for (int i = 0; i < 1000; ++i) MoveWindow(button->hWnd(), 10, 10, 60 + i % 90, 20 + i % 40, TRUE);
    MoveWindow(button->hWnd(), 10, 10, 100, 30, TRUE);
    EXPECT_EQ(LiveGdiObjects(), before);
    EXPECT_EQ(button->CurrentObjects().BufferDC, objects.BufferDC);
}

}  // namespace
