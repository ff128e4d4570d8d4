#pragma once
#include <cstdint>
#include <string>

#include "controls/buttons/model/button_codes.h"
#include "controls/buttons/model/colour.h"
#include "controls/buttons/model/geometry.h"
#include "controls/buttons/model/window_object.h"

// The stored state of one button, in declaration order: what the model
// keeps and the looks are drawn from. The drawing surface and its objects
// belong to the window class.
struct ButtonMembers {
    std::wstring Caption;
    std::int32_t CaptionAlign = 0;
    std::int32_t CaptionStyle = 0;
    std::int32_t ButtonStyle = 0;
    std::uint8_t StateFlags = 0;  // kDefaultLook, kHeld, kPointerOver
    std::int32_t ButtonShape = 0;
    std::int32_t LeftSlantX = 0;
    std::int32_t RightSlantX = 0;
    ButtonRect CaptionRect;
    bool ShowFocusRect = false;
    Colour HoverBackColor = 0;
    Colour HoverForeColor = 0;
    std::int32_t HoverColorLocks = 0;
    std::int32_t GradientMode = 0;
    Colour GradientColor = 0;
    std::int32_t Mode = 0;
    bool Value = false;
    PictureRef Picture;
    std::int32_t PictureAlign = 0;
    std::int16_t PictureSizePixels = 0;
    ButtonRect PictureRect;
    std::int32_t PictureWidth = 0;
    std::int32_t PictureHeight = 0;
    std::int32_t PictureIsIcon = 0;
    bool DrawingDelayed = false;
    Colour BackColor = 0;
    Colour FaceColor = 0, PushedFaceColor = 0, HoverFaceColor = 0;
    std::int16_t LastMouseButton = 0;
    bool Hovering = false;
    Colour ContainerBackColor = 0;
    Colour CheckedFaceColor = 0;
    bool Armed = false;
    bool operator==(const ButtonMembers&) const = default;
};
