#pragma once
#include <map>

#include "app/main_layout.h"

// A place in the main window's client area, in pixels.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const PixelBox&) const = default;
};

// What a caption needs to show whole, in pixels: its text, and for a check
// box or option button the mark drawn beside it.
struct CaptionRoom {
    int width = 0;
    int height = 0;
};

PixelBox ToPixels(const TwipsRect& place, int dpi);

struct MainPlaces {
    std::map<ControlId, PixelBox> controls;  // every control of the layout table
    PixelBox hintBox;                        // the etched box around Label3
};

// The designed layout at dpi.
MainPlaces DesignPlaces(int dpi);

// The designed layout at dpi, changed only where a caption needs more room
// than the design gives it. The control grows to the right, and about its
// middle when it is too low; what lies beside it on its row moves over and
// gives up its own empty space. A frame grows to hold what it holds and
// pushes what lies on its right in the same way; the last control of a row
// keeps its right edge and gets narrower.
MainPlaces FitCaptions(int dpi, const std::map<ControlId, CaptionRoom>& rooms);
