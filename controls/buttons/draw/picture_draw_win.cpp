#include "controls/buttons/draw/picture_draw_win.h"

#include <utility>

#include "controls/buttons/look/caption_layout.h"
#include "controls/buttons/model/colour.h"
#include "platform/handles_win.h"
#include "platform/offscreen_surface_win.h"

namespace {

// Paints the brush where the source is black and keeps the destination where
// it is white, bit by bit.
constexpr DWORD kBrushWhereBlack = 0xB8074A;
// Destination AND NOT source.
constexpr DWORD kClearWhereSet = 0x220326;
// The emboss shades are taken from a light grey, whatever the face.
constexpr Colour kEmbossBase = 0xC0C0C0;
constexpr int kEmbossShade = 36;

// A memory surface holding a bitmap of its own; the surface's first bitmap
// goes back in before either is deleted.
class Scratch {
public:
    Scratch(HDC compatibleWith, Gdi<HBITMAP> bitmap)
        : dc_(CreateCompatibleDC(compatibleWith)), bitmap_(std::move(bitmap)), selected_(dc_.get(), bitmap_.get()) {}
    HDC get() const { return dc_.get(); }

private:
    MemoryDC dc_;
    Gdi<HBITMAP> bitmap_;
    Selected selected_;
};

// The picture at the rectangle's size, its only scaling: a bitmap as a
// copy of that size, an icon scaled by the system as it is drawn. Copying
// an icon instead costs Wine a round trip to its server for the copy and
// another for destroying it, three times the rest of a redraw.
struct ScaledPicture {
    HICON icon = nullptr;  // the button's own
    Gdi<HBITMAP> bitmap;
    explicit operator bool() const { return icon || bitmap; }
};

ScaledPicture ScaledCopy(HANDLE picture, bool isIcon, PixelSize size) {
    if (isIcon) return {static_cast<HICON>(picture), {}};
    BITMAP original{};
    if (!GetObjectW(picture, sizeof original, &original)) return {};
    ScaledPicture scaled{nullptr, CreateColourBitmap(size.width, size.height)};
    const MemoryDC from(CreateCompatibleDC(nullptr)), to(CreateCompatibleDC(nullptr));
    const Selected source(from.get(), static_cast<HBITMAP>(picture)), target(to.get(), scaled.bitmap.get());
    // Whole pixels of the original, never blends, so the key colour stays exact.
    SetStretchBltMode(to.get(), COLORONCOLOR);
    StretchBlt(to.get(), 0, 0, size.width, size.height, from.get(), 0, 0, original.bmWidth, original.bmHeight, SRCCOPY);
    return scaled;
}

void DrawScaled(HDC target, const ScaledPicture& picture, POINT at, PixelSize size) {
    if (picture.icon) {
        DrawIconEx(target, at.x, at.y, picture.icon, size.width, size.height, 0, nullptr, DI_NORMAL);
        return;
    }
    const RECT destination{at.x, at.y, at.x + size.width, at.y + size.height};
    DrawTransparentBitmap(target, destination, picture.bitmap.get(), RECT{}, size);
}

// Lays the black parts of the monochrome silhouette onto surface: a light
// copy one pixel up and left, the dark one over it in place. Its bits come
// out as the surface's background and text colours, white and black here
// whatever the caption last left there.
void DrawEmboss(HDC surface, HDC silhouette, POINT at, PixelSize size) {
    const COLORREF previousBack = SetBkColor(surface, kWhite);
    const COLORREF previousText = SetTextColor(surface, kBlack);
    const Gdi<HBRUSH> light(CreateSolidBrush(static_cast<COLORREF>(ShadeColor(kEmbossBase, kEmbossShade))));
    const Gdi<HBRUSH> dark(CreateSolidBrush(static_cast<COLORREF>(ShadeColor(kEmbossBase, -kEmbossShade))));
    {
        Selected brush(surface, light.get());
        BitBlt(surface, at.x - 1, at.y - 1, size.width, size.height, silhouette, 0, 0, kBrushWhereBlack);
    }
    {
        Selected brush(surface, dark.get());
        BitBlt(surface, at.x, at.y, size.width, size.height, silhouette, 0, 0, kBrushWhereBlack);
    }
    SetBkColor(surface, previousBack);
    SetTextColor(surface, previousText);
}

}  // namespace

void DrawPicture(HDC surface, const ButtonMembers& m, HANDLE picture, bool enabled, const ButtonRect& rect) {
    if (!HasPicture(m)) return;
    const PixelSize size{rect.right - rect.left, rect.bottom - rect.top};
    // A zero size means the picture's own to the system: a rectangle
    // squeezed to nothing would otherwise get the picture at full size.
    if (size.width <= 0 || size.height <= 0) return;
    const ScaledPicture scaled = ScaledCopy(picture, m.PictureIsIcon != 0, size);
    if (!scaled) return;
    const POINT at{rect.left, rect.top};
    if (enabled) {
        DrawScaled(surface, scaled, at, size);
        return;
    }
    // Monochrome: white stays white, every other colour turns black, so no
    // colour of the picture survives into the emboss.
    Scratch silhouette(surface, Gdi<HBITMAP>(CreateBitmap(size.width + 1, size.height + 1, 1, 1, nullptr)));
    PatBlt(silhouette.get(), 0, 0, size.width, size.height, WHITENESS);
    DrawScaled(silhouette.get(), scaled, {0, 0}, size);
    DrawEmboss(surface, silhouette.get(), at, size);
}

PixelSize DrawTransparentBitmap(HDC destination, const RECT& destRect, HBITMAP bitmap, const RECT& sourceRect,
                                PixelSize size) {
    const auto extent = [](LONG from, LONG to, std::int32_t otherwise) { return to != 0 ? to - from : otherwise; };
    const std::int32_t W = extent(sourceRect.left, sourceRect.right, size.width);
    const std::int32_t H = extent(sourceRect.top, sourceRect.bottom, size.height);
    const std::int32_t dW = extent(destRect.left, destRect.right, size.width);
    const std::int32_t dH = extent(destRect.top, destRect.bottom, size.height);
    const PixelSize drawn = ShrinkToFit(size, {dW, dH});

    const MemoryDC sourceDC(CreateCompatibleDC(nullptr));
    const Selected source(sourceDC.get(), bitmap);
    const COLORREF key = GetPixel(sourceDC.get(), 0, 0);
    const Scratch mask(nullptr, Gdi<HBITMAP>(CreateBitmap(W, H, 1, 1, nullptr)));
    const Scratch work(nullptr, CreateColourBitmap(dW, dH));
    const Scratch image(nullptr, CreateColourBitmap(W, H));

    // Composed over a copy of the destination, which then gets one opaque block.
    SetMapMode(work.get(), GetMapMode(destination));
    BitBlt(work.get(), 0, 0, dW, dH, destination, destRect.left, destRect.top, SRCCOPY);
    SetBkColor(image.get(), GetBkColor(sourceDC.get()));
    SetTextColor(image.get(), GetTextColor(sourceDC.get()));
    BitBlt(image.get(), 0, 0, W, H, sourceDC.get(), sourceRect.left, sourceRect.top, SRCCOPY);
    // Key-coloured pixels turn white in the mask, all others black.
    SetBkColor(image.get(), key);
    SetTextColor(image.get(), kWhite);
    BitBlt(mask.get(), 0, 0, W, H, image.get(), 0, 0, SRCCOPY);
    // The key colour turns black in the image so that OR-ing it adds nothing.
    SetTextColor(image.get(), kBlack);
    SetBkColor(image.get(), kWhite);
    BitBlt(image.get(), 0, 0, W, H, mask.get(), 0, 0, kClearWhereSet);
    StretchBlt(work.get(), 0, 0, drawn.width, drawn.height, mask.get(), 0, 0, W, H, SRCAND);
    StretchBlt(work.get(), 0, 0, drawn.width, drawn.height, image.get(), 0, 0, W, H, SRCPAINT);
    BitBlt(destination, destRect.left, destRect.top, dW, dH, work.get(), 0, 0, SRCCOPY);
    return drawn;
}
