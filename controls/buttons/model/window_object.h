#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "controls/buttons/model/colour.h"

// A caption font as the control's window object keeps it. Bold is the weight
// seen from the other side: setting it moves the weight.
struct FontValue {
    std::wstring Name = L"MS Sans Serif";
    double Size = 8.25;  // points
    int Weight = 400;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;

    bool Bold() const { return Weight >= 600; }
    void SetBold(bool bold) { Weight = bold ? 700 : 400; }
    bool operator==(const FontValue&) const = default;
};

enum class PictureKind { Icon, Cursor, Bitmap };
enum class PictureOrigin { File, Resource };

// A picture by reference: what to load and what it is. The window layer
// owns the loaded handle.
struct PictureValue {
    PictureKind Kind = PictureKind::Bitmap;
    PictureOrigin Origin = PictureOrigin::File;
    std::wstring Name;  // file path, or resource name ("#101" for a number)
    bool operator==(const PictureValue&) const = default;
};

using PictureRef = std::optional<PictureValue>;

// The values that live in the control's window object rather than in its
// own members.
struct WindowObject {
    FontValue Font;
    Colour ForeColor = kButtonText;
    bool Enabled = true;
    std::int16_t MousePointer = 0;
    PictureRef MouseIcon;
    std::wstring Tag;
    std::wstring AccessKeys;

    // Only icons and cursors can be mouse icons; a refused picture leaves
    // MouseIcon as it was and yields the error description.
    std::optional<std::wstring> AssignMouseIcon(const PictureRef& icon);
    bool operator==(const WindowObject&) const = default;
};
