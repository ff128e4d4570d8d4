#include "app/main_controls_win.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>

#include "app/resources.h"
#include "app/spinner.h"
#include "controls/buttons/window/bag_resource_win.h"
#include "platform/screen_win.h"
#include "platform/text.h"
#include "platform/twips.h"
#include "platform/window_text_win.h"
#include "platform/wine_fonts_win.h"

namespace {

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

WindowKind KindOf(const ControlDesign& control) {
    switch (control.kind) {
    case ControlKind::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Label:
        return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOTIFY, 0};
    case ControlKind::ListBox:
        // The queue draws each entry's result before its address.
        return {L"LISTBOX",
                WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                WS_EX_CLIENTEDGE};
    case ControlKind::OptionButton:
        return {L"BUTTON",
                static_cast<DWORD>(WS_TABSTOP | BS_AUTORADIOBUTTON | (control.id == idOptOriginalName ? WS_GROUP : 0)),
                0};
    case ControlKind::CheckBox:
        return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX | WS_GROUP, 0};
    case ControlKind::ScrollBar:
        return {L"SCROLLBAR", WS_TABSTOP | SBS_VERT | WS_GROUP, 0};
    case ControlKind::Button:
    case ControlKind::TextBox:
        break;
    }
    DWORD style = WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL;
    if (control.id == idTxtURLs) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_HSCROLL | WS_VSCROLL;
    if (control.id == idTxtPath || control.id == idTxtAutoD) style |= ES_READONLY;
    return {L"EDIT", style, WS_EX_CLIENTEDGE};
}

bool HasCaption(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::CheckBox || kind == ControlKind::OptionButton;
}

// The room a caption needs in its control's own font; a check box or option
// button says itself how wide it needs to be, mark and all.
CaptionRoom NeededRoom(HWND control, ControlKind kind) {
    SIZE ideal{};
    if (kind != ControlKind::Label && SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)))
        return {ideal.cx, ideal.cy};
    const std::wstring text = WindowText(control);
    WindowDC screen(nullptr);
    Selected font(screen.get(), reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT extent{};
    DrawTextW(screen.get(), text.c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE);
    if (kind != ControlKind::Label) extent.right += GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE);
    return {extent.right, extent.bottom};
}

// The URL box is multi-line, so it asks for every key; Tab and Escape are
// left to the dialog manager, which moves the focus on and ignores Escape,
// as in every other box. The box itself would send the window a request to
// move on, which only a dialog understands, and close it on Escape.
LRESULT CALLBACK UrlBoxProc(HWND box, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_GETDLGCODE) {
        LRESULT code = DefSubclassProc(box, msg, wp, lp);
        const auto* key = reinterpret_cast<const MSG*>(lp);
        if (key && key->message == WM_KEYDOWN && (key->wParam == VK_TAB || key->wParam == VK_ESCAPE))
            code &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        return code;
    }
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(box, UrlBoxProc, 0);
    return DefSubclassProc(box, msg, wp, lp);
}

const PropertyBag* BagOf(const std::optional<std::vector<NamedBag>>& bags, const wchar_t* name) {
    if (!bags) return nullptr;
    for (const NamedBag& bag : *bags)
        if (EqualNoCase(bag.Name, name)) return &bag.Bag;
    return nullptr;
}

RECT ToRect(const PixelBox& box) { return {box.left, box.top, box.right, box.bottom}; }

}  // namespace

void MainControls::Create(HWND parent, std::function<void(ControlId)> clicked) {
    dpi_ = ScreenDpi();
    ProvideWineTahoma();
    messageFont_ = MessageFont();
    background_.reset(CreateSolidBrush(kMainBackColor));
    tooltip_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, TwipsToPixels(6000, dpi_));

    CreateStatusArea(parent);
    const std::optional<std::vector<NamedBag>> bags = LoadBagResource(IDR_MAIN_BUTTONS);
    const MainPlaces design = DesignPlaces(dpi_);
    hintBox_ = design.hintBox;
    for (const ControlDesign& control : MainWindowControls()) {
        const PixelBox& place = design.controls.at(control.id);
        if (control.kind == ControlKind::Button)
            CreateButton(parent, control, place, BagOf(bags, control.name), clicked);
        else
            windows_[control.id] = CreateControl(parent, control, place);
        if (!control.tooltip.empty()) AddTooltip(parent, windows_[control.id], control.tooltip);
    }
    SetWindowSubclass(windows_[idTxtURLs], UrlBoxProc, 0, 0);
    SendMessageW(windows_[idOptOriginalName], BM_SETCHECK, BST_CHECKED, 0);
    SCROLLINFO scroll{
        sizeof scroll, SIF_RANGE | SIF_POS | SIF_PAGE, kSpinnerMin, kSpinnerMax, 0, kSpinnerDesignValue, 0};
    SetScrollInfo(windows_[idVScroll1], SB_CTL, &scroll, TRUE);
    FitCaptionsToFonts();
}

HWND MainControls::CreateControl(HWND parent, const ControlDesign& control, const PixelBox& place) {
    const WindowKind kind = KindOf(control);
    HWND window = CreateWindowExW(
        kind.exStyle, kind.className, control.caption, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style, place.left,
        place.top, place.width(), place.height(), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(messageFont_.get()), FALSE);
    return window;
}

// A button takes its properties from the program's stored bag; the window
// hears only of its clicks.
void MainControls::CreateButton(HWND parent, const ControlDesign& control, const PixelBox& place,
                                const PropertyBag* bag, const std::function<void(ControlId)>& clicked) {
    xoButtons_H* button = buttons_.Add(parent, control.id, ToRect(place), control.name, bag);
    if (!button) return;
    button->Model().Listen(relays_.emplace_back([clicked, id = control.id] { clicked(id); }));
    buttonsById_[control.id] = button;
    windows_[control.id] = button->hWnd();
}

void MainControls::FitCaptionsToFonts() {
    std::map<ControlId, CaptionRoom> rooms;
    for (const ControlDesign& control : MainWindowControls())
        if (HasCaption(control.kind)) rooms[control.id] = NeededRoom(windows_.at(control.id), control.kind);
    const MainPlaces fitted = FitCaptions(dpi_, rooms);
    for (const auto& [id, box] : fitted.controls)
        SetWindowPos(windows_.at(id), nullptr, box.left, box.top, box.width(), box.height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    hintBox_ = fitted.hintBox;
}

RECT MainControls::HintBox() const { return ToRect(hintBox_); }

void MainControls::CreateStatusArea(HWND parent) {
    // Made first so they stay above the frames; the progress bar lies over the third panel.
    const PixelBox bar = ToPixels(kProgressBarPlace, dpi_);
    progressBar_ =
        CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, bar.left, bar.top,
                        bar.width(), bar.height(), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(idPrgBar)),
                        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(progressBar_, PBM_SETRANGE32, 0, 100);

    const PixelBox status = ToPixels(kStatusBarPlace, dpi_);
    statusBar_ = CreateWindowExW(
        0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_NOPARENTALIGN | CCS_NORESIZE,
        status.left, status.top, status.width(), status.height(), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(idSbStatus)), GetModuleHandleW(nullptr), nullptr);
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
