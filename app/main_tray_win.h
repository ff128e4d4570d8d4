#pragma once
#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

#include "controls/systray/sys_tray_win.h"

// The tray menu's items and whether each can be chosen now.
struct TrayMenuCommands {
    UINT downloadNow = 0;
    bool canDownloadNow = true;  // not while a run goes on
    UINT openFolder = 0;
    UINT openLog = 0;
    bool canOpenLog = true;  // not before the first run has written it
    UINT skipUnchanged = 0;
    bool skipUnchangedChecked = false;
    UINT exit = 0;
};

// The main window's icon in the notification area, stSysTray: its picture,
// its tooltip that follows the schedule, its menu and the balloon at the
// end of a run.
class MainTray {
public:
    // Gives the icon its picture and its events to the window's handlers.
    void Connect(std::function<void()> mouseMove, std::function<void(int button)> mouseUp,
                 std::function<void()> doubleClick);
    // The last step of the window's load sequence.
    void AddIcon();
    // The tooltip "Durnwick - " and the schedule's text in the status bar,
    // with the count of failing entries when there are any; FollowSchedule
    // only while the shell holds the icon.
    void ShowSchedule(const std::wstring& schedule, size_t failing);
    void FollowSchedule(const std::wstring& schedule, size_t failing);
    // The pop-up menu at the pointer; a choice comes to the owner as
    // WM_COMMAND with the item's command.
    void ShowMenu(HWND owner, const TrayMenuCommands& commands);
    void ShowCompletionBalloon(size_t failed, size_t count, size_t unchanged);

    void Remove() { stSysTray_.RemoveIconFromSystray(); }
    // The shell restarted ("TaskbarCreated").
    void Readd() { stSysTray_.Readd(); }
    bool IconInTray() const { return stSysTray_.IconInTray(); }
    ctxSysTray& Control() { return stSysTray_; }

private:
    ctxSysTray stSysTray_;
};
