#include "controls/buttons/look/style_looks.h"

#include <algorithm>
#include <array>

#include "controls/buttons/model/colour.h"

namespace {

constexpr Colour kLightGrey = 0xE9E9E9;
constexpr Colour kSoftLight = 0xE8E8E7;     // ShadeColor(0xDFDFDF, +8)
constexpr Colour kDisabledGrey = 0x717170;  // ShadeColor(kGrey, -16)
constexpr Colour kEtchedDark = 0x676766;    // ShadeColor(kGrey, -26)
constexpr Colour kCheckedFocus = 0x616160;  // ShadeColor(kGrey, -32)
constexpr Colour kStyle3Focus = 0xCC9999;
constexpr Colour kStyle2Frame = 0x733C00;

// ButtonStyle 2's inner and middle rings, slots 1 to 8: blue while focused,
// orange while hot.
constexpr std::array<Colour, 8> kFocusedBorder = {0xF0D1B5, 0xF7D7BD, 0xF0D1B5, 0xE7AE8C,
                                                  0xE7AE8C, 0xFFDFBF, 0xE7AE8C, 0xEF826B};
constexpr std::array<Colour, 8> kHotBorder = {0x6BCBFF, 0x8CDBFF, 0x6BCBFF, 0x31B2FF,
                                              0x31B2FF, 0xA6E9FF, 0x31B2FF, 0x0096E7};

Colour S(Colour c, int amount) { return ShadeColor(c, amount, true); }
Colour T(Colour c, int amount) { return ShadeColor(c, amount); }

bool Pressed(const ButtonMembers& m) { return IsPressedIn(m.StateFlags); }
// A check or option button shows itself checked while armed, too.
bool Checked(const ButtonMembers& m) { return m.Value || (m.Armed && m.Mode != kCommandButton); }

EdgeColors NoLines() {
    EdgeColors e;
    e.Set(1, 12, kNoLine);
    return e;
}

// The common start of ButtonStyle 0, 1, 4, 5 and 6.
StyleLook Skeleton(const ButtonMembers& m, const LookContext& c) {
    StyleLook look;
    look.face = m.Mode != kCommandButton && m.Value ? m.CheckedFaceColor : m.FaceColor;
    look.gradient = c.resolvedGradientColor;
    look.text = !c.enabled && m.Mode != kCommandButton ? kGrey : kCaptionChooses;
    look.captionPressed = m.Value;
    look.captionSinglePass = m.Mode != kCommandButton;
    look.lookState = BackgroundLookState(m.StateFlags);
    look.focus = look.text;
    look.solidFrame = m.Value;
    return look;
}

// Checked buttons take a black focus mark; slanted ones a darker face.
void ChooseFocusColour(StyleLook& look, const ButtonMembers& m) {
    if (Checked(m))
        look.focus = kBlack;
    else if (IsSlanted(m.ButtonShape))
        look.focus = T(look.face, -48);
}

// Outer ring white on the left and top in look 1, grey in look 2; the
// other way round on the right and bottom.
EdgeColors OneRaisedLine(LookState state) {
    EdgeColors e = NoLines();
    e.Set(9, 10, state == 1 ? kWhite : kGrey);
    e.Set(11, 12, state == 1 ? kGrey : kWhite);
    return e;
}

}  // namespace

StyleLook ChooseStyle0Look(const ButtonMembers& m, const LookContext& c) {
    StyleLook look = Skeleton(m, c);
    Colour hi = Pressed(m) ? look.face : kLightGrey;
    ChooseFocusColour(look, m);
    if (Checked(m)) {
        look.lookState = 3;
        hi = kLightGrey;
    }
    if (IsElliptic(m.ButtonShape)) return look;
    EdgeColors e = NoLines();
    switch (look.lookState) {
    case 0:
        e.Set(5, 6, hi);
        e.Set(7, 8, kGrey);
        break;
    case 1:
        e.Set(1, 2, hi);
        e.Set(3, 4, kGrey);
        e.Set(5, 6, kWhite);
        e.Set(7, 8, kBlack);
        break;
    case 2:
        e.Set(7, 8, kGrey);
        break;
    default:
        e.Set(7, 8, hi);
        break;
    }
    const bool dark = Checked(m) || (m.StateFlags & kDefaultLook);
    e.Set(9, 10, dark ? kBlack : kWhite);
    e.Set(11, 12, Checked(m) ? kWhite : kBlack);
    look.edges = e;
    return look;
}

StyleLook ChooseStyle1Look(const ButtonMembers& m, const LookContext& c) {
    StyleLook look = Skeleton(m, c);
    if (IsElliptic(m.ButtonShape)) return look;
    ChooseFocusColour(look, m);
    look.lookState = Checked(m) ? LookState{2} : std::max<LookState>(look.lookState, 1);
    const Colour topLeft = look.lookState == 2 ? kGrey : kWhite;
    const Colour bottomRight = look.lookState == 2 ? kWhite : kGrey;
    EdgeColors e;
    for (int ring : {0, 4}) {
        e.Set(ring + 1, ring + 2, topLeft);
        e.Set(ring + 3, ring + 4, bottomRight);
    }
    e.Set(9, 12, kBlack);
    look.edges = e;
    return look;
}

StyleLook ChooseStyle2Look(const ButtonMembers& m, const LookContext& c) {
    const bool command = m.Mode == kCommandButton;
    const Colour base = !command && m.Value ? m.CheckedFaceColor : m.FaceColor;
    StyleLook look;
    look.face = base;
    if (command && Pressed(m) && m.GradientMode == 0)
        look.face = m.PushedFaceColor;
    else if (command && !c.enabled)
        look.face = S(base, -24);
    look.text = c.enabled ? kBlack : S(look.face, -104);
    look.gradient = m.GradientMode != 0 ? S(c.resolvedGradientColor, 48) : look.face;
    look.captionPressed = m.Value;
    look.captionSinglePass = true;
    look.lookState = BackgroundLookState(m.StateFlags);
    look.focus = look.text;
    if (IsElliptic(m.ButtonShape)) return look;

    // The focused look lies in the edge colours.
    look.focusMark = false;
    EdgeColors e = NoLines();
    Colour outer = S(base, -84);
    if (c.enabled) {
        if (Checked(m)) look.lookState = (m.StateFlags & kDefaultLook) ? 1 : 2;
        if ((m.StateFlags & kPointerOver) && !(m.StateFlags & kHeld))
            look.lookState = 3;
        else if (look.lookState == 1 && !m.ShowFocusRect)
            look.lookState = 0;
        std::array<Colour, 8> rings;
        switch (look.lookState) {
        case 1:
            rings = kFocusedBorder;
            break;
        case 2:
            rings = {S(base, -22), S(base, -24), base,       S(base, 10),
                     S(base, -32), S(base, -32), S(base, 5), S(base, 16)};
            break;
        case 3:
            rings = kHotBorder;
            break;
        default:
            rings = {S(base, -10), S(base, 10), S(base, -24), S(base, -32),
                     S(base, -5),  S(base, 16), S(base, -36), S(base, -48)};
            break;
        }
        std::copy(rings.begin(), rings.end(), e.slots.begin());
        outer = kStyle2Frame;
    }
    e.Set(9, 12, outer);
    look.edges = e;

    const std::int32_t w = c.width, h = c.height;
    if (m.LeftSlantX == 0) look.corners.insert(look.corners.end(), {{{1, 1}, outer}, {{1, h - 2}, outer}});
    if (w == m.RightSlantX) look.corners.insert(look.corners.end(), {{{w - 2, h - 2}, outer}, {{w - 2, 1}, outer}});
    return look;
}

StyleLook ChooseStyle3Look(const ButtonMembers& m, const LookContext& c) {
    const bool command = m.Mode == kCommandButton;
    StyleLook look;
    if (!command)
        look.face = m.Value ? m.CheckedFaceColor : m.FaceColor;
    else
        look.face = Pressed(m) ? m.PushedFaceColor : m.FaceColor;
    look.gradient = c.resolvedGradientColor;
    look.text = c.enabled ? kGrey : kDisabledGrey;
    look.captionPressed = false;
    look.captionSinglePass = true;
    look.lookState = BackgroundLookState(m.StateFlags);
    look.focus = kStyle3Focus;
    look.solidFrame = true;
    look.aroundContent = true;
    if (IsElliptic(m.ButtonShape)) return look;

    EdgeColors e;
    if (c.enabled || !command) {
        e.Set(1, 4, kNoLine);
        if (!command) look.lookState = m.Value || m.Armed ? 2 : 3;
        look.lookState = std::max<LookState>(look.lookState, 1);
        e.Set(5, 6, look.lookState == 2 ? look.face : kWhite);
        e.Set(7, 10, kEtchedDark);
        e.Set(11, 12, kWhite);
    } else {
        e.Set(1, 8, look.face);
        e.Set(9, 12, kEtchedDark);
    }
    look.edges = e;
    return look;
}

StyleLook ChooseStyle4Look(const ButtonMembers& m, const LookContext& c) {
    StyleLook look = Skeleton(m, c);
    ChooseFocusColour(look, m);
    look.lookState = Checked(m) ? LookState{2} : std::max<LookState>(look.lookState, 1);
    if (!IsElliptic(m.ButtonShape)) look.edges = OneRaisedLine(look.lookState);
    return look;
}

StyleLook ChooseStyle5Look(const ButtonMembers& m, const LookContext& c) {
    StyleLook look = Skeleton(m, c);
    const bool blackFocus = look.face == m.CheckedFaceColor || m.ButtonShape == kRectangle;
    look.focus = blackFocus ? kBlack : T(m.ContainerBackColor, -32);
    if (IsElliptic(m.ButtonShape) && c.designMode) {
        look.dottedEllipse = true;
        return look;
    }
    if ((m.StateFlags & kPointerOver) || m.Value) {
        if (Checked(m)) look.lookState = 2;
        look.lookState = std::max<LookState>(look.lookState, 1);
        look.edges = OneRaisedLine(look.lookState);
    } else {
        // At rest the button is flat; the designer still sees where it is.
        EdgeColors e = NoLines();
        if (c.designMode) {
            const Colour outline = T(m.ContainerBackColor, -64);
            e.Set(9, 12, outline == kBlack ? kWhite : outline);
        }
        look.edges = e;
    }
    look.outerPenStyle = c.designMode ? kDottedPen : kSolidPen;
    return look;
}

StyleLook ChooseStyle6Look(const ButtonMembers& m, const LookContext& c) {
    StyleLook look = Skeleton(m, c);
    ChooseFocusColour(look, m);
    // The focus mark does not change the bevel.
    look.lookState = Checked(m) || Pressed(m) ? 1 : 0;
    if (IsElliptic(m.ButtonShape)) return look;
    const Colour topLeft = look.lookState == 0 ? kSoftLight : kGrey;
    const Colour bottomRight = look.lookState == 0 ? kGrey : kSoftLight;
    EdgeColors e = NoLines();
    for (int ring : {4, 8}) {
        e.Set(ring + 1, ring + 2, topLeft);
        e.Set(ring + 3, ring + 4, bottomRight);
    }
    look.edges = e;
    return look;
}

StyleLook ChooseStyle7Look(const ButtonMembers& m, const LookContext& c) {
    const bool command = m.Mode == kCommandButton;
    StyleLook look;
    if (command) {
        look.face = Pressed(m) ? m.PushedFaceColor : m.FaceColor;
        look.focus = IsSlanted(m.ButtonShape) ? T(look.face, -64) : kBlack;
    } else if (m.Value) {
        look.face = m.CheckedFaceColor;
        look.focus = kCheckedFocus;
    } else {
        look.face = m.FaceColor;
        look.focus = kBlack;
    }
    if (m.GradientMode != 0) {
        look.gradient = T(c.resolvedGradientColor, 31);
        if (Pressed(m)) look.face = m.FaceColor;
    } else {
        look.gradient = look.face;
    }

    const bool down = (Pressed(m) && command) || (m.Value && !command);
    if (down)
        look.text = !c.enabled && !command ? S(look.face, -32) : m.FaceColor;
    else if (!c.enabled)
        look.text = command ? kCaptionChooses : kGrey;
    else
        look.text = c.resolvedForeColor;
    look.captionPressed = m.Value;
    look.captionSinglePass = !command;
    // Hovering a checked button keeps its text colour.
    if (m.HoverForeColor == c.foreColor && m.Value) look.hoverForeColor = look.text;
    look.solidFrame = m.Value;
    look.aroundContent = true;
    look.lookState = BackgroundLookState(m.StateFlags);
    if (IsElliptic(m.ButtonShape)) return look;

    if (Checked(m)) look.lookState = m.Value ? 2 : 0;
    Colour face = look.face, light = kWhite, middle = S(face, 31), dark = S(face, -64);
    if (look.lookState == 2) {
        face = m.GradientMode != 0 ? m.FaceColor : kGrey;
        light = T(face, -32);
        middle = T(face, -64);
        dark = T(face, -16);
    }
    EdgeColors e;
    e.Set(1, 2, light);
    e.Set(3, 4, face);
    e.Set(5, 6, middle);
    e.Set(7, 8, dark);
    e.Set(9, 12, kBlack);
    look.edges = e;

    const std::int32_t w = c.width, h = c.height;
    if (m.LeftSlantX == 0)
        look.corners.insert(
            look.corners.end(),
            {{{3, 3}, light}, {{1, h - 3}, face}, {{2, 2}, middle}, {{1, h - 2}, kBlack}, {{1, 1}, kBlack}});
    if (w == m.RightSlantX)
        look.corners.insert(look.corners.end(), {{{w - 4, h - 4}, face},
                                                 {{w - 3, 1}, face},
                                                 {{w - 3, h - 3}, dark},
                                                 {{w - 2, h - 2}, kBlack},
                                                 {{w - 2, 1}, kBlack}});
    return look;
}
