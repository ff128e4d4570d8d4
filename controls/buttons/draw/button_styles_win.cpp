#include "controls/buttons/draw/button_styles_win.h"

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

}  // namespace

void PaintStyle(StyleChooser choose, ButtonPainter& painter, EdgePoints& points, EdgeColors& colours,
                LookState& lookState) {
    const StyleLook look = choose(painter.Members(), painter.Context());
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
