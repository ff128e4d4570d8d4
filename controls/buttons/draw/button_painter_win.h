#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "controls/buttons/look/background.h"
#include "controls/buttons/look/edges.h"
#include "controls/buttons/look/look_state.h"
#include "controls/buttons/look/style_looks.h"
#include "controls/buttons/model/button_codes.h"
#include "controls/buttons/model/button_members.h"
#include "platform/handles_win.h"
#include "platform/offscreen_surface_win.h"

// The drawing objects SetDrawingTool makes.
enum class DrawingTool { Brush = 0, Pen = 1, TextColour = 2 };

// A solid brush of colour (and with alsoPen a pen of the same colour), a
// pen, or the text colour of surface (system colours resolved). Brushes and
// pens go into tools and replace, and delete, the previous ones. select
// False puts the surface's initial pen and brush back.
void SetDrawingTool(OffscreenSurface& tools, bool select, HDC surface, DrawingTool kind, Colour colour,
                    bool alsoPen = false, int penWidth = 1, int penStyle = PS_SOLID);

// Fills left ... right - 1 by top ... bottom - 1: outline and inside in
// fill, or outlined with a pen of penColour when that is not -1.
void FillBand(OffscreenSurface& surface, const ButtonRect& band, Colour fill, Colour penColour = -1, int penWidth = 1,
              int penStyle = PS_SOLID);

// A GradientMode's bands over the whole width x height surface.
struct GradientArea {
    std::int32_t mode = 0;
    std::int32_t width = 0, height = 0;
    SIZE screen{};
};
void PaintGradient(OffscreenSurface& surface, const GradientArea& area, Colour first, Colour second);

// The white-to-grey shading down the whole surface that the elliptic
// shapes keep as their rim.
void PaintRimShading(OffscreenSurface& surface, std::int32_t w, std::int32_t h, SIZE screen);

// The elliptic clip region: made, kept and selected into dc, or taken out
// of it and deleted.
void KeepClipRegion(HDC dc, Gdi<HRGN>& clipRegion, const ButtonRect& ellipse);
void DropClipRegion(HDC dc, Gdi<HRGN>& clipRegion);

// What a redraw draws from besides the members: the values the window
// object keeps (font, colours, Enabled), the picture's handle and the
// screen gradients are measured against.
struct PaintSources {
    const WindowObject& window;
    HANDLE picture = nullptr;
    SIZE screen{};
};

// One redraw of a button: the layers every style is built from, drawn into
// its surface. The elliptic clip region stays the button's; the members are
// the button's own, so the caption sees a style's temporary hover colour.
class ButtonPainter {
public:
    ButtonPainter(OffscreenSurface& surface, Gdi<HRGN>& clipRegion, ButtonMembers& members, const LookContext& context,
                  const PaintSources& sources)
        : surface_(surface), ClipRegion(clipRegion), m_(members), context_(context), sources_(sources) {}
    ButtonPainter(const ButtonPainter&) = delete;
    ButtonPainter& operator=(const ButtonPainter&) = delete;

    ButtonMembers& Members() { return m_; }
    const LookContext& Context() const { return context_; }

    // The face: solid, gradient or shaded lines, the hover colour, and the
    // rim and clip of the elliptic shapes. Sets lookState.
    void DrawBackground(Colour face, LookState& lookState, Colour gradientColour, Colour hoverFace);
    void PaintGradient(Colour first, Colour second, std::int32_t gradientMode);
    // Fills points with the ring outline and draws the segments colours asks for.
    void DrawEdges(EdgePoints& points, const EdgeColors& colours, int outerPenStyle);
    void DrawFocus(Colour colour, bool solidFrame, bool aroundContent);
    // The picture, then the caption text with its effect (see PlanCaption).
    void DrawCaption(Colour faceColor, Colour textColor, bool pressed, bool& singlePass);
    // ButtonStyle 5's dotted outline of an ellipse in design mode.
    void DrawDottedEllipse();
    void PaintCornerPixels(const std::vector<CornerPixel>& pixels);

private:
    HDC dc() const { return surface_.dc(); }
    void PaintRim(const BackgroundPlan& plan);

    OffscreenSurface& surface_;
    Gdi<HRGN>& ClipRegion;
    ButtonMembers& m_;
    const LookContext context_;
    const PaintSources sources_;
};
