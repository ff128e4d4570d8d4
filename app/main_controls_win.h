#pragma once
#include <windows.h>

#include <map>

#include "app/main_layout.h"
#include "platform/handles_win.h"

// Creates the main window's controls from the layout table and owns what
// they share: fonts, the tooltip window and the window's background brush.
class MainControls {
public:
    void Create(HWND parent);

    HWND operator[](ControlId id) const { return windows_.at(id); }
    HWND statusBar() const { return statusBar_; }
    HWND progressBar() const { return progressBar_; }
    HBRUSH background() const { return background_.get(); }
    RECT PixelRect(const TwipsRect& place) const;

    // Background and text colour of labels, frames, check and option boxes.
    HBRUSH ColorStatic(HDC dc, HWND control) const;

private:
    HWND CreateControl(HWND parent, const ControlSpec& control);
    int NeededWidthTwips(const ControlSpec& control) const;
    void CreateStatusArea(HWND parent);
    void AddTooltip(HWND parent, HWND control, const std::wstring& text);

    int dpi_ = 96;
    std::map<ControlId, HWND> windows_;
    HWND statusBar_ = nullptr;
    HWND progressBar_ = nullptr;
    HWND tooltip_ = nullptr;
    Gdi<HFONT> messageFont_;
    Gdi<HFONT> buttonFont_;
    Gdi<HFONT> boldButtonFont_;
    Gdi<HBRUSH> background_;
};

// Main window background and the colour of its labels, frames and boxes.
constexpr COLORREF kMainBackColor = RGB(0xE0, 0xE0, 0xE0);
constexpr COLORREF kLabel3TextColor = RGB(0xC0, 0x00, 0x00);
