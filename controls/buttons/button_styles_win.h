#pragma once
#include "controls/buttons/button_painter_win.h"
#include "controls/buttons/edges.h"
#include "controls/buttons/look_state.h"

// The renderers of the eight ButtonStyle values. Each takes its style's
// colour choices and draws them in layers: face, caption, edges, corner
// pixels, focus mark.
void DrawButtonStyle0(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState);
void DrawButtonStyle1(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState);
void DrawButtonStyle2(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState);
void DrawButtonStyle3(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState);
void DrawButtonStyle4(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState);
void DrawButtonStyle5(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState);
void DrawButtonStyle6(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState);
void DrawButtonStyle7(ButtonPainter& painter, EdgePoints& points, EdgeColors& colours, LookState& lookState);

using StyleRenderer = void (*)(ButtonPainter&, EdgePoints&, EdgeColors&, LookState&);
inline constexpr StyleRenderer kStyleRenderers[] = {DrawButtonStyle0, DrawButtonStyle1, DrawButtonStyle2,
                                                    DrawButtonStyle3, DrawButtonStyle4, DrawButtonStyle5,
                                                    DrawButtonStyle6, DrawButtonStyle7};
