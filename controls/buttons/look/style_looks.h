#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "controls/buttons/look/edges.h"
#include "controls/buttons/look/look_state.h"
#include "controls/buttons/model/button_members.h"
#include "controls/buttons/model/colour.h"
#include "controls/buttons/model/geometry.h"

// What the styles choose from besides the members.
struct LookContext {
    bool enabled = true;
    bool designMode = false;
    Colour foreColor = kButtonText;  // ForeColor as stored
    Colour resolvedForeColor = 0;
    Colour resolvedGradientColor = 0;
    std::int32_t width = 0, height = 0;
};

struct CornerPixel {
    Point at;
    Colour colour = 0;
    bool operator==(const CornerPixel&) const = default;
};

// A caption text colour that leaves the choice to the caption drawing.
inline constexpr Colour kCaptionChooses = -1;

// Everything one style decides for one redraw, in drawing order: the face,
// the caption's arguments, the edges, the corner pixels, the focus mark.
struct StyleLook {
    Colour face = 0;
    Colour gradient = 0;
    Colour text = kCaptionChooses;
    bool captionPressed = false;
    bool captionSinglePass = false;
    std::optional<Colour> hoverForeColor;  // held while the caption is drawn

    LookState lookState = 0;
    std::optional<EdgeColors> edges;  // none: no edge lines at all
    int outerPenStyle = kOuterPenSolid;
    bool dottedEllipse = false;  // ButtonStyle 5's outline of an ellipse in design mode
    std::vector<CornerPixel> corners;

    bool focusMark = true;
    Colour focus = 0;
    bool solidFrame = false;
    bool aroundContent = false;
};

StyleLook ChooseStyle0Look(const ButtonMembers& m, const LookContext& c);
StyleLook ChooseStyle1Look(const ButtonMembers& m, const LookContext& c);
StyleLook ChooseStyle2Look(const ButtonMembers& m, const LookContext& c);
StyleLook ChooseStyle3Look(const ButtonMembers& m, const LookContext& c);
StyleLook ChooseStyle4Look(const ButtonMembers& m, const LookContext& c);
StyleLook ChooseStyle5Look(const ButtonMembers& m, const LookContext& c);
StyleLook ChooseStyle6Look(const ButtonMembers& m, const LookContext& c);
StyleLook ChooseStyle7Look(const ButtonMembers& m, const LookContext& c);
