#pragma once
// Test support: a form to hold buttons.
#include <windows.h>

#include <gtest/gtest.h>

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
