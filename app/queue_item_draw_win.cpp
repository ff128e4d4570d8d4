#include "app/queue_item_draw_win.h"

#include <algorithm>

#include "platform/handles_win.h"

namespace {

// In pixels at 96 dots per inch.
constexpr int kMargin = 2;
constexpr int kGlyphSize = 12;

int Scaled(int pixels, int dpi) { return MulDiv(pixels, dpi, 96); }

void Line(HDC dc, const RECT& box, std::initializer_list<POINT> fractionsOf100) {
    const int size = box.right - box.left;
    bool first = true;
    for (const POINT& p : fractionsOf100) {
        const int x = box.left + MulDiv(size, p.x, 100);
        const int y = box.top + MulDiv(size, p.y, 100);
        if (first)
            MoveToEx(dc, x, y, nullptr);
        else
            LineTo(dc, x, y);
        first = false;
    }
}

// A disc with a mark of its own for each result, so that the glyphs differ
// in shape, not only in colour.
void DrawGlyph(HDC dc, const RECT& box, EntryResult result, int dpi) {
    const COLORREF colour = GlyphColour(result);
    Gdi<HPEN> outline(CreatePen(PS_SOLID, 1, colour));
    Gdi<HBRUSH> fill(CreateSolidBrush(colour));
    Selected pen(dc, outline.get());
    Selected brush(dc, result == EntryResult::NotFetched ? GetStockObject(NULL_BRUSH) : fill.get());
    Ellipse(dc, box.left, box.top, box.right, box.bottom);
    if (result == EntryResult::NotFetched) return;

    Gdi<HPEN> markPen(CreatePen(PS_SOLID, std::max(1, Scaled(2, dpi)), kGlyphMark));
    Selected mark(dc, markPen.get());
    switch (result) {
    case EntryResult::Downloaded:
        Line(dc, box, {{25, 52}, {43, 70}, {75, 32}});
        break;
    case EntryResult::Unchanged:
        Line(dc, box, {{28, 38}, {72, 38}});
        Line(dc, box, {{28, 64}, {72, 64}});
        break;
    case EntryResult::Failed:
        Line(dc, box, {{30, 30}, {70, 70}});
        Line(dc, box, {{70, 30}, {30, 70}});
        break;
    case EntryResult::NotFetched:
        break;
    }
}

}  // namespace

COLORREF GlyphColour(EntryResult result) {
    switch (result) {
    case EntryResult::Downloaded:
        return RGB(0x1E, 0x8C, 0x3A);
    case EntryResult::Unchanged:
        return RGB(0x2B, 0x64, 0xC8);
    case EntryResult::Failed:
        return RGB(0xC8, 0x28, 0x28);
    case EntryResult::NotFetched:
        break;
    }
    return RGB(0x80, 0x80, 0x80);
}

int QueueItemHeight(HDC dc, HFONT font, int dpi) {
    Selected selected(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return std::max<int>(metrics.tmHeight, Scaled(kGlyphSize, dpi)) + 2 * Scaled(kMargin, dpi);
}

RECT GlyphBox(const RECT& item, int dpi) {
    const int size = Scaled(kGlyphSize, dpi);
    const int top = item.top + (item.bottom - item.top - size) / 2;
    const int left = item.left + Scaled(kMargin, dpi);
    return {left, top, left + size, top + size};
}

void DrawQueueItem(const DRAWITEMSTRUCT& item, const std::wstring& address, const EntryStatus& status, int dpi) {
    const HDC dc = item.hDC;
    const bool selected = item.itemState & ODS_SELECTED;
    RECT box = item.rcItem;
    FillRect(dc, &box, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const COLORREF text = (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT)
                          : selected                      ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                                          : GetSysColor(COLOR_WINDOWTEXT);
    const int oldMode = SetBkMode(dc, TRANSPARENT);

    const RECT glyph = GlyphBox(box, dpi);
    DrawGlyph(dc, glyph, status.result, dpi);

    RECT words{glyph.right + 2 * Scaled(kMargin, dpi), box.top, box.right - Scaled(kMargin, dpi), box.bottom};
    if (status.result == EntryResult::Failed) {
        const std::wstring streak = StreakMark(status.failedRuns);
        RECT room = words;
        DrawTextW(dc, streak.c_str(), -1, &room, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        RECT streakBox{words.right - (room.right - room.left), box.top, words.right, box.bottom};
        SetTextColor(dc, selected ? text : GlyphColour(EntryResult::Failed));
        DrawTextW(dc, streak.c_str(), -1, &streakBox, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        words.right = streakBox.left - 2 * Scaled(kMargin, dpi);
    }
    SetTextColor(dc, text);
    DrawTextW(dc, address.c_str(), static_cast<int>(address.size()), &words,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SetBkMode(dc, oldMode);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dc, &box);
}
