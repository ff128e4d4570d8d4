#pragma once
#include <windows.h>

#include <string>

#include "app/entry_status.h"

// The colour of each result's glyph; a not yet fetched entry's is a ring.
COLORREF GlyphColour(EntryResult result);
inline constexpr COLORREF kGlyphMark = RGB(0xFF, 0xFF, 0xFF);

// The height of every item of the queue in the list's font on a screen of
// dpi dots per inch: the address or the glyph, whichever is taller, with a
// margin above and below.
int QueueItemHeight(HDC dc, HFONT font, int dpi);
// Where in an item the glyph goes: a square at its left, centred in height.
RECT GlyphBox(const RECT& item, int dpi);

// One item of the owner-drawn queue: the glyph of its result, the address
// as queued and, for a failed entry, its streak at the right; selection
// and focus as the system draws them in a list.
void DrawQueueItem(const DRAWITEMSTRUCT& item, const std::wstring& address, const EntryStatus& status, int dpi);
