#include "app/main_controls_win.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/screen_win.h"
#include "platform/text.h"
#include "platform/twips.h"
#include "platform/wine_fonts_win.h"
#include "retrieval/schedule.h"

namespace {

constexpr double kButtonFontPoints = 8.25;

Gdi<HFONT> MakeFont(const wchar_t* face, double points, int weight, int dpi) {
    LOGFONTW font{};
    font.lfHeight = FontHeightPixels(points, TwipsPerPixel(dpi));
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return Gdi<HFONT>(CreateFontIndirectW(&font));
}

Gdi<HFONT> MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const std::wstring face = InstalledFace(metrics.lfMessageFont.lfFaceName);
    face.copy(metrics.lfMessageFont.lfFaceName, LF_FACESIZE - 1);
    metrics.lfMessageFont.lfFaceName[std::min<size_t>(face.size(), LF_FACESIZE - 1)] = L'\0';
    return Gdi<HFONT>(CreateFontIndirectW(&metrics.lfMessageFont));
}

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind KindOf(const ControlSpec& control) {
    switch (control.kind) {
    case ControlKind::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Label:
        return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOTIFY, 0};
    case ControlKind::ListBox:
        return {L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::OptionButton:
        return {L"BUTTON", static_cast<DWORD>(WS_TABSTOP | BS_AUTORADIOBUTTON | (control.id == idOptOriginalName ? WS_GROUP : 0)), 0};
    case ControlKind::CheckBox:
        return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX | WS_GROUP, 0};
    case ControlKind::ScrollBar:
        return {L"SCROLLBAR", WS_TABSTOP | SBS_VERT | WS_GROUP, 0};
    case ControlKind::TextBox:
        break;
    }
    DWORD style = WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL;
    if (control.id == idTxtURLs) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_HSCROLL | WS_VSCROLL;
    if (control.id == idTxtPath || control.id == idTxtAutoD) style |= ES_READONLY;
    return {L"EDIT", style, WS_EX_CLIENTEDGE};
}

}  // namespace

// Buttons are made in one place so that the owner-drawn button can replace
// the standard one without touching anything else.
HWND CreateCommandButton(HWND parent, const ControlSpec& control, const RECT& r, DWORD style) {
    return CreateWindowExW(0, L"BUTTON", control.caption, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, r.left,
                           r.top, r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), GetModuleHandleW(nullptr), nullptr);
}

RECT MainControls::PixelRect(const TwipsRect& place) const {
    const int left = TwipsToPixels(place.left, dpi_);
    const int top = TwipsToPixels(place.top, dpi_);
    return {left, top, TwipsToPixels(place.left + place.width, dpi_), TwipsToPixels(place.top + place.height, dpi_)};
}

void MainControls::Create(HWND parent) {
    dpi_ = ScreenDpi();
    ProvideWineTahoma();
    messageFont_ = MessageFont();
    buttonFont_ = MakeFont(L"Tahoma", kButtonFontPoints, FW_NORMAL, dpi_);
    boldButtonFont_ = MakeFont(L"Tahoma", kButtonFontPoints, FW_BOLD, dpi_);
    background_.reset(CreateSolidBrush(kMainBackColor));
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, TwipsToPixels(6000, dpi_));

    CreateStatusArea(parent);
    for (const ControlSpec& control : MainWindowControls()) {
        HWND window = CreateControl(parent, control);
        windows_[control.id] = window;
        if (!control.tooltip.empty()) AddTooltip(parent, window, control.tooltip);
    }
    SendMessageW(windows_[idOptOriginalName], BM_SETCHECK, BST_CHECKED, 0);
    SCROLLINFO scroll{sizeof scroll, SIF_RANGE | SIF_POS | SIF_PAGE, kSpinnerMin, kSpinnerMax, 0,
                      kSpinnerDesignValue, 0};
    SetScrollInfo(windows_[idVScroll1], SB_CTL, &scroll, TRUE);
}

int MainControls::NeededWidthTwips(const ControlSpec& control) const {
    WindowDC screen(nullptr);
    Selected font(screen.get(), messageFont_.get());
    RECT text{};
    DrawTextW(screen.get(), control.caption, -1, &text, DT_CALCRECT | DT_SINGLELINE);
    int pixels = text.right;
    if (control.kind != ControlKind::Label) pixels += GetSystemMetrics(SM_CXMENUCHECK) + 6;
    return MulDiv(pixels, kTwipsPerInch, dpi_);
}

HWND MainControls::CreateControl(HWND parent, const ControlSpec& control) {
    const WindowKind kind = KindOf(control);
    TwipsRect place = PlaceInWindow(control);
    if (control.kind == ControlKind::Label || control.kind == ControlKind::CheckBox ||
        control.kind == ControlKind::OptionButton)
        place.width = FittedWidth(control, NeededWidthTwips(control));
    const RECT r = PixelRect(place);
    HWND window = control.kind == ControlKind::Button
                       ? CreateCommandButton(parent, control, r, kind.style)
                       : CreateWindowExW(kind.exStyle, kind.className, control.caption,
                                         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style, r.left, r.top,
                                         r.right - r.left, r.bottom - r.top, parent,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                         GetModuleHandleW(nullptr), nullptr);
    HFONT font = control.kind != ControlKind::Button ? messageFont_.get()
                 : control.id == idCmdAction         ? boldButtonFont_.get()
                                                  : buttonFont_.get();
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return window;
}

void MainControls::CreateStatusArea(HWND parent) {
    // Made first so they stay above the frames; the progress bar lies over the third panel.
    const RECT bar = PixelRect(kProgressBarPlace);
    progressBar_ = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, bar.left,
                                   bar.top, bar.right - bar.left, bar.bottom - bar.top, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(idPrgBar)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(progressBar_, PBM_SETRANGE32, 0, 100);

    const RECT status = PixelRect(kStatusBarPlace);
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_NOPARENTALIGN | CCS_NORESIZE,
                                 status.left, status.top, status.right - status.left, status.bottom - status.top,
                                 parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(idSbStatus)),
                                 GetModuleHandleW(nullptr), nullptr);
    int edges[std::size(kStatusPanelWidthsTwips)];
    int twips = 0;
    for (size_t i = 0; i < std::size(edges); ++i) {
        twips += kStatusPanelWidthsTwips[i];
        edges[i] = TwipsToPixels(twips, dpi_);
    }
    SendMessageW(statusBar_, SB_SETPARTS, std::size(edges), reinterpret_cast<LPARAM>(edges));
    SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(messageFont_.get()), FALSE);
}

void MainControls::AddTooltip(HWND parent, HWND control, const std::wstring& text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

HBRUSH MainControls::ColorStatic(HDC dc, HWND control) const {
    wchar_t className[16] = {};
    GetClassNameW(control, className, std::size(className));
    if (EqualNoCase(className, L"EDIT")) return nullptr;  // read-only boxes keep the window colour
    SetBkColor(dc, kMainBackColor);
    SetTextColor(dc, control == windows_.at(idLabel3) ? kLabel3TextColor : GetSysColor(COLOR_WINDOWTEXT));
    return background_.get();
}
