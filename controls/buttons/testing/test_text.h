#pragma once
// Test support: points and rectangles as failure messages show them.
#include <string>

#include "controls/buttons/model/geometry.h"

// "(x, y)".
std::string PointText(Point p);
// "(left, top, right, bottom)".
std::string RectText(const ButtonRect& r);
