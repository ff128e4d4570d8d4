#include "gallery/gallery_window_win.h"

#include <algorithm>

namespace {

constexpr DWORD kGalleryStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kFirstButtonId = 100;

PictureRef GalleryPictureRef(GalleryPicture picture) {
    switch (picture) {
    case GalleryPicture::Icon: return PictureValue{PictureKind::Icon, PictureOrigin::Resource, L"GALLERY_ICON"};
    case GalleryPicture::Bitmap: return PictureValue{PictureKind::Bitmap, PictureOrigin::Resource, L"GALLERY_BITMAP"};
    case GalleryPicture::None: break;
    }
    return std::nullopt;
}

RECT ToRect(const ButtonRect& r) { return {r.left, r.top, r.right, r.bottom}; }

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

    WindowSpec spec;
    spec.className = kGalleryClass;
    spec.background = GetSysColorBrush(COLOR_BTNFACE);
    spec.title = kGalleryTitle;
    spec.style = kGalleryStyle | WS_CLIPCHILDREN;
    spec.bounds = {x, y, x + width, y + height};
    if (!CreateOwnWindow(spec)) return false;
    site_.emplace(hwnd(), kGalleryTitle);
    for (const GalleryHeading& heading : layout_.headings) AddHeading(heading);
    for (const GalleryButton& button : layout_.buttons) AddButton(button);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
    return true;
}

void GalleryWindow::AddHeading(const GalleryHeading& heading) {
    const RECT r = ToRect(heading.bounds);
    HWND label = CreateWindowExW(0, L"STATIC", heading.text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, r.left,
                                 r.top, r.right - r.left, r.bottom - r.top, hwnd(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

void GalleryWindow::AddButton(const GalleryButton& spec) {
    const int id = kFirstButtonId + static_cast<int>(buttons_.size());
    std::unique_ptr<xoButtons_H> button = CreateXoButton(hwnd(), id, ToRect(spec.bounds), *site_, nullptr);
    if (!button) return;
    button->SetCaption(spec.caption);
    button->SetButtonStyle(spec.style);
    button->SetButtonShape(spec.shape);
    button->SetGradientColor(spec.gradientColor);
    button->SetGradientMode(spec.gradientMode);
    button->SetBackColor(spec.backColor);
    button->SetMode(spec.mode);
    button->SetValue(spec.value);
    button->SetCaptionStyle(spec.captionStyle);
    button->SetCaptionAlign(spec.captionAlign);
    if (const PictureRef picture = GalleryPictureRef(spec.picture)) {
        button->SetPicture(picture);
        button->SetPictureAlign(spec.pictureAlign);
        button->SetPictureSize(spec.pictureSize);
    }
    button->SetEnabled(spec.enabled);
    if (spec.held) button->ShowInteractionState(*spec.held);
    buttons_.push_back(std::move(button));
}

LRESULT GalleryWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefaultProc(msg, wp, lp);
}
