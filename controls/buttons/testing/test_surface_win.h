#pragma once
// Test support: a 32-bit DIB section in a memory DC, drawn into off screen
// and read back pixel by pixel at named points.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "controls/buttons/model/geometry.h"
#include "controls/buttons/testing/test_text.h"
#include "platform/handles_win.h"
#include "platform/offscreen_surface_win.h"

class TestSurface {
public:
    // Text is drawn without a background box, as into the button's surface.
    TestSurface(int width, int height, COLORREF fill)
        : width_(width),
          height_(height),
          dc_(CreateCompatibleDC(nullptr)),
          bitmap_(CreateColourBitmap(width, height, &bits_)),
          selected_(dc_.get(), bitmap_.get()) {
        SetBkMode(dc_.get(), TRANSPARENT);
        Fill(fill);
    }

    // A copy of the width x height pixels at the origin of source.
    TestSurface(HDC source, int width, int height) : TestSurface(width, height, RGB(0, 0, 0)) {
        BitBlt(dc(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    }

    // The client area of window as the window paints it when asked to print.
    explicit TestSurface(HWND window) : TestSurface(ClientSize(window).cx, ClientSize(window).cy, RGB(0, 0, 0)) {
        PrintWindow(window, dc(), PW_CLIENTONLY);
    }

    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }

    void Fill(COLORREF colour) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) Set(x, y, colour);
    }

    void Set(int x, int y, COLORREF colour) {
        GdiFlush();
        bits_[y * width_ + x] = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }

    // The colour at (x, y) as a COLORREF; CLR_INVALID outside the surface.
    COLORREF Pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
        GdiFlush();
        const std::uint32_t p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

    // The smallest rectangle holding every pixel that is not background,
    // within part of the surface or all of it; empty (all zero) when there is
    // none.
    RECT Ink(COLORREF background) const { return Ink(background, {0, 0, width_, height_}); }
    RECT Ink(COLORREF background, const RECT& within) const {
        return BoxWhere(within, [background](COLORREF pixel) { return pixel != background; });
    }
    // The same for the pixels of one colour.
    RECT BoxOf(COLORREF colour, const RECT& within) const {
        return BoxWhere(within, [colour](COLORREF pixel) { return pixel == colour; });
    }

private:
    template <typename Counts>
    RECT BoxWhere(const RECT& within, Counts counts) const {
        RECT box{width_, height_, -1, -1};
        for (int y = std::max<int>(within.top, 0); y < std::min<int>(within.bottom, height_); ++y)
            for (int x = std::max<int>(within.left, 0); x < std::min<int>(within.right, width_); ++x) {
                if (!counts(Pixel(x, y))) continue;
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
        return box.right < 0 ? RECT{} : box;
    }

    static SIZE ClientSize(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        return {client.right, client.bottom};
    }

    int width_, height_;
    std::uint32_t* bits_ = nullptr;
    MemoryDC dc_;
    Gdi<HBITMAP> bitmap_;
    Selected selected_;
};

inline std::string RectText(const RECT& r) { return RectText(ButtonRect{r.left, r.top, r.right, r.bottom}); }

// For EXPECT_TRUE: the pixel at p is expected, or what it is instead.
inline testing::AssertionResult PixelIs(const TestSurface& surface, Point p, COLORREF expected) {
    const COLORREF got = surface.Pixel(p.x, p.y);
    if (got == expected) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "pixel " << PointText(p) << " is "
                                       << (got == CLR_INVALID ? "outside the surface" : ColourText(got)) << ", not "
                                       << ColourText(expected);
}
