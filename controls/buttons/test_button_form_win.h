#pragma once
// Test support: a form to hold buttons, and a host that is being designed.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/buttons/button_host.h"
#include "platform/window_win.h"

class TestForm final : public Window {
public:
    // shown: on screen, so that its buttons are painted.
    explicit TestForm(bool shown = false) {
        WindowDescriptor descriptor;
        descriptor.className = L"DurnwickButtonTestForm";
        descriptor.title = L"Buttons";
        descriptor.style = (shown ? WS_POPUP : WS_OVERLAPPEDWINDOW) | WS_CLIPCHILDREN;
        descriptor.bounds = {0, 0, 640, 480};
        EXPECT_TRUE(CreateOwnWindow(descriptor));
        // Shown without activation, so that Wine does not hand the window to
        // a window manager and wait for it when the window goes.
        if (shown) ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    }
    ~TestForm() override { DestroyOwnWindow(); }
};

class DesignHost final : public ButtonHost {
public:
    explicit DesignHost(HWND form) : form_(form) {}
    bool displayAsDefault = false;
    Colour backColor = kButtonFace;
    std::vector<std::wstring> messages;

    bool UserMode() const override { return false; }
    std::wstring DisplayName() const override { return L"cmdDesign"; }
    Colour BackColor() const override { return backColor; }
    bool DisplayAsDefault() const override { return displayAsDefault; }
    std::uintptr_t ContainerWindow() const override { return reinterpret_cast<std::uintptr_t>(form_); }
    void PropertyChanged(const std::wstring&) override {}
    void ShowMessage(const std::wstring& text, const std::wstring&, MessageIcon) override { messages.push_back(text); }

private:
    HWND form_;
};
