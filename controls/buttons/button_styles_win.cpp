#include "controls/buttons/button_styles_win.h"

namespace {

// The caption sees the hover text colour a style holds for it, and the
// button's own again afterwards.
void DrawCaptionOf(ButtonPainter& painter, const StyleLook& look) {
    ButtonMembers& m = painter.Members();
    const Colour own = m.HoverForeColor;
    if (look.hoverForeColor) m.HoverForeColor = *look.hoverForeColor;
    bool singlePass = look.captionSinglePass;
    painter.DrawCaption(look.face, look.text, look.captionPressed, singlePass);
    m.HoverForeColor = own;
}

void PaintLook(ButtonPainter& painter, const StyleLook& look, EdgePoints& points, EdgeColors& colours,
               LookState& lookState) {
    painter.DrawBackground(look.face, lookState, look.gradient, painter.Members().HoverFaceColor);
    DrawCaptionOf(painter, look);
    lookState = look.lookState;
    if (look.edges) {
        colours = *look.edges;
        painter.DrawEdges(points, colours, look.outerPenStyle);
    }
    if (look.dottedEllipse) painter.DrawDottedEllipse();
    painter.PaintCornerPixels(look.corners);
    if (look.focusMark) painter.DrawFocus(look.focus, look.solidFrame, look.aroundContent);
}

}  // namespace

void DrawButtonStyle0(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState) {
    PaintLook(painter, ChooseStyle0Look(painter.Members(), painter.Context()), points, colours, lookState);
}

void DrawButtonStyle1(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState) {
    PaintLook(painter, ChooseStyle1Look(painter.Members(), painter.Context()), points, colours, lookState);
}

void DrawButtonStyle2(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState) {
    PaintLook(painter, ChooseStyle2Look(painter.Members(), painter.Context()), points, colours, lookState);
}

void DrawButtonStyle3(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState) {
    PaintLook(painter, ChooseStyle3Look(painter.Members(), painter.Context()), points, colours, lookState);
}

void DrawButtonStyle4(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState) {
    PaintLook(painter, ChooseStyle4Look(painter.Members(), painter.Context()), points, colours, lookState);
}

void DrawButtonStyle5(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState) {
    PaintLook(painter, ChooseStyle5Look(painter.Members(), painter.Context()), points, colours, lookState);
}

void DrawButtonStyle6(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState) {
    PaintLook(painter, ChooseStyle6Look(painter.Members(), painter.Context()), points, colours, lookState);
}

void DrawButtonStyle7(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState) {
    PaintLook(painter, ChooseStyle7Look(painter.Members(), painter.Context()), points, colours, lookState);
}
