#pragma once
#include <cstdint>

#include "controls/buttons/look/look_state.h"
#include "controls/buttons/model/button_members.h"
#include "controls/buttons/model/colour.h"

// What a redraw does to the face before the caption and the edges.
struct BackgroundPlan {
    LookState lookState = 0;

    // The rim of the elliptic shapes.
    enum class Rim {
        None,          // not elliptic
        Unclipped,     // ButtonStyle 5 at rest: no clip, nothing painted
        BlackOutline,  // ButtonShape 6
        Shaded,        // ButtonShape 4 and 5
    };
    Rim rim = Rim::None;
    bool rimRepainted = false;  // the white-to-grey rim painted again (ButtonStyle 5)
    bool rimPushed = false;     // a grey-to-white ring inside the rim: pressed in or checked

    enum class Fill { Solid, Gradient, Lines };
    Fill fill = Fill::Solid;
    Colour colour = 0;    // the solid colour, the gradient's first colour, or the colour the lines shade from
    Colour gradient = 0;  // the gradient's second colour
    bool operator==(const BackgroundPlan&) const = default;
};

// face, gradientColour and hoverFace are the renderer's choices; a negative
// gradient or hover colour stands for the face.
BackgroundPlan PlanBackground(const ButtonMembers& m, bool enabled, Colour face, Colour gradientColour,
                              Colour hoverFace);

// The second ring inside the rim of a pushed elliptic button, to which it
// then draws.
constexpr ButtonRect InsidePushedRim(std::int32_t w, std::int32_t h) { return {2, 2, w - 1, h - 1}; }
