#include "platform/message_loop_win.h"

#include <algorithm>

#include "platform/access_keys_win.h"

bool TranslateForDialogs(MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    HWND top = GetAncestor(msg.hwnd, GA_ROOT);
    return top && (FocusNextSharingAccessKey(top, msg) || IsDialogMessageW(top, &msg));
}

void DoEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (TranslateForDialogs(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        const DWORD spent = GetTickCount() - start;
        if (spent >= timeoutMs) return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(timeoutMs - spent, 20), QS_ALLINPUT);
        DoEvents();
    }
    return true;
}
