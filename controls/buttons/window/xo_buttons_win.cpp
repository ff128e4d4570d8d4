#include "controls/buttons/window/xo_buttons_win.h"

#include <windowsx.h>

#include <algorithm>
#include <cwctype>
#include <vector>

#include "controls/buttons/draw/button_styles_win.h"
#include "controls/buttons/draw/caption_win.h"
#include "controls/buttons/draw/gdi_values_win.h"
#include "controls/buttons/look/button_region.h"
#include "controls/buttons/model/colour.h"
#include "controls/buttons/model/interaction_codes.h"
#include "controls/buttons/window/button_input_win.h"

#include "platform/screen_win.h"
#include "platform/twips.h"

namespace {

// Posted to itself by the accessible object's default action.
constexpr UINT kDoDefaultAction = WM_USER + 1;

POINT ClientPoint(LPARAM lp) { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

// Standard pointers by number; 0 keeps the class cursor, 99 is MouseIcon.
const wchar_t* StandardPointer(int number) {
    static const wchar_t* const kPointers[] = {
        nullptr,      IDC_ARROW,  IDC_CROSS,   IDC_IBEAM, IDC_ICON, IDC_SIZEALL,     IDC_SIZENESW, IDC_SIZENS,
        IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT,  IDC_NO,   IDC_APPSTARTING, IDC_HELP,     IDC_SIZEALL,
    };
    return number > 0 && number < static_cast<int>(std::size(kPointers)) ? kPointers[number] : nullptr;
}

Gdi<HRGN> PolygonRegion(const Outline& outline) {
    const std::vector<POINT> points = ToPoints(outline);
    return Gdi<HRGN>(CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING));
}

Gdi<HRGN> MakeWindowRegion(const RegionPlan& plan) {
    const ButtonRect& e = plan.ellipse.value_or(ButtonRect{});
    Gdi<HRGN> region =
        plan.ellipse ? Gdi<HRGN>(CreateEllipticRgn(e.left, e.top, e.right, e.bottom)) : PolygonRegion(plan.outline);
    for (const Outline& cut : plan.cuts) {
        const Gdi<HRGN> corner = PolygonRegion(cut);
        CombineRgn(region.get(), region.get(), corner.get(), RGN_DIFF);
    }
    return region;
}

}  // namespace

xoButtons_H::~xoButtons_H() {
    DestroyOwnWindow();
    Terminate();
}

bool xoButtons_H::Create(HWND parent, int id, const RECT& bounds) {
    WindowDescriptor descriptor;
    descriptor.className = L"xoButtons_H";
    // Its own DC answers hDC for as long as the window lives.
    descriptor.classStyle = CS_DBLCLKS | CS_OWNDC;
    descriptor.style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS;
    descriptor.bounds = bounds;
    descriptor.parent = parent;
    descriptor.childId = id;
    if (!CreateOwnWindow(descriptor)) return false;
    accessibility_.emplace(hwnd(), static_cast<AccessibleButtonFacts&>(*this));
    dropTarget_.emplace(hwnd(), model_.Interaction());
    return true;
}

LRESULT xoButtons_H::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if ((msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_KEYFIRST && msg <= WM_KEYLAST))
        return OnInput(msg, wp, lp);
    switch (msg) {
    case WM_SIZE:
        // The resize its own widening causes only remakes the bitmap.
        if (widening_)
            ManageBuffer(true);
        else
            model_.Resize();
        return 0;
    case WM_SHOWWINDOW:
        if (wp) model_.Show();
        break;
    case WM_ERASEBKGND:
        return 1;  // the image covers every pixel
    case WM_PAINT:
        PaintControl();
        return 0;
    case WM_PRINTCLIENT:
        CopyBuffer(reinterpret_cast<HDC>(wp));
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lp) == HTCLIENT && SetPointer()) return TRUE;
        break;
    case WM_SETTEXT:
        model_.SetCaption(lp ? reinterpret_cast<const wchar_t*>(lp) : L"");
        return TRUE;
    case WM_CAPTURECHANGED:
        // Taken away by another window: the press ends without a click.
        if (!releasing_) {
            pressedHere_ = 0;
            model_.Interaction().CancelPress();
        }
        return 0;
    case WM_SETFOCUS:
        TakeFocus();
        return 0;
    case WM_KILLFOCUS:
        LoseFocus();
        return 0;
    case WM_GETDLGCODE:
        return DialogCode();
    case BM_CLICK:
        ClickByAccessKey();
        return 0;
    case kDoDefaultAction:
        ClickForReader();
        return 0;
    case WM_GETOBJECT:
        if (accessibility_)
            if (const LRESULT object = accessibility_->OnGetObject(wp, lp)) return object;
        break;
    case WM_DESTROY:
        model_.Interaction().EndInteraction();
        Terminate();
        break;
    }
    return DefaultProc(msg, wp, lp);
}

LRESULT xoButtons_H::OnInput(UINT msg, WPARAM wp, LPARAM lp) {
    ButtonInteraction& input = model_.Interaction();
    const auto key = static_cast<std::int16_t>(wp);
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        PressMouse(MouseButtonOf(msg), lp);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        ReleaseMouseButton(MouseButtonOf(msg), lp);
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        DoubleClickMouse(MouseButtonOf(msg));
        return 0;
    case WM_MOUSEMOVE: {
        const POINT at = ClientPoint(lp);
        input.MouseMove(MouseButtonsOf(static_cast<DWORD>(wp)), KeyboardShift(), static_cast<float>(at.x),
                        static_cast<float>(at.y));
        return 0;
    }
    case WM_KEYDOWN:
        input.KeyDown(key, KeyboardShift());
        return 0;
    case WM_CHAR:
        input.KeyPress(key);
        return 0;
    case WM_KEYUP:
        input.KeyUp(key, KeyboardShift());
        return 0;
    }
    return DefaultProc(msg, wp, lp);
}

void xoButtons_H::PressMouse(std::int16_t button, LPARAM lp) {
    // A left press takes the focus, as a push button's does; the focus may
    // already check an option button, and the click step then finds it checked.
    if (button == kLeftButton && GetFocus() != hwnd()) SetFocus(hwnd());
    pressedHere_ |= button;
    const POINT at = ClientPoint(lp);
    model_.Interaction().MouseDown(button, KeyboardShift(), static_cast<float>(at.x), static_cast<float>(at.y));
}

// The platform's click follows a release over the button of a press that
// began on it, but not the release that ends a double-click.
void xoButtons_H::ReleaseMouseButton(std::int16_t button, LPARAM lp) {
    const POINT at = ClientPoint(lp);
    const bool clicked = (pressedHere_ & button) && InsideAt(at);
    pressedHere_ &= ~button;
    releasing_ = true;
    model_.Interaction().MouseUp(button, KeyboardShift(), static_cast<float>(at.x), static_cast<float>(at.y));
    releasing_ = false;
    if (clicked) model_.Interaction().Click();
}

void xoButtons_H::DoubleClickMouse(std::int16_t button) {
    if (button == kLeftButton && GetFocus() != hwnd()) SetFocus(hwnd());
    pressedHere_ &= ~button;
    model_.Interaction().DblClick();
}

// Inside the button's shape, and not under another window.
bool xoButtons_H::InsideAt(POINT client) const {
    POINT screen = client;
    ClientToScreen(hwnd(), &screen);
    return WindowFromPoint(screen) == hwnd();
}

void xoButtons_H::TakeFocus() {
    host_.FocusChanged(true);
    model_.Interaction().GotFocus();
    if (accessibility_) accessibility_->NotifyChanges();
}

// A press the focus leaves behind would hold the button down for good: the
// release goes elsewhere.
void xoButtons_H::LoseFocus() {
    pressedHere_ = 0;
    model_.Interaction().CancelPress();
    host_.FocusChanged(false);
    if (accessibility_) accessibility_->NotifyChanges();
}

LRESULT xoButtons_H::DialogCode() const {
    return DLGC_BUTTON | DLGC_WANTARROWS | (host_.DisplayAsDefault() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

// The dialog manager found the access key of the caption. A disabled
// button, which no key or mouse reaches, is not clicked this way either.
void xoButtons_H::ClickByAccessKey() {
    if (!model_.Enabled()) return;
    if (GetFocus() != hwnd()) SetFocus(hwnd());
    const std::wstring& key = model_.WindowValues().AccessKeys;
    model_.Interaction().AccessKeyPress(key.empty() ? 0 : static_cast<std::int16_t>(towupper(key[0])));
}

void xoButtons_H::ClickForReader() {
    if (model_.Enabled()) model_.Interaction().AccessKeyPress(0);
}

AccessibleView xoButtons_H::Describe() const { return DescribeButton(model_, GetFocus() == hwnd()); }

// The reader's call returns before the click, so a modal window that a
// Click handler opens does not run inside it.
void xoButtons_H::DoDefaultAction() { PostMessageW(hwnd(), kDoDefaultAction, 0, 0); }

// The window's text is the caption, for every process that reads it: the
// dialog manager finds access keys in it, screen readers and tests read it.
void xoButtons_H::CaptionChanged() {
    if (hwnd()) DefaultProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(model_.Caption().c_str()));
}

bool xoButtons_H::SetPointer() {
    HCURSOR cursor = nullptr;
    const PictureRef& icon = model_.MouseIcon();
    if (model_.MousePointer() == 99) {
        if (mouseIcon_.source() != icon) mouseIcon_ = icon ? LoadedPicture(*icon) : LoadedPicture();
        cursor = static_cast<HCURSOR>(mouseIcon_.handle());
    } else if (const wchar_t* standard = StandardPointer(model_.MousePointer())) {
        cursor = LoadCursorW(nullptr, standard);
    }
    if (!cursor) return false;
    SetCursor(cursor);
    return true;
}

void xoButtons_H::EnabledChanged() {
    if (hwnd()) EnableWindow(hwnd(), model_.Enabled());
}

void xoButtons_H::PaintControl() {
    const PaintDC paint(hwnd());
    // A paint the system asks for always draws afresh; one that shows an
    // image just composed only copies it.
    if (!paintingComposedImage_) {
        model_.ResumeDrawing();
        Compose();
    }
    CopyBuffer(paint.get());
}

void xoButtons_H::RedrawButton() {
    if (model_.Members().DrawingDelayed) return;
    Compose();
    ManageBuffer(false);
    if (accessibility_) accessibility_->NotifyChanges();
}

void xoButtons_H::Compose() {
    // A copy, as a style changes the hover text colour while it draws the caption.
    ButtonMembers members = model_.Members();
    if (!BufferDC || members.ButtonStyle < 0 || members.ButtonStyle > kLastStyle) return;
    EdgePoints points{};
    EdgeColors colours{};
    LookState lookState = 0;
    ButtonPainter painter(*BufferDC, ClipRegion, members, Context(),
                          {model_.WindowValues(), picture_.handle(), ScreenSize()});
    kStyleRenderers[members.ButtonStyle](painter, points, colours, lookState);
}

// create True: the surface, and a new bitmap of the control's size (the
// resize handling). create False: the composed image goes on screen.
void xoButtons_H::ManageBuffer(bool create) {
    if (!create) {
        ShowBuffer();
        return;
    }
    if (!hwnd()) return;
    if (!BufferDC) CreateSurface();
    const ButtonSize size = ClientSize();
    BufferDC->Resize(size.width, size.height);
}

void xoButtons_H::CreateSurface() {
    BufferDC.emplace();
    // Captions are drawn over the face without a background box.
    SetBkMode(BufferDC->dc(), TRANSPARENT);
    ::SetDrawingTool(*BufferDC, true, nullptr, DrawingTool::Brush, kBlack, true);
    model_.ApplyProperty(L"Font");
}

void xoButtons_H::ShowBuffer() {
    if (!hwnd()) return;
    paintingComposedImage_ = true;
    InvalidateRect(hwnd(), nullptr, FALSE);
    UpdateWindow(hwnd());
    paintingComposedImage_ = false;
}

void xoButtons_H::CopyBuffer(HDC target) const {
    if (!BufferDC) return;
    const ButtonSize size = ClientSize();
    BitBlt(target, 0, 0, size.width, size.height, BufferDC->dc(), 0, 0, SRCCOPY);
}

void xoButtons_H::BuildButtonRegion(std::int32_t& leftSlantX, std::int32_t& rightSlantX) {
    if (!hwnd()) return;
    DropClipRegion(BufferDC ? BufferDC->dc() : nullptr, ClipRegion);
    const ButtonMembers& m = model_.Members();
    ButtonSize size = ClientSize();
    if (IsSlanted(m.ButtonShape)) size.width = WidenForSlant(size);
    const RegionPlan plan = PlanButtonRegion(m.ButtonShape, m.ButtonStyle, model_.Enabled(), size.width, size.height);
    leftSlantX = plan.LeftSlantX;
    rightSlantX = plan.RightSlantX;
    if (BufferDC) {
        // Later drawing is clipped away from the rim, so it lasts until the
        // next resize remakes the bitmap.
        if (plan.paintsRim) PaintRimShading(*BufferDC, size.width, size.height, ScreenSize());
        if (plan.clip) KeepClipRegion(BufferDC->dc(), ClipRegion, *plan.clip);
    }
    // The window owns the region from here on.
    SetWindowRgn(hwnd(), MakeWindowRegion(plan).release(), TRUE);
}

// Measured in the surface with the caption font, which later draws it; the
// resize that makes the surface lays the button out.
std::optional<ButtonLayout> xoButtons_H::LayoutCaptionAndPicture() {
    if (!BufferDC) return std::nullopt;
    const ButtonSize size = ClientSize();
    return ::LayoutCaptionAndPicture(BufferDC->dc(), model_.Members(), size.width, size.height);
}

// Widens a slanted button too narrow for its slant; its resize handling
// makes the new bitmap but draws nothing meanwhile. Returns the new width.
std::int32_t xoButtons_H::WidenForSlant(ButtonSize client) {
    const std::int32_t width = SlantedButtonWidth(client.width, client.height);
    if (width == client.width) return width;
    const bool widening = widening_;
    widening_ = true;
    RECT frame{};
    GetWindowRect(hwnd(), &frame);
    SetWindowPos(hwnd(), nullptr, 0, 0, frame.right - frame.left + width - client.width, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    widening_ = widening;
    return ClientSize().width;
}

LookContext xoButtons_H::Context() const {
    const ButtonSize size = ClientSize();
    return {model_.Enabled(),
            !host_.UserMode(),
            model_.ForeColor(),
            model_.ResolveSysColor(model_.ForeColor()),
            model_.ResolveSysColor(model_.GradientColor()),
            size.width,
            size.height};
}

SIZE xoButtons_H::ScreenSize() const {
    return screenSize_.value_or(SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

void xoButtons_H::SetDrawingTool(bool select, HDC surface, DrawingTool kind, Colour colour, bool alsoPen, int penWidth,
                                 int penStyle) {
    if (BufferDC) ::SetDrawingTool(*BufferDC, select, surface, kind, colour, alsoPen, penWidth, penStyle);
}

void xoButtons_H::ApplyFont() {
    const FontValue& font = model_.Font();
    LOGFONTW lf{};
    lf.lfHeight = FontHeightPixels(font.Size, TwipsPerPixel(ScreenDpi()));
    lf.lfWeight = font.Weight;
    lf.lfItalic = font.Italic;
    lf.lfUnderline = font.Underline;
    lf.lfStrikeOut = font.Strikethrough;
    lf.lfCharSet = DEFAULT_CHARSET;
    const std::size_t length = std::min(font.Name.size(), std::size(lf.lfFaceName) - 1);
    std::copy_n(font.Name.begin(), length, lf.lfFaceName);
    // The surface applies the font once it exists; a font that cannot be
    // made leaves the previous one.
    if (BufferDC) BufferDC->Select(Gdi<HFONT>(CreateFontIndirectW(&lf)));
}

PictureMeasure xoButtons_H::MeasurePicture(const PictureRef& picture) {
    picture_ = picture ? LoadedPicture(*picture) : LoadedPicture();
    PictureMeasure measure;
    if (!picture_) return measure;
    BITMAP bm{};
    if (GetObjectW(picture_.handle(), sizeof bm, &bm)) {
        measure.width = bm.bmWidth;
        measure.height = bm.bmHeight;
        if (bm.bmBits) {
            measure.isIcon = 0;
            return measure;
        }
    }
    ICONINFO info{};
    if (GetIconInfo(static_cast<HICON>(picture_.handle()), &info)) {
        Gdi<HBITMAP> colour(info.hbmColor), mask(info.hbmMask);
        if (colour && GetObjectW(colour.get(), sizeof bm, &bm)) {
            measure.width = bm.bmWidth;
            measure.height = bm.bmHeight;
            measure.isIcon = 1;
        }
    }
    return measure;
}

void xoButtons_H::Terminate() {
    dropTarget_.reset();
    accessibility_.reset();
    ClipRegion.reset();
    BufferDC.reset();
}

xoButtons_H::DrawingObjects xoButtons_H::CurrentObjects() const {
    if (!BufferDC)
        return {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, ClipRegion.get(), picture_.handle()};
    const OffscreenSurface& s = *BufferDC;
    return {s.dc(),    s.bitmap(), s.initialPen(),   s.pen(),          s.initialBrush(),
            s.brush(), s.font(),   ClipRegion.get(), picture_.handle()};
}

std::unique_ptr<xoButtons_H> CreateXoButton(HWND parent, int id, const RECT& bounds, ButtonHost& host,
                                            const PropertyBag* bag) {
    auto button = std::make_unique<xoButtons_H>(host);
    if (!button->Create(parent, id, bounds)) return nullptr;
    // The window's first size came before the properties; a loaded button is
    // sized again at the end of ReadProperties, a new one here.
    if (bag) {
        button->Model().ReadProperties(*bag);
    } else {
        button->Model().InitProperties();
        button->Model().Resize();
    }
    ShowWindow(button->hWnd(), SW_SHOWNA);
    return button;
}
