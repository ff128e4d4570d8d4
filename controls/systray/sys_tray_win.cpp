#include "controls/systray/sys_tray_win.h"

#include <shellapi.h>

#include <algorithm>
#include <array>
#include <cstddef>

#include "controls/systray/tray_events.h"

namespace {

// The balloon-capable record (version 2) ends after dwInfoFlags: 936 bytes
// in a 32-bit build, 952 in a 64-bit one.
constexpr DWORD kShellRecordSize = offsetof(NOTIFYICONDATAW, guidItem);
static_assert(kShellRecordSize == offsetof(NOTIFYICONDATAW, dwInfoFlags) + sizeof(DWORD));
static_assert(sizeof(void*) != 8 || kShellRecordSize == 952);

template <std::size_t N>
void CopyText(const std::array<wchar_t, N>& from, WCHAR (&to)[N]) {
    std::copy(from.begin(), from.end(), to);
}

// The only place the shell's record is built: add, modify and delete all
// send what this makes of the control's record.
NOTIFYICONDATAW ShellRecord(const TrayRecord& r) {
    NOTIFYICONDATAW n{};
    n.cbSize = r.cbSize;
    n.hWnd = reinterpret_cast<HWND>(r.hWnd);
    n.uID = r.uID;
    n.uFlags = r.uFlags;
    n.uCallbackMessage = r.uCallbackMessage;
    n.hIcon = reinterpret_cast<HICON>(r.hIcon);
    CopyText(r.szTip, n.szTip);
    n.dwState = r.dwState;
    n.dwStateMask = r.dwStateMask;
    CopyText(r.szInfo, n.szInfo);
    n.uTimeout = r.uTimeout;
    CopyText(r.szInfoTitle, n.szInfoTitle);
    n.dwInfoFlags = r.dwInfoFlags;
    return n;
}

std::uintptr_t Handle(const Icon& icon) { return reinterpret_cast<std::uintptr_t>(icon.get()); }

int ShiftState() {
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

}  // namespace

ctxSysTray::ctxSysTray() {
    WindowSpec spec;
    spec.className = L"DurnwickTrayControl";
    spec.parent = HWND_MESSAGE;
    // Without its window the control sends records the shell refuses: no
    // icon, and nothing worse.
    (void)CreateOwnWindow(spec);
}

// The icon goes before the window, so it never outlives it; if the owner
// already removed it, the shell refuses this second delete and that is fine.
ctxSysTray::~ctxSysTray() {
    RemoveIconFromSystray();
    DestroyOwnWindow();
}

TrayResult ctxSysTray::AddIconToSystray(const std::wstring& toolTip) {
    const auto operation = FillForAdd(record_, Self(), Handle(trayIcon_), toolTip, kShellRecordSize);
    if (!operation) return TrayResult::NoPicture;
    requested_ = true;
    return Send(*operation);
}

TrayResult ctxSysTray::UpdateIcon(const std::wstring& toolTip) {
    const auto operation = FillForUpdate(record_, Self(), Handle(trayIcon_), toolTip);
    return operation ? Send(*operation) : TrayResult::NoPicture;
}

TrayResult ctxSysTray::RemoveIconFromSystray() {
    requested_ = false;
    return Send(FillForRemove(record_, Self()));
}

TrayResult ctxSysTray::Popup(const std::wstring& message, const std::wstring& title, long iconType) {
    return Send(FillForPopup(record_, Self(), message, title, static_cast<std::uint32_t>(iconType)));
}

TrayResult ctxSysTray::HidePopUp() { return Send(FillForHidePopUp(record_, Self())); }

TrayResult ctxSysTray::Readd() {
    if (!requested_) return TrayResult::NotRequested;
    const auto operation = FillForReadd(record_, Self(), Handle(trayIcon_), kShellRecordSize);
    if (!operation) return TrayResult::NoPicture;
    if (Send(*operation) == TrayResult::Accepted) return TrayResult::Accepted;
    // The shell refuses to add an icon it still holds; a modify with the
    // same record tells whether that is why.
    return Send(TrayOperation::Modify);
}

std::uintptr_t ctxSysTray::Self() const { return reinterpret_cast<std::uintptr_t>(hwnd()); }

TrayResult ctxSysTray::Send(TrayOperation operation) {
    NOTIFYICONDATAW data = ShellRecord(record_);
    const bool accepted = Shell_NotifyIconW(static_cast<DWORD>(operation), &data);
    switch (operation) {
    case TrayOperation::Add:
        // A refused add leaves an icon that was already there in place.
        inTray_ = inTray_ || accepted;
        break;
    case TrayOperation::Modify:
        inTray_ = accepted;
        break;
    case TrayOperation::Delete:
        inTray_ = false;
        break;
    }
    return accepted ? TrayResult::Accepted : TrayResult::Refused;
}

LRESULT ctxSysTray::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kTrayCallbackMessage) {
        RaiseNotification(lp);
        return 0;
    }
    return DefaultProc(msg, wp, lp);
}

void ctxSysTray::RaiseNotification(LPARAM mouseMessage) {
    const TrayNotification notification = DecodeTrayNotification(mouseMessage);
    const DWORD position = GetMessagePos();
    const int x = static_cast<short>(LOWORD(position));
    const int y = static_cast<short>(HIWORD(position));
    switch (notification.event) {
    case TrayEvent::MouseMouse:
        if (MouseMouse) MouseMouse(x, y);
        break;
    case TrayEvent::MouseDown:
        if (MouseDown) MouseDown(notification.button, ShiftState(), x, y);
        break;
    case TrayEvent::MouseUp:
        if (MouseUp) MouseUp(notification.button, ShiftState(), x, y);
        break;
    case TrayEvent::DblClick:
        if (DblClick) DblClick(notification.button);
        break;
    case TrayEvent::None:
        break;
    }
}
