#include "controls/buttons/xo_buttons_win.h"

#include <gtest/gtest.h>

#include <vector>

#include "controls/buttons/bag_text.h"
#include "controls/buttons/button_site_win.h"
#include "controls/buttons/test_pictures_win.h"
#include "platform/files_win.h"
#include "platform/screen_win.h"
#include "platform/text_win.h"

namespace {

// Wine's GetGuiResources always answers 0, so ownership is also checked on
// the handles themselves: a deleted object has no type any more.
DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }
bool Alive(HGDIOBJ h) { return GetObjectType(h) != 0; }

class TestForm final : public Window {
public:
    TestForm() {
        WindowSpec spec;
        spec.className = L"DurnwickButtonTestForm";
        spec.title = L"Buttons";
        spec.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
        spec.bounds = {0, 0, 400, 300};
        EXPECT_TRUE(CreateOwnWindow(spec));
    }
    ~TestForm() override { DestroyOwnWindow(); }
};

class DesignHost final : public ButtonHost {
public:
    explicit DesignHost(HWND form) : form_(form) {}
    bool displayAsDefault = false;
    std::vector<std::wstring> messages;

    bool UserMode() const override { return false; }
    std::wstring DisplayName() const override { return L"cmdDesign"; }
    Colour BackColor() const override { return kButtonFace; }
    bool DisplayAsDefault() const override { return displayAsDefault; }
    std::uintptr_t ContainerWindow() const override { return reinterpret_cast<std::uintptr_t>(form_); }
    void PropertyChanged(const std::wstring&) override {}
    void ShowMessage(const std::wstring& text, const std::wstring&, MessageIcon) override { messages.push_back(text); }

private:
    HWND form_;
};

class XoButtonTest : public ::testing::Test {
protected:
    std::unique_ptr<xoButtons_H> Create(const PropertyBag* bag = nullptr, ButtonHost* on = nullptr) {
        return CreateXoButton(form.hwnd(), 101, {10, 10, 110, 40}, on ? *on : site, bag);
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

TEST_F(XoButtonTest, LivesInAChildWindowWithItsOwnSurface) {
    auto button = Create();
    ASSERT_TRUE(button);
    const HWND hwnd = button->hWnd();
    EXPECT_EQ(GetParent(hwnd), form.hwnd());
    EXPECT_EQ(GetDlgCtrlID(hwnd), 101);
    wchar_t className[32]{};
    GetClassNameW(hwnd, className, 32);
    EXPECT_STREQ(className, L"xoButtons_H");
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(WindowFromDC(button->hDC()), hwnd);
    EXPECT_EQ(button->Caption(), L"cmdAdd");
    EXPECT_EQ(button->WindowValues().Tag, std::to_wstring(reinterpret_cast<std::uintptr_t>(form.hwnd())));

    const auto objects = button->CurrentObjects();
    ASSERT_TRUE(objects.BufferDC);
    EXPECT_EQ(GetCurrentObject(objects.BufferDC, OBJ_BITMAP), objects.bufferBitmap);
    EXPECT_EQ(BitmapSize(objects.bufferBitmap).cx, 100);
    EXPECT_EQ(BitmapSize(objects.bufferBitmap).cy, 30);
    EXPECT_EQ(GetCurrentObject(objects.BufferDC, OBJ_PEN), objects.pen);
    EXPECT_EQ(GetCurrentObject(objects.BufferDC, OBJ_BRUSH), objects.brush);
    EXPECT_EQ(GetCurrentObject(objects.BufferDC, OBJ_FONT), objects.font);
    EXPECT_EQ(button->ResolveSysColor(kButtonFace), static_cast<Colour>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(button->Members().FaceColor, static_cast<Colour>(GetSysColor(COLOR_BTNFACE)));
}

TEST_F(XoButtonTest, ResizeReplacesOnlyTheBufferBitmap) {
    auto button = Create();
    const auto before = button->CurrentObjects();
    MoveWindow(button->hWnd(), 0, 0, 120, 30, FALSE);
    const auto after = button->CurrentObjects();
    EXPECT_FALSE(Alive(before.bufferBitmap));
    EXPECT_EQ(GetCurrentObject(after.BufferDC, OBJ_BITMAP), after.bufferBitmap);
    EXPECT_EQ(BitmapSize(after.bufferBitmap).cx, 120);
    EXPECT_EQ(BitmapSize(after.bufferBitmap).cy, 30);
    EXPECT_EQ(after.BufferDC, before.BufferDC);
    EXPECT_EQ(after.SavedBitmap, before.SavedBitmap);
    EXPECT_EQ(after.pen, before.pen);
}

COLORREF PenColour(HGDIOBJ pen) {
    LOGPEN lp{};
    GetObjectW(pen, sizeof lp, &lp);
    return lp.lopnColor;
}

COLORREF BrushColour(HGDIOBJ brush) {
    LOGBRUSH lb{};
    GetObjectW(brush, sizeof lb, &lb);
    return lb.lbColor;
}

TEST_F(XoButtonTest, SetDrawingToolHoldsOnePenAndOneBrushOfItsOwn) {
    auto button = Create();
    struct Call {
        DrawingTool kind;
        COLORREF colour;
        bool alsoPen;
        bool newBrush, newPen;
    };
    const Call calls[] = {
        {DrawingTool::Brush, RGB(255, 0, 0), false, true, false},
        {DrawingTool::Pen, RGB(0, 255, 0), false, false, true},
        {DrawingTool::Brush, RGB(0, 0, 255), true, true, true},
        {DrawingTool::Pen, RGB(9, 9, 9), true, false, true},
        {static_cast<DrawingTool>(7), RGB(1, 1, 1), true, false, false},  // an unknown kind does nothing
        {DrawingTool::Brush, RGB(255, 255, 255), false, true, false},
    };
    for (const Call& call : calls) {
        const auto before = button->CurrentObjects();
        button->SetDrawingTool(true, nullptr, call.kind, static_cast<Colour>(call.colour), call.alsoPen, 2, PS_SOLID);
        const auto after = button->CurrentObjects();
        const HDC dc = after.BufferDC;
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), after.pen) << "kind " << static_cast<int>(call.kind);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), after.brush) << "kind " << static_cast<int>(call.kind);
        EXPECT_EQ(after.brush != before.brush, call.newBrush) << "kind " << static_cast<int>(call.kind);
        EXPECT_EQ(after.pen != before.pen, call.newPen) << "kind " << static_cast<int>(call.kind);
        if (call.newBrush) {
            EXPECT_FALSE(Alive(before.brush)) << "replaced brush deleted";
            EXPECT_EQ(BrushColour(after.brush), call.colour);
        }
        if (call.newPen) {
            EXPECT_FALSE(Alive(before.pen)) << "replaced pen deleted";
            EXPECT_EQ(PenColour(after.pen), call.colour);
        }
    }

    const auto objects = button->CurrentObjects();
    button->SetDrawingTool(true, objects.BufferDC, DrawingTool::TextColour, kButtonText);
    EXPECT_EQ(GetTextColor(objects.BufferDC), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(button->CurrentObjects().pen, objects.pen);

    button->SetDrawingTool(false, nullptr, DrawingTool::Brush, 0);
    EXPECT_EQ(GetCurrentObject(objects.BufferDC, OBJ_PEN), objects.InitialPen);
    EXPECT_EQ(GetCurrentObject(objects.BufferDC, OBJ_BRUSH), objects.InitialBrush);
    EXPECT_FALSE(Alive(objects.pen));
    EXPECT_FALSE(Alive(objects.brush));
}

TEST_F(XoButtonTest, CaptionFontFollowsTheFontProperty) {
    auto button = Create();
    const auto first = button->CurrentObjects();
    button->SetFont(FontValue{L"Arial", 12, 700, true, false, false});
    const auto objects = button->CurrentObjects();
    EXPECT_FALSE(Alive(first.font)) << "the previous caption font is deleted";
    EXPECT_EQ(objects.InitialFont, first.InitialFont);
    EXPECT_TRUE(Alive(objects.InitialFont));

    const LOGFONTW lf = SelectedFont(objects.BufferDC);
    const int dpi = ScreenDpi();
    EXPECT_EQ(lf.lfHeight, -(12 * dpi + 36) / 72);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_FALSE(lf.lfUnderline);
    EXPECT_STREQ(lf.lfFaceName, L"Arial");

    button->SetFontStyle(8);
    const LOGFONTW underlined = SelectedFont(objects.BufferDC);
    EXPECT_EQ(underlined.lfWeight, 400);
    EXPECT_TRUE(underlined.lfUnderline);
    EXPECT_FALSE(underlined.lfItalic);

    button->SetFont(FontValue{std::wstring(40, L'x')});
    EXPECT_EQ(std::wstring(SelectedFont(objects.BufferDC).lfFaceName), std::wstring(31, L'x'));
}

TEST_F(XoButtonTest, PictureIsMeasuredFromItsFileOrResource) {
    TestPictures pictures;
    struct Case {
        PictureValue picture;
        int width, height, isIcon;
    };
    const Case cases[] = {
        {{PictureKind::Bitmap, PictureOrigin::File, pictures.bitmap}, 24, 16, 0},
        {{PictureKind::Icon, PictureOrigin::File, pictures.icon}, 16, 16, 1},
        {{PictureKind::Bitmap, PictureOrigin::Resource, L"#3"}, 24, 16, 0},
        {{PictureKind::Cursor, PictureOrigin::File, pictures.cursor}, 32, 32, 1},
        {{PictureKind::Icon, PictureOrigin::Resource, L"#1"}, 16, 16, 1},
    };
    auto button = Create();
    for (const Case& c : cases) {
        button->SetPicture(c.picture);
        EXPECT_EQ(button->Members().PictureWidth, c.width) << testing::PrintToString(c.picture.Name);
        EXPECT_EQ(button->Members().PictureHeight, c.height) << testing::PrintToString(c.picture.Name);
        EXPECT_EQ(button->Members().PictureIsIcon, c.isIcon) << testing::PrintToString(c.picture.Name);
    }
    const HANDLE shown = button->CurrentObjects().picture;
    button->SetPicture(PictureValue{PictureKind::Icon, PictureOrigin::File, pictures.folder / L"gone.ico"});
    EXPECT_EQ(button->Picture()->Name, L"#1") << "a picture that cannot be loaded is refused";
    EXPECT_EQ(button->Members().PictureWidth, 16);
    EXPECT_EQ(button->CurrentObjects().picture, shown);
}

TEST_F(XoButtonTest, MousePointerChoosesTheCursorOverTheButton) {
    TestPictures pictures;
    auto button = Create();
    const auto setCursor = [&] {
        return SendMessageW(button->hWnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(button->hWnd()),
                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    };
    button->SetMouseIcon(PictureFromFile(pictures.cursor));
    EXPECT_EQ(button->MousePointer(), 99);
    EXPECT_TRUE(setCursor());
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(GetCursor(), &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(info.xHotspot, 3u);
    EXPECT_EQ(info.yHotspot, 5u);

    button->SetMousePointer(11);
    EXPECT_TRUE(setCursor());
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
}

TEST_F(XoButtonTest, EnabledFollowsToTheWindow) {
    auto button = Create();
    button->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(button->hWnd()));
    PropertyBag bag;
    bag.Write(L"Enabled", false);
    auto loaded = Create(&bag);
    EXPECT_FALSE(IsWindowEnabled(loaded->hWnd()));
}

TEST_F(XoButtonTest, ShownInDesignModeOnTheDefaultButtonItTakesTheDefaultLook) {
    DesignHost design(form.hwnd());
    design.displayAsDefault = true;
    auto designed = Create(nullptr, &design);
    EXPECT_EQ(designed->Members().StateFlags & 1, 1);
    auto running = Create();
    EXPECT_EQ(running->Members().StateFlags & 1, 0);
}

TEST_F(XoButtonTest, DestroyingTheButtonReleasesEveryObject) {
    TestPictures pictures;
    const DWORD before = GdiObjects();
    for (bool parentFirst : {false, true}) {
        TestForm owner;
        ButtonSite ownerSite(owner.hwnd(), L"cmdGo");
        auto button = CreateXoButton(owner.hwnd(), 7, {0, 0, 80, 24}, ownerSite, nullptr);
        button->SetFont(FontValue{L"Tahoma", 10});
        button->SetPicture(PictureFromFile(pictures.bitmap));
        button->SetDrawingTool(true, nullptr, DrawingTool::Brush, RGB(1, 2, 3), true);
        const auto objects = button->CurrentObjects();
        const HGDIOBJ drawing[] = {objects.BufferDC, objects.bufferBitmap, objects.pen, objects.brush, objects.font};
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
        EXPECT_TRUE(Alive(objects.InitialPen));
        EXPECT_TRUE(Alive(objects.InitialBrush));
        EXPECT_TRUE(Alive(objects.InitialFont));
    }
    EXPECT_EQ(GdiObjects(), before);
}

void Configure(xoButtons_H& b, const TestPictures& pictures) {
    b.SetButtonShape(2);
    b.SetCaption(L"D\x00e9j\x00e0 &vu||again");
    b.SetCaptionAlign(1);
    b.SetButtonStyle(2);
    b.SetCaptionStyle(2);
    b.SetFont(FontValue{L"Tahoma", 9.75, 700, false, true, true});
    b.SetForeColor(0x000080);
    b.SetGradientMode(4);
    b.SetGradientColor(0xE0FFFF);
    b.SetHoverForeColor(0x0000FF);
    b.SetHoverBackColor(0xFFE0E0);
    b.SetPicture(PictureValue{PictureKind::Icon, PictureOrigin::Resource, L"#1"});
    b.SetPictureAlign(3);
    b.SetPictureSize(1);
    b.SetBackColor(0x8000000F);
    b.SetMode(1);
    b.SetValue(true);
    b.SetMouseIcon(PictureFromFile(pictures.cursor));
    b.SetShowFocusRect(false);
    b.SetEnabled(false);
}

TEST_F(XoButtonTest, EveryPropertySurvivesSavingAndReloadingThroughTheTextBag) {
    TestPictures pictures;
    auto configured = Create();
    Configure(*configured, pictures);
    auto plain = Create();

    EXPECT_EQ(configured->BackColor(), static_cast<Colour>(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(configured->PictureSize(), 1);
    EXPECT_EQ(configured->FontStyle(), 10);
    EXPECT_EQ(configured->HoverColorLocks(), 3);
    EXPECT_EQ(configured->WindowValues().AccessKeys, L"v");
    EXPECT_FALSE(configured->ResetDefaultColors());

    std::vector<NamedBag> bags(2);
    bags[0].Name = L"cmdConfigured";
    configured->WriteProperties(bags[0].Bag);
    bags[1].Name = L"cmdPlain";
    plain->WriteProperties(bags[1].Bag);
    const std::wstring file = pictures.folder / L"buttons.txt";
    ASSERT_TRUE(ReplaceFileContent(file, CodePageFromWide(FormatBags(bags), CP_UTF8)));

    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(file, bytes));
    const auto loaded = ParseBags(WideFromCodePage(bytes, CP_UTF8));
    ASSERT_TRUE(loaded);
    ASSERT_EQ(loaded->size(), 2u);
    const xoButtons_H* originals[] = {configured.get(), plain.get()};
    for (std::size_t i = 0; i < 2; ++i) {
        auto reloaded = Create(&(*loaded)[i].Bag);
        EXPECT_EQ(reloaded->Members(), originals[i]->Members()) << "button " << i;
        EXPECT_EQ(reloaded->WindowValues(), originals[i]->WindowValues()) << "button " << i;
        EXPECT_EQ(IsWindowEnabled(reloaded->hWnd()), IsWindowEnabled(originals[i]->hWnd()));
        const LOGFONTW a = SelectedFont(reloaded->CurrentObjects().BufferDC);
        const LOGFONTW b = SelectedFont(originals[i]->CurrentObjects().BufferDC);
        EXPECT_EQ(std::wstring(a.lfFaceName), std::wstring(b.lfFaceName));
        EXPECT_EQ(a.lfHeight, b.lfHeight);
        EXPECT_EQ(a.lfUnderline, b.lfUnderline);
    }
}

}  // namespace
