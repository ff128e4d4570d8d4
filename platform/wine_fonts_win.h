#pragma once
#include <string>

// Debian's Wine leaves the Tahoma it ships out of a new prefix, and GDI then
// draws "Tahoma" and "MS Shell Dlg" with DejaVu Sans. Wine's Uniscribe reads
// before the start of a run of text when the run begins with a glyph that
// DejaVu Sans positions as a mark (the tilde "˜" after "/", most modifier
// letters), which crashes every edit box showing such text. So under Wine,
// when Tahoma is missing, this process adds Wine's own copy for itself.
// Elsewhere, and when Tahoma is there, it does nothing. Call it before any
// font is made: GDI keeps the face it chose for a font it has made.
void ProvideWineTahoma();

// The face to ask GDI for: a font-substitute name ("MS Shell Dlg") resolved
// to the installed face it names, any other face as it is. Wine resolves
// substitutes once, before it sees fonts a process adds for itself.
std::wstring InstalledFace(const std::wstring& face);
