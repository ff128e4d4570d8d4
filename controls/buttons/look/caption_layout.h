#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "controls/buttons/model/button_members.h"

// The stored caption as it is measured and drawn: every "||" a line break.
// Ampersands stay for the platform's prefix processing.
std::wstring PrepareCaptionText(std::wstring_view caption);

// A picture is present when it measured at least one pixel.
constexpr bool HasPicture(const ButtonMembers& m) { return m.PictureWidth + m.PictureHeight >= 1; }

struct PixelOffset {
    std::int32_t dx = 0, dy = 0;
    bool operator==(const PixelOffset&) const = default;
};

constexpr ButtonRect Moved(ButtonRect r, PixelOffset by) {
    return {r.left + by.dx, r.top + by.dy, r.right + by.dx, r.bottom + by.dy};
}

struct TextSize {
    std::int32_t width = 0, height = 0;
};

// Measures prepared text as the surface will draw it: lines broken at word
// boundaries to fit width (a longer word widens the result), explicit line
// breaks kept. Answers the extent of the text.
using MeasureText = std::function<TextSize(std::wstring_view text, std::int32_t width, std::int32_t height)>;

// Where the caption and the picture go inside a client area of width x
// height, from the shape's slants, the alignments, the picture's size and
// the measured caption. Without a picture, PictureRect is m's, unchanged.
ButtonLayout LayoutCaptionAndPicture(const ButtonMembers& m, std::int32_t width, std::int32_t height,
                                     const MeasureText& measure);
