#include "controls/buttons/draw/caption_win.h"

#include "controls/buttons/draw/gdi_values_win.h"
#include "controls/buttons/draw/picture_draw_win.h"

namespace {

UINT AlignmentFormat(std::int32_t captionAlign) {
    switch (captionAlign) {
    case kAlignLeft:
        return DT_LEFT;
    case kAlignRight:
        return DT_RIGHT;
    default:
        return DT_CENTER;
    }
}

}  // namespace

TextSize MeasureCaptionText(HDC surface, std::wstring_view text, std::int32_t width, std::int32_t height) {
    RECT extent{0, 0, width, height};
    DrawTextW(surface, text.data(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_WORDBREAK);
    return {extent.right, extent.bottom};
}

ButtonLayout LayoutCaptionAndPicture(HDC surface, const ButtonMembers& m, std::int32_t width, std::int32_t height) {
    return LayoutCaptionAndPicture(m, width, height, [surface](std::wstring_view text, std::int32_t w, std::int32_t h) {
        return MeasureCaptionText(surface, text, w, h);
    });
}

void DrawCaptionText(HDC surface, std::wstring_view text, std::int32_t captionAlign, const ButtonRect& rect,
                     std::span<const TextPass> passes) {
    // Unclipped: Wine draws some glyphs wider than it measures them (three
    // dots in 8 pt Tahoma take twelve pixels, measured as nine), and the
    // rectangle is exactly as wide as the measure.
    const UINT format = DT_WORDBREAK | DT_NOCLIP | AlignmentFormat(captionAlign);
    for (const TextPass& pass : passes) {
        RECT r = ToRect(Moved(rect, pass.offset));
        SetTextColor(surface, ResolvedRgb(pass.colour));
        DrawTextW(surface, text.data(), static_cast<int>(text.size()), &r, format);
    }
}

void DrawCaption(HDC surface, const ButtonMembers& m, const WindowObject& window, HANDLE picture, Colour faceColor,
                 Colour textColor, bool pressed, bool& singlePass) {
    const CaptionPlan plan = PlanCaption(m, window, faceColor, textColor, pressed, singlePass);
    DrawPicture(surface, m, picture, window.Enabled, plan.pictureRect);
    DrawCaptionText(surface, PrepareCaptionText(m.Caption), m.CaptionAlign, plan.captionRect, plan.passes);
    singlePass = plan.singlePass;
}
