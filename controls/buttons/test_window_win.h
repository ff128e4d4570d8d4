#pragma once
// Test support: a plain visible window to hang window properties, timers
// and accessible objects on, top-level or a child of parent.
#include <windows.h>

#include "platform/window_win.h"

class TestWindow : public Window {
public:
    explicit TestWindow(const RECT& bounds, HWND parent = nullptr) {
        CreateOwnWindow(L"DurnwickInteractionTestWindow", L"", (parent ? WS_CHILD : WS_POPUP) | WS_VISIBLE, 0,
                        bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent);
    }
};
