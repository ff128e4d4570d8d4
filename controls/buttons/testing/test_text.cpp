#include "controls/buttons/testing/test_text.h"

#include <cstdio>

std::string PointText(Point p) {
    char text[32];
    std::snprintf(text, sizeof text, "(%d, %d)", p.x, p.y);
    return text;
}

std::string RectText(const ButtonRect& r) {
    char text[64];
    std::snprintf(text, sizeof text, "(%d, %d, %d, %d)", r.left, r.top, r.right, r.bottom);
    return text;
}

std::string ColourText(std::uint32_t colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(colour));
    return text;
}
