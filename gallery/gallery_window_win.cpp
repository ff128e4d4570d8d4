#include "gallery/gallery_window_win.h"

#include <algorithm>

#include "controls/buttons/draw/gdi_values_win.h"

namespace {

constexpr DWORD kGalleryStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kFirstButtonId = 100;
// The log keeps the latest events only.
constexpr LRESULT kLoggedEvents = 500;

PictureRef GalleryPictureRef(GalleryPicture picture) {
    switch (picture) {
    case GalleryPicture::Icon:
        return PictureValue{PictureKind::Icon, PictureOrigin::Resource, L"GALLERY_ICON"};
    case GalleryPicture::Bitmap:
        return PictureValue{PictureKind::Bitmap, PictureOrigin::Resource, L"GALLERY_BITMAP"};
    case GalleryPicture::None:
        break;
    }
    return std::nullopt;
}

}  // namespace

GalleryWindow::~GalleryWindow() { DestroyOwnWindow(); }

bool GalleryWindow::Show() {
    RECT frame{0, 0, layout_.width, layout_.height};
    AdjustWindowRectEx(&frame, kGalleryStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    // Centred where it fits; otherwise from the top left, so the first rows show.
    const int x = work.left + std::max(0, static_cast<int>(work.right - work.left - width) / 2);
    const int y = work.top + std::max(0, static_cast<int>(work.bottom - work.top - height) / 2);

    WindowDescriptor descriptor;
    descriptor.className = kGalleryClass;
    descriptor.background = GetSysColorBrush(COLOR_BTNFACE);
    descriptor.title = kGalleryTitle;
    descriptor.style = kGalleryStyle | WS_CLIPCHILDREN;
    descriptor.exStyle = WS_EX_CONTROLPARENT;
    descriptor.bounds = {x, y, x + width, y + height};
    if (!CreateOwnWindow(descriptor)) return false;
    if (!frame_.Create(hwnd(), ToRect(layout_.frame))) return false;
    for (const GalleryHeading& heading : layout_.headings) AddHeading(heading);
    AddEventLog();
    for (const GalleryButton& button : layout_.buttons) AddButton(button);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
    return true;
}

void GalleryWindow::AddHeading(const GalleryHeading& heading) {
    const RECT r = ToRect(heading.bounds);
    HWND label =
        CreateWindowExW(0, L"STATIC", heading.text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

void GalleryWindow::AddEventLog() {
    const RECT r = ToRect(layout_.eventLog);
    eventLog_ = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"LISTBOX", L"Events", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOSEL,
        r.left, r.top, r.right - r.left, r.bottom - r.top, hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(eventLog_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    LogEvent(L"Events, the latest last");
}

void GalleryWindow::LogEvent(const std::wstring& line) {
    if (SendMessageW(eventLog_, LB_GETCOUNT, 0, 0) >= kLoggedEvents) SendMessageW(eventLog_, LB_DELETESTRING, 1, 0);
    const LRESULT at = SendMessageW(eventLog_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageW(eventLog_, LB_SETTOPINDEX, static_cast<WPARAM>(at), 0);
}

void GalleryWindow::AddButton(const GalleryButton& descriptor) {
    const int id = kFirstButtonId + static_cast<int>(Buttons().size());
    // A framed button sits on the frame, at its place within it.
    RECT bounds = ToRect(descriptor.bounds);
    if (descriptor.inFrame) OffsetRect(&bounds, -layout_.frame.left, -layout_.frame.top);
    xoButtons_H* button =
        buttons_.Add(descriptor.inFrame ? frame_.hwnd() : hwnd(), id, bounds, descriptor.caption, nullptr);
    if (!button) return;
    ButtonModel& model = button->Model();
    model.SetCaption(descriptor.caption);
    listeners_.push_back(
        std::make_unique<EventText>(descriptor.caption, [this](const std::wstring& line) { LogEvent(line); }));
    model.Listen(*listeners_.back());
    model.SetButtonStyle(descriptor.style);
    model.SetButtonShape(descriptor.shape);
    model.SetGradientColor(descriptor.gradientColor);
    model.SetGradientMode(descriptor.gradientMode);
    model.SetBackColor(descriptor.backColor);
    model.SetMode(descriptor.mode);
    model.SetValue(descriptor.value);
    model.SetCaptionStyle(descriptor.captionStyle);
    model.SetCaptionAlign(descriptor.captionAlign);
    if (const PictureRef picture = GalleryPictureRef(descriptor.picture)) {
        model.SetPicture(picture);
        model.SetPictureAlign(descriptor.pictureAlign);
        model.SetPictureSize(descriptor.pictureSize);
    }
    model.SetEnabled(descriptor.enabled);
    if (descriptor.held) model.ShowInteractionState(*descriptor.held);
}

LRESULT GalleryWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (buttons_.OnMessage(msg, wp, lp, result)) return result;
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefaultProc(msg, wp, lp);
}
