#include "controls/buttons/draw/button_painter_win.h"

#include "controls/buttons/draw/caption_win.h"
#include "controls/buttons/draw/gdi_values_win.h"
#include "controls/buttons/look/button_region.h"
#include "controls/buttons/look/focus_mark.h"
#include "controls/buttons/look/gradient.h"
#include "controls/buttons/model/colour.h"

static_assert(kSolidPen == PS_SOLID && kDottedPen == PS_DOT);

namespace {

// The rim is shaded down the height, white to grey.
constexpr std::int32_t kDownward = 3;

COLORREF Rgb(Colour c) { return static_cast<COLORREF>(c); }

void DrawLine(HDC dc, std::span<const Point> points) {
    const std::vector<POINT> line = ToPoints(points);
    Polyline(dc, line.data(), static_cast<int>(line.size()));
}

}  // namespace

void SetDrawingTool(OffscreenSurface& tools, bool select, HDC surface, DrawingTool kind, Colour colour, bool alsoPen,
                    int penWidth, int penStyle) {
    if (!select) {
        tools.PutBackInitialPenAndBrush();
        return;
    }
    switch (kind) {
    case DrawingTool::Brush:
        tools.Select(Gdi<HBRUSH>(CreateSolidBrush(Rgb(colour))));
        if (alsoPen) tools.Select(Gdi<HPEN>(CreatePen(penStyle, penWidth, Rgb(colour))));
        break;
    case DrawingTool::Pen:
        tools.Select(Gdi<HPEN>(CreatePen(penStyle, penWidth, Rgb(colour))));
        break;
    case DrawingTool::TextColour:
        SetTextColor(surface, ResolvedRgb(colour));
        break;
    default:
        break;
    }
}

void FillBand(OffscreenSurface& surface, const ButtonRect& band, Colour fill, Colour penColour, int penWidth,
              int penStyle) {
    if (penColour != -1) SetDrawingTool(surface, true, nullptr, DrawingTool::Pen, penColour, false, penWidth, penStyle);
    SetDrawingTool(surface, true, nullptr, DrawingTool::Brush, fill, penColour == -1);
    Rectangle(surface.dc(), band.left, band.top, band.right, band.bottom);
}

void PaintGradient(OffscreenSurface& surface, const GradientArea& area, Colour first, Colour second) {
    for (const Band& band :
         GradientBands(area.mode, area.width, area.height, area.screen.cx, area.screen.cy, first, second))
        FillBand(surface, band.box, band.colour);
}

void PaintRimShading(OffscreenSurface& surface, std::int32_t w, std::int32_t h, SIZE screen) {
    PaintGradient(surface, {kDownward, w, h, screen}, kWhite, kGrey);
}

void KeepClipRegion(HDC dc, Gdi<HRGN>& clipRegion, const ButtonRect& ellipse) {
    clipRegion.reset(CreateEllipticRgn(ellipse.left, ellipse.top, ellipse.right, ellipse.bottom));
    SelectClipRgn(dc, clipRegion.get());
}

void DropClipRegion(HDC dc, Gdi<HRGN>& clipRegion) {
    SelectClipRgn(dc, nullptr);
    clipRegion.reset();
}

void ButtonPainter::DrawBackground(Colour face, LookState& lookState, Colour gradientColour, Colour hoverFace) {
    const BackgroundPlan plan = PlanBackground(m_, context_.enabled, face, gradientColour, hoverFace);
    lookState = plan.lookState;
    PaintRim(plan);
    switch (plan.fill) {
    case BackgroundPlan::Fill::Gradient:
        PaintGradient(plan.colour, plan.gradient, m_.GradientMode);
        break;
    case BackgroundPlan::Fill::Lines:
        for (const Band& line : ShadedLines(plan.colour, context_.width, context_.height))
            FillBand(surface_, line.box, line.colour);
        break;
    case BackgroundPlan::Fill::Solid:
        FillBand(surface_, {0, 0, context_.width, context_.height}, plan.colour);
        break;
    }
}

void ButtonPainter::PaintRim(const BackgroundPlan& plan) {
    const std::int32_t w = context_.width, h = context_.height;
    switch (plan.rim) {
    case BackgroundPlan::Rim::None:
        break;
    case BackgroundPlan::Rim::Unclipped:
        SelectClipRgn(dc(), nullptr);
        break;
    case BackgroundPlan::Rim::BlackOutline:
        DropClipRegion(dc(), ClipRegion);
        SetDrawingTool(surface_, true, nullptr, DrawingTool::Pen, kBlack, false, 2);
        Arc(dc(), 0, 0, w + 1, h + 1, 0, 0, 0, 0);
        KeepClipRegion(dc(), ClipRegion, InsideRim(w, h));
        break;
    case BackgroundPlan::Rim::Shaded:
        DropClipRegion(dc(), ClipRegion);
        if (plan.rimRepainted) PaintRimShading(surface_, w, h, sources_.screen);
        KeepClipRegion(dc(), ClipRegion, InsideRim(w, h));
        if (plan.rimPushed) {
            // Inside the rim a second ring, shaded the other way.
            PaintGradient(kGrey, kWhite, kDownward);
            KeepClipRegion(dc(), ClipRegion, InsidePushedRim(w, h));
        }
        break;
    }
}

void ButtonPainter::PaintGradient(Colour first, Colour second, std::int32_t gradientMode) {
    ::PaintGradient(surface_, {gradientMode, context_.width, context_.height, sources_.screen}, first, second);
}

void ButtonPainter::DrawEdges(EdgePoints& points, const EdgeColors& colours, int outerPenStyle) {
    points = ComputeEdgePoints(m_.ButtonShape, m_.LeftSlantX, m_.RightSlantX, context_.width, context_.height);
    for (const EdgeLine& line : PlanEdgeLines(points, colours, outerPenStyle)) {
        if (line.newPen)
            SetDrawingTool(surface_, true, nullptr, DrawingTool::Pen, line.colour, false, 1, line.penStyle);
        const Point ends[] = {line.from, line.to};
        DrawLine(dc(), ends);
    }
}

void ButtonPainter::DrawFocus(Colour colour, bool solidFrame, bool aroundContent) {
    const FocusMark mark = PlanFocusMark(m_, context_.width, context_.height, solidFrame, aroundContent);
    if (mark.kind == FocusMark::Kind::Dotted) {
        const RECT r = ToRect(mark.rect);
        DrawFocusRect(dc(), &r);
    } else if (mark.kind == FocusMark::Kind::Line) {
        // A style that leaves the text colour to the caption marks in the caption's colour.
        if (colour < 0) colour = context_.resolvedForeColor;
        SetDrawingTool(surface_, true, nullptr, DrawingTool::Pen, colour);
        DrawLine(dc(), mark.line);
    }
}

void ButtonPainter::DrawCaption(Colour faceColor, Colour textColor, bool pressed, bool& singlePass) {
    ::DrawCaption(dc(), m_, sources_.window, sources_.picture, faceColor, textColor, pressed, singlePass);
}

void ButtonPainter::DrawDottedEllipse() {
    const std::int32_t w = context_.width, h = context_.height;
    DropClipRegion(dc(), ClipRegion);
    SetDrawingTool(surface_, true, nullptr, DrawingTool::Pen, kWhite, false, 1, PS_DOT);
    Arc(dc(), 0, 0, w, h, 0, 0, 0, 0);
    KeepClipRegion(dc(), ClipRegion, InsideRim(w, h));
}

void ButtonPainter::PaintCornerPixels(const std::vector<CornerPixel>& pixels) {
    for (const CornerPixel& p : pixels) SetPixelV(dc(), p.at.x, p.at.y, Rgb(p.colour));
}
