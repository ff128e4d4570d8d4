#pragma once
// Test support: the hover timer's ticks on one window, counted.
#include <windows.h>

#include "controls/buttons/model/interaction_codes.h"

// Counts the hover timer's ticks on one window as the thread takes them
// from its queue.
class TickCounter {
public:
    explicit TickCounter(HWND window) {
        window_ = window;
        ticks_ = 0;
        hook_ = SetWindowsHookExW(WH_GETMESSAGE, Spy, nullptr, GetCurrentThreadId());
    }
    TickCounter(const TickCounter&) = delete;
    TickCounter& operator=(const TickCounter&) = delete;
    ~TickCounter() { UnhookWindowsHookEx(hook_); }
    int ticks() const { return ticks_; }

private:
    static LRESULT CALLBACK Spy(int code, WPARAM wp, LPARAM lp) {
        const MSG& msg = *reinterpret_cast<const MSG*>(lp);
        if (code == HC_ACTION && wp == PM_REMOVE && msg.message == WM_TIMER && msg.hwnd == window_ &&
            msg.wParam == kHoverTimerId)
            ++ticks_;
        return CallNextHookEx(nullptr, code, wp, lp);
    }

    HHOOK hook_;
    static inline HWND window_;
    static inline int ticks_;
};
