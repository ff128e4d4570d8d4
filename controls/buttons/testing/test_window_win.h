#pragma once
// Test support: a plain visible window to hang window properties, timers
// and accessible objects on, top-level or a child of parent.
#include <windows.h>
#include <gtest/gtest.h>

#include "platform/window_win.h"

class TestWindow : public Window {
public:
    explicit TestWindow(const RECT& bounds, HWND parent = nullptr) {
        WindowDescriptor descriptor;
        descriptor.className = L"DurnwickInteractionTestWindow";
        descriptor.style = (parent ? WS_CHILD : WS_POPUP) | WS_VISIBLE;
        descriptor.bounds = bounds;
        descriptor.parent = parent;
        EXPECT_TRUE(CreateOwnWindow(descriptor));
    }
    ~TestWindow() override { DestroyOwnWindow(); }
};
