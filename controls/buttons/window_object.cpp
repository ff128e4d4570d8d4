#include "controls/buttons/window_object.h"

#include "controls/buttons/colour.h"

int FontHeightPixels(double points, double twipsPerPixelY) {
    return -static_cast<int>(RoundHalfEven(points * 20 / twipsPerPixelY));
}

std::optional<std::wstring> WindowObject::AssignMouseIcon(const PictureRef& icon) {
    if (icon && icon->Kind == PictureKind::Bitmap) return L"Invalid picture";
    MouseIcon = icon;
    return std::nullopt;
}
