#include "app/main_tray_win.h"

#include <shellapi.h>

#include "app/resources.h"
#include "app/run_texts.h"
#include "platform/handles_win.h"

static_assert(kTrayTipLimit + 1 == sizeof(NOTIFYICONDATAW::szTip) / sizeof(wchar_t));

namespace {

constexpr wchar_t kTrayTipAtLoad[] = L"Durnwick - version 2.0";
constexpr wchar_t kBalloonTitle[] = L"Durnwick";
constexpr long kInformationBalloon = 1;

// "Short date, a blank, long time" in the user's own formats.
std::wstring GeneralDateNow() {
    wchar_t date[80] = {};
    wchar_t time[80] = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 80, nullptr);
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, time, 80);
    return std::wstring(date) + L" " + time;
}

}  // namespace

void MainTray::Connect(std::function<void()> mouseMove, std::function<void(int button)> mouseUp,
                       std::function<void()> doubleClick) {
    const int size = GetSystemMetrics(SM_CXSMICON);
    stSysTray_.TrayIcon(Icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TRAY), IMAGE_ICON, size, size, 0))));
    stSysTray_.MouseMouse = [mouseMove = std::move(mouseMove)](int, int) { mouseMove(); };
    stSysTray_.MouseUp = [mouseUp = std::move(mouseUp)](int button, int, int, int) { mouseUp(button); };
    stSysTray_.DblClick = [doubleClick = std::move(doubleClick)](int) { doubleClick(); };
}

void MainTray::AddIcon() { stSysTray_.AddIconToSystray(kTrayTipAtLoad); }

void MainTray::ShowSchedule(const std::wstring& schedule, size_t failing) {
    stSysTray_.UpdateIcon(TrayTipText(schedule, failing));
}

void MainTray::FollowSchedule(const std::wstring& schedule, size_t failing) {
    if (stSysTray_.IconInTray()) ShowSchedule(schedule, failing);
}

void MainTray::ShowMenu(HWND owner, const TrayMenuCommands& commands) {
    const Menu mnuTray(CreatePopupMenu());
    const auto enabled = [](bool can) { return can ? MF_ENABLED : MF_GRAYED; };
    AppendMenuW(mnuTray.get(), MF_STRING | enabled(commands.canDownloadNow), commands.downloadNow, L"Download &now");
    AppendMenuW(mnuTray.get(), MF_STRING, commands.openFolder, L"Open &folder");
    AppendMenuW(mnuTray.get(), MF_STRING | enabled(commands.canOpenLog), commands.openLog, L"Open &log");
    AppendMenuW(mnuTray.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(mnuTray.get(), MF_STRING | (commands.skipUnchangedChecked ? MF_CHECKED : MF_UNCHECKED),
                commands.skipUnchanged, L"Skip &unchanged files");
    AppendMenuW(mnuTray.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(mnuTray.get(), MF_STRING, commands.exit, L"E&xit");
    POINT pointer;
    GetCursorPos(&pointer);
    // The shell's rule for menus from the tray: be the foreground window while
    // the menu shows, and post a message after it, so a click elsewhere closes it.
    SetForegroundWindow(owner);
    TrackPopupMenu(mnuTray.get(), TPM_RIGHTBUTTON, pointer.x, pointer.y, 0, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
}

void MainTray::ShowCompletionBalloon(size_t failed, size_t count, size_t unchanged) {
    std::wstring message = L"Download complete in: " + GeneralDateNow();
    if (failed > 0) message += L"\n" + FailureSummary(failed, count);
    if (unchanged > 0) message += L"\n" + UnchangedSummary(unchanged);
    stSysTray_.Popup(message, kBalloonTitle, kInformationBalloon);
}
