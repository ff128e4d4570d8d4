#include "controls/buttons/look/background.h"

namespace {

using Rim = BackgroundPlan::Rim;
using Fill = BackgroundPlan::Fill;

// Hovering shows the hover colour unless the button is down: pressed in for
// a command button, checked for the others.
bool ShowsHoverColour(const ButtonMembers& m) {
    if (!m.Hovering) return false;
    return m.Mode == kCommandButton ? !IsPressedIn(m.StateFlags) : !m.Value;
}

Rim RimOf(const ButtonMembers& m) {
    if (!IsElliptic(m.ButtonShape)) return Rim::None;
    const bool atRest = !m.Hovering && !IsPressedIn(m.StateFlags) && !m.Value;
    if (m.ButtonStyle == 5 && atRest) return Rim::Unclipped;
    return m.ButtonShape == kPlainEllipse ? Rim::BlackOutline : Rim::Shaded;
}

}  // namespace

BackgroundPlan PlanBackground(const ButtonMembers& m, bool enabled, Colour face, Colour gradientColour,
                              Colour hoverFace) {
    BackgroundPlan plan;
    plan.lookState = BackgroundLookState(m.StateFlags);
    if (hoverFace < 0) hoverFace = face;
    const Colour fillColour = ShowsHoverColour(m) ? hoverFace : face;

    plan.rim = RimOf(m);
    if (plan.rim == Rim::Shaded) {
        plan.rimRepainted = m.ButtonStyle == 5;
        plan.rimPushed = IsPressedIn(m.StateFlags) || m.Value;
    }

    if (m.GradientMode != 0 && !m.Value) {
        if (m.Hovering && !IsPressedIn(m.StateFlags) && m.GradientColor != m.HoverBackColor) {
            plan.colour = hoverFace;
        } else {
            plan.fill = Fill::Gradient;
            plan.colour = face;
            plan.gradient = gradientColour < 0 ? face : gradientColour;
        }
    } else if (m.ButtonStyle == 2 && (enabled || m.Mode != kCommandButton)) {
        plan.fill = Fill::Lines;
        plan.colour = fillColour;
    } else {
        plan.colour = fillColour;
    }
    return plan;
}
