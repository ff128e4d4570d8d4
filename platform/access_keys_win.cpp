#include "platform/access_keys_win.h"

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "platform/text.h"
#include "platform/window_text_win.h"

namespace {

bool Usable(HWND control) { return (GetWindowLongW(control, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE; }

// Whether the dialog manager would take the control for this key: a button,
// a label or a frame that is shown, enabled and marks it.
bool MarksKey(HWND control, wchar_t key) {
    if (!Usable(control)) return false;
    if (!(SendMessageW(control, WM_GETDLGCODE, 0, 0) & (DLGC_BUTTON | DLGC_STATIC))) return false;
    const wchar_t marked = DialogAccessKey(WindowText(control));
    return marked && std::towupper(marked) == std::towupper(key);
}

// The windows below `top` in the order the dialog manager searches them:
// depth first, into the children of shown and enabled windows only.
void CollectInSearchOrder(HWND parent, std::vector<HWND>& windows) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        windows.push_back(child);
        if (Usable(child)) CollectInSearchOrder(child, windows);
    }
}

bool IsAccessKeyMessage(const MSG& msg) {
    if (msg.message == WM_SYSCHAR) return true;
    return msg.message == WM_CHAR &&
           !(SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) &
             (DLGC_WANTCHARS | DLGC_WANTMESSAGE));
}

// A label or a frame hands the focus on to the control after it.
HWND FocusTarget(HWND top, HWND control) {
    if ((SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) &&
        (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX)
        return control;
    return GetNextDlgTabItem(top, control, FALSE);
}

}  // namespace

bool FocusNextSharingAccessKey(HWND top, const MSG& msg) {
    if (!IsAccessKeyMessage(msg)) return false;
    const auto key = static_cast<wchar_t>(msg.wParam);
    std::vector<HWND> windows;
    CollectInSearchOrder(top, windows);
    std::vector<size_t> sharing;
    for (size_t i = 0; i < windows.size(); ++i)
        if (MarksKey(windows[i], key)) sharing.push_back(i);
    if (sharing.size() < 2) return false;

    // The next one after the focus, round to the first.
    const auto focusAt = static_cast<size_t>(std::ranges::find(windows, GetFocus()) - windows.begin());
    const auto after = std::ranges::find_if(sharing, [&](size_t at) { return at > focusAt; });
    const size_t next = after != sharing.end() ? *after : sharing.front();
    if (HWND target = FocusTarget(top, windows[next])) SetFocus(target);
    return true;
}
