#include "controls/buttons/model/window_object.h"

std::optional<std::wstring> WindowObject::AssignMouseIcon(const PictureRef& icon) {
    if (icon && icon->Kind == PictureKind::Bitmap) return L"Invalid picture";
    MouseIcon = icon;
    return std::nullopt;
}
