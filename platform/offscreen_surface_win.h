#pragma once
#include <windows.h>

#include <cstdint>

#include "platform/handles_win.h"

// A 32-bit colour bitmap in the process's own memory, top row first; bits,
// when asked for, points at its pixels. Making a bitmap compatible with the
// screen instead costs Wine a round trip to the X server.
Gdi<HBITMAP> CreateColourBitmap(int width, int height, std::uint32_t** bits = nullptr);

// An off-screen drawing surface: a memory DC and a bitmap compatible with
// the screen. The DC's state is saved when it is made and put back before it
// is deleted, so everything the surface selected comes out of it first and
// is deleted with it. It holds one pen, one brush and one font of its own at
// a time; selecting another deletes the one it replaces.
class OffscreenSurface {
public:
    OffscreenSurface();
    ~OffscreenSurface();
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    HDC dc() const { return dc_.get(); }
    SIZE size() const { return size_; }

    // A new bitmap of the given size takes the old one's place; nothing else
    // in the DC changes. Its pixels are undefined until drawn.
    void Resize(int width, int height);

    // The new object goes in before the old one is deleted; one that could
    // not be made (none) leaves the old one selected.
    void Select(Gdi<HPEN> pen);
    void Select(Gdi<HBRUSH> brush);
    void Select(Gdi<HFONT> font);
    // Puts back the pen and brush the DC came with and deletes its own.
    void PutBackInitialPenAndBrush();

    HBITMAP bitmap() const { return bitmap_.get(); }
    HPEN pen() const { return pen_.get(); }
    HBRUSH brush() const { return brush_.get(); }
    HFONT font() const { return font_.get(); }
    HGDIOBJ initialPen() const { return initialPen_; }
    HGDIOBJ initialBrush() const { return initialBrush_; }

private:
    template <typename H>
    void Replace(Gdi<H>& held, Gdi<H> object);

    MemoryDC dc_;
    int savedState_ = 0;
    HGDIOBJ initialPen_ = nullptr;  // the DC's own, never deleted here
    HGDIOBJ initialBrush_ = nullptr;
    SIZE size_{};
    Gdi<HBITMAP> bitmap_;
    Gdi<HPEN> pen_;
    Gdi<HBRUSH> brush_;
    Gdi<HFONT> font_;
};
