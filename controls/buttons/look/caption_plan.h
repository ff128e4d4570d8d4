#pragma once
#include <cstdint>
#include <vector>

#include "controls/buttons/look/caption_layout.h"
#include "controls/buttons/model/button_members.h"

// How far caption and picture move while the button is drawn pushed in
// (pressed, or held down under the pointer).
PixelOffset PressedOffset(bool pressed, std::uint8_t stateFlags, std::int32_t buttonStyle, std::int32_t buttonShape);

// One output of the caption text: its colour (a system colour still to be
// resolved, or RGB) and where it lands relative to the caption rectangle.
struct TextPass {
    Colour colour = 0;
    PixelOffset offset;
    bool operator==(const TextPass&) const = default;
};

// What DrawCaption draws: the picture in pictureRect, then the caption text
// once per pass in captionRect moved by the pass's offset. No passes for an
// empty caption.
struct CaptionPlan {
    ButtonRect captionRect;
    ButtonRect pictureRect;
    std::vector<TextPass> passes;
    bool singlePass = true;  // handed back to the renderer that asked
};

// faceColor is the RGB face behind the caption, the base of the effect
// shades. textColor is the text colour of an enabled ButtonStyle 7 button
// without gradient or hover, and of a disabled caption, where a negative
// value asks for the etched look; a disabled caption is also etched
// (singlePass turns False) under a gradient, or when the caller asks for
// two passes.
CaptionPlan PlanCaption(const ButtonMembers& m, const WindowObject& window, Colour faceColor, Colour textColor,
                        bool pressed, bool singlePass);
