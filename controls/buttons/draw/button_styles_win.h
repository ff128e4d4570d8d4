#pragma once
#include "controls/buttons/draw/button_painter_win.h"
#include "controls/buttons/look/edges.h"
#include "controls/buttons/look/look_state.h"
#include "controls/buttons/look/style_looks.h"

using StyleChooser = StyleLook (*)(const ButtonMembers&, const LookContext&);
using StyleRenderer = void (*)(ButtonPainter&, EdgePoints&, EdgeColors&, LookState&);

// Draws what choose decides for the painter's button, in layers: face,
// caption, edges, corner pixels, focus mark.
void PaintStyle(StyleChooser choose, ButtonPainter& painter, EdgePoints& points, EdgeColors& colours,
                LookState& lookState);

template <StyleChooser choose>
void DrawButtonStyle(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState) {
    PaintStyle(choose, painter, points, colours, lookState);
}

// The renderers of the eight ButtonStyle values, in a table by style.
inline constexpr StyleRenderer DrawButtonStyle0 = DrawButtonStyle<ChooseStyle0Look>;
inline constexpr StyleRenderer DrawButtonStyle1 = DrawButtonStyle<ChooseStyle1Look>;
inline constexpr StyleRenderer DrawButtonStyle2 = DrawButtonStyle<ChooseStyle2Look>;
inline constexpr StyleRenderer DrawButtonStyle3 = DrawButtonStyle<ChooseStyle3Look>;
inline constexpr StyleRenderer DrawButtonStyle4 = DrawButtonStyle<ChooseStyle4Look>;
inline constexpr StyleRenderer DrawButtonStyle5 = DrawButtonStyle<ChooseStyle5Look>;
inline constexpr StyleRenderer DrawButtonStyle6 = DrawButtonStyle<ChooseStyle6Look>;
inline constexpr StyleRenderer DrawButtonStyle7 = DrawButtonStyle<ChooseStyle7Look>;
inline constexpr StyleRenderer kStyleRenderers[] = {DrawButtonStyle0, DrawButtonStyle1, DrawButtonStyle2,
                                                    DrawButtonStyle3, DrawButtonStyle4, DrawButtonStyle5,
                                                    DrawButtonStyle6, DrawButtonStyle7};
