#pragma once
#include <windows.h>

#include <optional>

#include "controls/buttons/model/button_accessibility.h"
#include "platform/handles_win.h"

class AccessibleButton;

// What the accessible object asks its button.
class AccessibleButtonFacts {
public:
    virtual ~AccessibleButtonFacts() = default;
    virtual AccessibleView Describe() const = 0;
    // A screen reader's "click". It arrives inside a call from the reader,
    // so a host whose Click may show a modal window should post it.
    virtual void DoDefaultAction() = 0;
};

// The accessible object (MSAA) of a button's window and the change events
// about it. The window answers WM_GETOBJECT through OnGetObject and calls
// NotifyChanges after anything that may change what the object says.
class ButtonAccessibility {
public:
    ButtonAccessibility(HWND window, AccessibleButtonFacts& facts);
    // Readers that still hold the object get errors from then on, never a
    // dead button.
    ~ButtonAccessibility();
    ButtonAccessibility(const ButtonAccessibility&) = delete;
    ButtonAccessibility& operator=(const ButtonAccessibility&) = delete;

    // The answer to WM_GETOBJECT: the object for the client area, made on
    // the first request; 0 for any other object, which the default window
    // procedure then answers.
    LRESULT OnGetObject(WPARAM wp, LPARAM lp);

    // Raises the name-change and state-change events for what differs from
    // the last call; the first call only takes note.
    void NotifyChanges();

private:
    HWND window_;
    AccessibleButtonFacts& facts_;
    Com<AccessibleButton> object_;
    std::optional<AccessibleView> told_;
};
