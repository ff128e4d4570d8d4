#pragma once
// Test support: the pixels of a DC or of a window's client area, copied into
// a 32-bit DIB and read as 0x00BBGGRR colours.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/buttons/colour.h"
#include "controls/buttons/geometry.h"
#include "platform/handles_win.h"

inline std::string Hex(Colour c) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(c));
    return text;
}

class Pixels {
public:
    // width x height pixels of source from its origin.
    Pixels(HDC source, int width, int height) : Pixels(width, height, [&](HDC dc) {
        BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
    }) {}

    // The client area as the window paints itself when asked to print.
    static Pixels OfWindow(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        return Pixels(client.right, client.bottom, [&](HDC dc) { PrintWindow(window, dc, PW_CLIENTONLY); });
    }

    int width() const { return width_; }
    int height() const { return height_; }
    Colour At(Point p) const {
        const std::uint32_t bgra = bits_[static_cast<std::size_t>(p.y) * width_ + p.x];
        return static_cast<Colour>(((bgra >> 16) & 0xFF) | (bgra & 0xFF00) | ((bgra & 0xFF) << 16));
    }

    // For EXPECT_TRUE: the pixel at p has the colour expected.
    testing::AssertionResult Is(Point p, Colour expected) const {
        if (p.x < 0 || p.y < 0 || p.x >= width_ || p.y >= height_)
            return testing::AssertionFailure() << "(" << p.x << ", " << p.y << ") lies outside the image";
        const Colour got = At(p);
        if (got == expected) return testing::AssertionSuccess();
        return testing::AssertionFailure() << "pixel (" << p.x << ", " << p.y << ") is " << Hex(got) << ", not "
                                           << Hex(expected);
    }

private:
    template <typename Fill>
    Pixels(int width, int height, Fill fill) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        Gdi<HBITMAP> dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        MemoryDC dc(CreateCompatibleDC(nullptr));
        if (!dib || !dc) throw std::runtime_error("no DIB for the pixels");
        {
            Selected selected(dc.get(), dib.get());
            fill(dc.get());
            GdiFlush();
        }
        const auto* first = static_cast<const std::uint32_t*>(bits);
        bits_.assign(first, first + static_cast<std::size_t>(width) * height);
    }

    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> bits_;
};
