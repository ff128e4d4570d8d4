#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "controls/buttons/model/button_members.h"

// What the gallery reports about one live button. Colours are resolved RGB
// (0x00BBGGRR); the caption is UTF-8.
struct ButtonState {
    std::string caption;
    std::int32_t screenLeft = 0, screenTop = 0, width = 0, height = 0;  // the client area
    std::int32_t buttonStyle = 0, buttonShape = 0, gradientMode = 0, mode = 0;
    bool value = false, enabled = true, showFocusRect = false;
    std::int32_t captionStyle = 0;
    Colour backColor = 0, gradientColor = 0, hoverBackColor = 0, foreColor = 0, containerBackColor = 0;
    std::uint8_t stateFlags = 0;
    bool hovering = false, armed = false;
    std::int32_t leftSlantX = 0, rightSlantX = 0;
    ButtonRect captionRect;
    std::int32_t pictureWidth = 0, pictureHeight = 0;  // as measured; 0 without a picture
    ButtonRect pictureRect;
};

// "#RRGGBB" of a resolved colour.
std::string ColourText(Colour rgb);

// The state file: a JSON array with one object per button, in order, each
// with its fields in the order above.
std::string StateFileText(const std::vector<ButtonState>& states);
