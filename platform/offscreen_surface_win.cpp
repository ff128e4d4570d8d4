#include "platform/offscreen_surface_win.h"

#include <utility>

Gdi<HBITMAP> CreateColourBitmap(int width, int height, std::uint32_t** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* memory = nullptr;
    Gdi<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0));
    if (bits) *bits = static_cast<std::uint32_t*>(memory);
    return bitmap;
}

OffscreenSurface::OffscreenSurface() : dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_) return;
    savedState_ = SaveDC(dc_.get());
    initialPen_ = GetCurrentObject(dc_.get(), OBJ_PEN);
    initialBrush_ = GetCurrentObject(dc_.get(), OBJ_BRUSH);
}

OffscreenSurface::~OffscreenSurface() {
    // Selected objects cannot be deleted; the members delete them after this.
    if (dc_ && savedState_) RestoreDC(dc_.get(), savedState_);
}

void OffscreenSurface::Resize(int width, int height) {
    if (!dc_) return;
    // Compatible with the screen: a bitmap compatible with the memory DC
    // itself would be monochrome.
    const WindowDC screen(nullptr);
    Gdi<HBITMAP> bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    if (!bitmap) return;
    Replace(bitmap_, std::move(bitmap));
    size_ = {width, height};
}

template <typename H>
void OffscreenSurface::Replace(Gdi<H>& held, Gdi<H> object) {
    if (!dc_ || !object) return;
    SelectObject(dc_.get(), object.get());
    held = std::move(object);
}

void OffscreenSurface::Select(Gdi<HPEN> pen) { Replace(pen_, std::move(pen)); }
void OffscreenSurface::Select(Gdi<HBRUSH> brush) { Replace(brush_, std::move(brush)); }
void OffscreenSurface::Select(Gdi<HFONT> font) { Replace(font_, std::move(font)); }

void OffscreenSurface::PutBackInitialPenAndBrush() {
    if (!dc_) return;
    SelectObject(dc_.get(), initialBrush_);
    brush_.reset();
    SelectObject(dc_.get(), initialPen_);
    pen_.reset();
}
