#pragma once
// Test support: points, rectangles and colours as failure messages show them.
#include <cstdint>
#include <string>

#include "controls/buttons/model/geometry.h"

// "(x, y)".
std::string PointText(Point p);
// "(left, top, right, bottom)".
std::string RectText(const ButtonRect& r);
// "0x00BBGGRR".
std::string ColourText(std::uint32_t colour);
