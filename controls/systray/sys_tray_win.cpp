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

// The portable record spells out what the shell's headers name.
static_assert(kNimAdd == NIM_ADD && kNimModify == NIM_MODIFY && kNimDelete == NIM_DELETE);
static_assert(kNifMessage == NIF_MESSAGE && kNifIcon == NIF_ICON && kNifTip == NIF_TIP && kNifInfo == NIF_INFO);
static_assert(kTrayCallbackMessage == WM_MOUSEMOVE && kMouseMove == WM_MOUSEMOVE);
static_assert(kLeftButtonDown == WM_LBUTTONDOWN && kLeftButtonUp == WM_LBUTTONUP &&
              kLeftButtonDoubleClick == WM_LBUTTONDBLCLK);
static_assert(kRightButtonDown == WM_RBUTTONDOWN && kRightButtonUp == WM_RBUTTONUP &&
              kRightButtonDoubleClick == WM_RBUTTONDBLCLK);
static_assert(sizeof(TrayRecord{}.szTip) == sizeof(NOTIFYICONDATAW{}.szTip));
static_assert(sizeof(TrayRecord{}.szInfo) == sizeof(NOTIFYICONDATAW{}.szInfo));
static_assert(sizeof(TrayRecord{}.szInfoTitle) == sizeof(NOTIFYICONDATAW{}.szInfoTitle));

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
    WindowDescriptor descriptor;
    descriptor.className = L"DurnwickTrayControl";
    descriptor.parent = HWND_MESSAGE;
    // Without its window the control sends records the shell refuses: no
    // icon, and nothing worse.
    (void)CreateOwnWindow(descriptor);
}

// The icon goes before the window, so it never outlives it; if the owner
// already removed it, the shell refuses this second delete and that is fine.
ctxSysTray::~ctxSysTray() {
    RemoveIconFromSystray();
    DestroyOwnWindow();
}

TrayResult ctxSysTray::AddIconToSystray(const std::wstring& toolTip) {
    if (!trayIcon_) return TrayResult::NoPicture;
    state_.recordSize = kShellRecordSize;
    state_.icon = Handle(trayIcon_);
    state_.toolTip = toolTip;
    requested_ = true;
    return Send(TrayOperation::Add);
}

TrayResult ctxSysTray::UpdateIcon(const std::wstring& toolTip) {
    if (!trayIcon_) return TrayResult::NoPicture;
    state_.icon = Handle(trayIcon_);
    state_.toolTip = toolTip;
    return Send(TrayOperation::ChangeIconAndTip);
}

TrayResult ctxSysTray::RemoveIconFromSystray() {
    requested_ = false;
    return Send(TrayOperation::Delete);
}

TrayResult ctxSysTray::Popup(const std::wstring& message, const std::wstring& title, long iconType) {
    state_.balloonText = message;
    state_.balloonTitle = title;
    state_.balloonIcon = static_cast<std::uint32_t>(iconType);
    return Send(TrayOperation::ChangeBalloon);
}

TrayResult ctxSysTray::HidePopUp() { return Popup({}, {}, 0); }

TrayResult ctxSysTray::Readd() {
    if (!requested_) return TrayResult::NotRequested;
    if (!trayIcon_) return TrayResult::NoPicture;
    // The icon comes back with its tooltip; a balloon already shown is not
    // shown again.
    state_.balloonText.clear();
    state_.balloonTitle.clear();
    state_.balloonIcon = 0;
    state_.icon = Handle(trayIcon_);
    if (Send(TrayOperation::Add) == TrayResult::Accepted) return TrayResult::Accepted;
    // The shell refuses to add an icon it still holds; a change of the same
    // icon and tip tells whether that is why.
    return Send(TrayOperation::ChangeIconAndTip);
}

TrayResult ctxSysTray::Send(TrayOperation operation) {
    state_.window = reinterpret_cast<std::uintptr_t>(hwnd());
    lastSent_ = MakeRecord(state_, operation);
    NOTIFYICONDATAW data = ShellRecord(lastSent_);
    const bool accepted = Shell_NotifyIconW(ShellOperationCode(operation), &data);
    switch (operation) {
    case TrayOperation::Add:
        // A refused add leaves an icon that was already there in place.
        inTray_ = inTray_ || accepted;
        break;
    case TrayOperation::ChangeIconAndTip:
    case TrayOperation::ChangeBalloon:
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
