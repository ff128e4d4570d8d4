#include "controls/buttons/look/focus_mark.h"

#include <algorithm>

#include "controls/buttons/look/look_state.h"

namespace {

FocusMark SlantedOutline(const ButtonMembers& m, std::int32_t w, std::int32_t h) {
    const std::int32_t LS = m.LeftSlantX, RS = m.RightSlantX;
    const std::int32_t Lf = LS != 0 ? 1 : 0;
    const std::int32_t Rf = w > RS ? 1 : 0;
    return {FocusMark::Kind::Line,
            {{LS + 4 - 6 * Lf, h - 5},
             {4 + 4 * Lf, 4},
             {RS - 5 + 4 * Rf, 4},
             {w - 5 - 6 * Rf, h - 5},
             {LS + 3 - 4 * Lf, h - 5}},
            {}};
}

FocusMark Frame(const ButtonRect& r, bool solid, bool inclusive) {
    if (!solid) return {FocusMark::Kind::Dotted, {}, r};
    // A closed line either on the rectangle's limits or just inside them.
    const std::int32_t right = inclusive ? r.right : r.right - 1;
    const std::int32_t bottom = inclusive ? r.bottom : r.bottom - 1;
    return {FocusMark::Kind::Line,
            {{r.left, bottom}, {r.left, r.top}, {right, r.top}, {right, bottom}, {r.left, bottom}},
            {}};
}

ButtonRect AroundContent(const ButtonMembers& m, std::int32_t w, std::int32_t h) {
    ButtonRect r = m.CaptionRect;
    if (m.Caption.empty()) {
        r = m.PictureRect;
        r.right = std::min(r.right, w - 4);
        r.bottom = std::min(r.bottom, h - 4);
    }
    const ButtonRect& c = m.CaptionRect;
    const std::int32_t f = c.right < m.RightSlantX - 4 && c.left > m.LeftSlantX + 4 ? 2 : 1;
    const bool pushed = IsPressedIn(m.StateFlags) || m.Value;
    const std::int32_t g = pushed && m.ButtonStyle != 3 ? 1 : 0;
    const std::int32_t s = IsElliptic(m.ButtonShape) ? 0 : 1;
    return {r.left + s * g - f, r.top + g - f, r.right + f + 2 * s * g, r.bottom + f + 2 * g};
}

}  // namespace

FocusMark PlanFocusMark(const ButtonMembers& m, std::int32_t w, std::int32_t h, bool solidFrame, bool aroundContent) {
    if (!(m.StateFlags & kDefaultLook)) return {};
    if (IsSlanted(m.ButtonShape)) return SlantedOutline(m, w, h);
    if (aroundContent || IsElliptic(m.ButtonShape)) return Frame(AroundContent(m, w, h), solidFrame, false);
    return Frame({m.LeftSlantX + 4, 4, m.RightSlantX - 4, h - 4}, solidFrame, true);
}
