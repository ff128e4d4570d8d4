#include "app/splash_win.h"

#include "app/resources.h"
#include "platform/screen_win.h"
#include "platform/twips.h"

namespace {

constexpr wchar_t kSplashClass[] = L"DurnwickSplash";
constexpr wchar_t kSplashCaption[] = L"Durnwick 2.0 - Freeware ";
constexpr DWORD kSplashStyle = WS_POPUP | WS_CAPTION | WS_BORDER;
constexpr int kClientWidthTwips = 6360;
constexpr int kClientHeightTwips = 4200;
constexpr wchar_t kLabel1Text[] = L"Freeware version";
constexpr int kLabel1Place[] = {4545, 3735, 1560, 240};
constexpr double kLabel1Points = 9.75;

}  // namespace

frmSplash::frmSplash(std::function<void()> showMain) : showMain_(std::move(showMain)) {}

frmSplash::~frmSplash() { DestroyOwnWindow(); }

void frmSplash::Show() {
    dpi_ = ScreenDpi();
    RECT frame{0, 0, TwipsToPixels(kClientWidthTwips, dpi_), TwipsToPixels(kClientHeightTwips, dpi_)};
    AdjustWindowRectEx(&frame, kSplashStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

    image1_.reset(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_SPLASH), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    LOGFONTW font{};
    font.lfHeight = FontHeightPixels(kLabel1Points, TwipsPerPixel(dpi_));
    font.lfWeight = FW_NORMAL;
    wcscpy(font.lfFaceName, L"MS Sans Serif");
    label1Font_.reset(CreateFontIndirectW(&font));

    WindowDescriptor descriptor;
    descriptor.className = kSplashClass;
    descriptor.title = kSplashCaption;
    descriptor.style = kSplashStyle;
    descriptor.bounds = {x, y, x + width, y + height};
    if (!CreateOwnWindow(descriptor)) {
        // The splash is decoration: without it the program starts at once.
        showMain_();
        return;
    }
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
    SetTimer(hwnd(), idTimer1, kTimer1IntervalMs, nullptr);
}

LRESULT frmSplash::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER:
        if (wp == idTimer1) Timer1_Timer();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        const PaintDC paint(hwnd());
        Paint(paint.get());
        return 0;
    }
    }
    return DefaultProc(msg, wp, lp);
}

void frmSplash::Timer1_Timer() {
    KillTimer(hwnd(), idTimer1);
    showMain_();
    DestroyWindow(hwnd());
}

void frmSplash::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    if (image1_) {
        MemoryDC source(CreateCompatibleDC(dc));
        Selected picture(source.get(), image1_.get());
        BITMAP info{};
        GetObjectW(image1_.get(), sizeof info, &info);
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, 0, 0, client.right, client.bottom, source.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    } else {
        FillRect(dc, &client, GetSysColorBrush(COLOR_APPWORKSPACE));
    }
    RECT label{TwipsToPixels(kLabel1Place[0], dpi_), TwipsToPixels(kLabel1Place[1], dpi_),
               TwipsToPixels(kLabel1Place[0] + kLabel1Place[2], dpi_),
               TwipsToPixels(kLabel1Place[1] + kLabel1Place[3], dpi_)};
    Selected font(dc, label1Font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0xFF, 0xFF, 0xFF));
    DrawTextW(dc, kLabel1Text, -1, &label, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}
