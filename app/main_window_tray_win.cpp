#include "app/main_window_win.h"

#include "app/resources.h"
#include "platform/handles_win.h"
#include "retrieval/run_log.h"

namespace {

constexpr wchar_t kTrayTipAtLoad[] = L"Durnwick - version 2.0";
constexpr wchar_t kTrayTipPrefix[] = L"Durnwick - ";
constexpr wchar_t kBalloonTitle[] = L"Durnwick";
constexpr long kInformationBalloon = 1;
constexpr int kRightButton = 2;

// "Short date, a blank, long time" in the user's own formats.
std::wstring GeneralDateNow() {
    wchar_t date[80] = {};
    wchar_t time[80] = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 80, nullptr);
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, time, 80);
    return std::wstring(date) + L" " + time;
}

}  // namespace

void frmMain::ConnectTray() {
    const int size = GetSystemMetrics(SM_CXSMICON);
    stSysTray_.TrayIcon(Icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TRAY), IMAGE_ICON, size, size, 0))));
    stSysTray_.MouseMouse = [this](int, int) { stSysTray_MouseMouse(); };
    stSysTray_.MouseUp = [this](int button, int, int, int) { stSysTray_MouseUp(button); };
    stSysTray_.DblClick = [this](int) { stSysTray_DblClick(); };
}

void frmMain::stSysTray_MouseMouse() { stSysTray_.UpdateIcon(kTrayTipPrefix + PanelText(1)); }

void frmMain::stSysTray_MouseUp(int button) {
    if (button != kRightButton) return;
    const Menu mnuTray(CreatePopupMenu());
    AppendMenuW(mnuTray.get(), MF_STRING, idExito, L"E&xit");
    POINT pointer;
    GetCursorPos(&pointer);
    // The shell's rule for menus from the tray: be the foreground window while
    // the menu shows, and post a message after it, so a click elsewhere closes it.
    SetForegroundWindow(hwnd());
    TrackPopupMenu(mnuTray.get(), TPM_RIGHTBUTTON, pointer.x, pointer.y, 0, hwnd(), nullptr);
    PostMessageW(hwnd(), WM_NULL, 0, 0);
}

void frmMain::stSysTray_DblClick() {
    if (IsIconic(hwnd()) || !IsWindowVisible(hwnd())) {
        ShowWindow(hwnd(), SW_RESTORE);
        ShowWindow(hwnd(), SW_SHOWNORMAL);
    }
    SetForegroundWindow(hwnd());
}

void frmMain::exito_Click() {
    stSysTray_.RemoveIconFromSystray();
    // The transfer in flight ends with the process, and its temporary file with it.
    downloader_.Cancel();
    ExitProcess(0);
}

void frmMain::Form_Resize(WPARAM sizeKind) {
    // Without an icon in the tray the window stays on the taskbar, or it could not come back.
    if (sizeKind == SIZE_MINIMIZED && stSysTray_.IconInTray()) ShowWindow(hwnd(), SW_HIDE);
}

void frmMain::AddTrayIcon() { stSysTray_.AddIconToSystray(kTrayTipAtLoad); }

void frmMain::RefreshTrayTip() {
    if (stSysTray_.IconInTray()) stSysTray_.UpdateIcon(kTrayTipPrefix + PanelText(1));
}

void frmMain::ShowCompletionBalloon(size_t failed, size_t count) {
    std::wstring message = L"Download complete in: " + GeneralDateNow();
    if (failed > 0) message += L"\n" + FailureSummary(failed, count);
    stSysTray_.Popup(message, kBalloonTitle, kInformationBalloon);
}
