#include "controls/buttons/look/caption_plan.h"

#include "controls/buttons/look/look_state.h"
#include "controls/buttons/model/colour.h"

namespace {

// Shade of the face for the first effect pass; the second takes the opposite.
constexpr int kEffectShade = 40;
constexpr Colour kEtchedHighlight = kWhite;
constexpr Colour kEtchedText = kGrey;

Colour EnabledTextColour(const ButtonMembers& m, const WindowObject& window, Colour textColor) {
    if (m.Hovering && !IsPressedIn(m.StateFlags)) return m.HoverForeColor;
    if (m.GradientMode != 0) return window.ForeColor;
    if (m.ButtonStyle == 7) return textColor;
    return window.ForeColor;
}

}  // namespace

PixelOffset PressedOffset(bool pressed, std::uint8_t stateFlags, std::int32_t buttonStyle, std::int32_t buttonShape) {
    if (!(pressed || IsPressedIn(stateFlags)) || buttonStyle == 3) return {};
    return {IsElliptic(buttonShape) ? 0 : 1, 1};
}

CaptionPlan PlanCaption(const ButtonMembers& m, const WindowObject& window, Colour faceColor, Colour textColor,
                        bool pressed, bool singlePass) {
    const PixelOffset pushed = PressedOffset(pressed, m.StateFlags, m.ButtonStyle, m.ButtonShape);
    CaptionPlan plan{Moved(m.CaptionRect, pushed), Moved(m.PictureRect, pushed), {}, singlePass};
    if (m.Caption.empty()) return plan;

    if (window.Enabled) {
        if (m.CaptionStyle != kFlatCaption) {
            const int a = m.CaptionStyle == kEngraved ? kEffectShade : -kEffectShade;
            plan.passes.push_back({ShadeColor(faceColor, a), {-1, 0}});
            plan.passes.push_back({ShadeColor(faceColor, -a), {1, 2}});
            plan.passes.push_back({EnabledTextColour(m, window, textColor), {0, 1}});
        } else {
            plan.passes.push_back({EnabledTextColour(m, window, textColor), {0, 0}});
        }
        return plan;
    }
    // A negative textColor asks for the etched look.
    if (textColor < 0 || m.GradientMode != 0) {
        plan.passes.push_back({kEtchedHighlight, {1, 1}});
        plan.singlePass = false;
    } else {
        plan.passes.push_back({textColor, {0, 0}});
    }
    if (plan.singlePass) return plan;
    // The grey lands one pixel up and left of the first pass.
    const PixelOffset first = plan.passes.front().offset;
    plan.passes.push_back({kEtchedText, {first.dx - 1, first.dy - 1}});
    return plan;
}
