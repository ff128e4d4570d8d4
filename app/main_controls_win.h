#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <map>

#include "app/caption_room.h"
#include "app/main_layout.h"
#include "controls/buttons/window/form_buttons_win.h"
#include "platform/handles_win.h"

// Main window background and the colour of its labels, frames and boxes.
constexpr COLORREF kMainBackColor = RGB(0xE0, 0xE0, 0xE0);
constexpr COLORREF kLabel3TextColor = RGB(0xC0, 0x00, 0x00);

// The one event of a button the main window listens to.
class ClickRelay final : public ButtonEvents {
public:
    explicit ClickRelay(std::function<void()> clicked) : clicked_(std::move(clicked)) {}
    void Click() override { clicked_(); }

private:
    std::function<void()> clicked_;
};

// Creates the main window's controls from the layout table, the buttons
// with the properties the program keeps for them, and places them so that
// every caption shows whole in the fonts the system gives. Owns what they
// share: fonts, the tooltip window, the window's background brush, and the
// buttons with their host.
class MainControls {
public:
    // clicked gets the id of every button that raises Click.
    void Create(HWND parent, std::function<void(ControlId)> clicked);

    HWND operator[](ControlId id) const { return windows_.at(id); }
    xoButtons_H& Button(ControlId id) const { return *buttonsById_.at(id); }
    bool IsButton(ControlId id) const { return buttonsById_.contains(id); }
    FormButtons& Buttons() { return buttons_; }
    HWND statusBar() const { return statusBar_; }
    HWND progressBar() const { return progressBar_; }
    HBRUSH background() const { return background_.get(); }
    // The etched box around the naming hint.
    RECT HintBox() const;

    // Background and text colour of labels, frames, check and option boxes.
    HBRUSH ColorStatic(HDC dc, HWND control) const;

private:
    HWND CreateControl(HWND parent, const ControlDesign& control, const PixelBox& place);
    void CreateButton(HWND parent, const ControlDesign& control, const PixelBox& place, const PropertyBag* bag,
                      const std::function<void(ControlId)>& clicked);
    void FitCaptionsToFonts();
    void CreateStatusArea(HWND parent);
    void AddTooltip(HWND parent, HWND control, const std::wstring& text);

    int dpi_ = 96;
    std::map<ControlId, HWND> windows_;
    HWND statusBar_ = nullptr;
    HWND progressBar_ = nullptr;
    HWND tooltip_ = nullptr;
    PixelBox hintBox_;
    Gdi<HFONT> messageFont_;
    Gdi<HBRUSH> background_;
    std::deque<ClickRelay> relays_;  // outlive the buttons that raise to them
    FormButtons buttons_{static_cast<Colour>(kMainBackColor)};
    std::map<ControlId, xoButtons_H*> buttonsById_;
};
