#include "app/main_window_win.h"

#include <commctrl.h>
#include <mmsystem.h>

#include "platform/message_loop_win.h"
#include "retrieval/download_win.h"
#include "retrieval/folder_win.h"
#include "retrieval/naming_win.h"
#include "retrieval/queue_text.h"
#include "retrieval/schedule.h"

namespace {

constexpr wchar_t kStart[] = L"&START";
constexpr wchar_t kStop[] = L"&STOP";
// What changes the queue, the folder or the interval waits while armed.
constexpr ControlId kLockedWhileArmed[] = {idVScroll1, idCmdAdd, idCmdBrowse, idCmdClear, idCmdPaste};

}  // namespace

void frmMain::cmdAction_Click() {
    if (Text(idCmdAction) == kStart)
        StartSchedule();
    else
        StopSchedule();
}

void frmMain::StartSchedule() {
    if (QueueCount() == 0) return;
    if (SelectedConvention() == NamingConvention::Custom && Text(idTxtCustomName).empty()) {
        ShowError(L"Please enter a custom file name or chose another option.", MB_ICONERROR);
        return;
    }
    if (!FolderCheck(Text(idTxtPath))) {
        ShowError(L"Destination folder path could not be found. Please define another folder.", MB_ICONERROR);
        return;
    }
    SetWindowTextW(Control(idCmdAction), kStop);
    for (ControlId id : kLockedWhileArmed) EnableWindow(Control(id), FALSE);
    stopRequested_ = false;
    minutesElapsed_ = 0;
    SetScheduleTimer(true);
    SetPanel(1, CountdownText(Text(idTxtAutoD)));
}

void frmMain::StopSchedule() {
    SetWindowTextW(Control(idCmdAction), kStart);
    for (ControlId id : kLockedWhileArmed) EnableWindow(Control(id), TRUE);
    SetScheduleTimer(false);
    stopRequested_ = true;
    SendMessageW(ProgressBar(), PBM_SETPOS, 0, 0);
    SetPanel(1, L"idle");
    SetPanel(2, QueuedStatusText(QueueCount()));
}

void frmMain::tmrAutoUpdater_Timer() {
    // STOP then START during a run re-arms the timer; only one run at a time.
    if (runActive_) return;
    const TickOutcome tick = ScheduleTick(minutesElapsed_, Interval());
    if (!tick.startRun) {
        SetPanel(1, CountdownText(std::to_wstring(tick.minutesLeft)));
        return;
    }
    SetPanel(1, L"Downloading...");
    DownloadQueue();
}

void frmMain::DownloadQueue() {
    runActive_ = true;
    SetScheduleTimer(false);
    const size_t count = QueueCount();
    for (size_t i = 0; i < count; ++i) {
        DoEvents();
        SetPanel(2, DownloadingFileText(i + 1, count));
        const std::wstring entry = QueueEntry(i);
        const NamingConvention convention = SelectedConvention();
        const std::wstring customName = Text(idTxtCustomName);
        const std::wstring folder = Text(idTxtPath);
        const std::optional<std::wstring> target = TargetPathOnDisk(entry, convention, customName, folder);
        DoEvents();
        if (target) {
            // A custom-named file never replaces one that appeared meanwhile.
            std::function<std::wstring()> nextFree;
            if (convention == NamingConvention::Custom)
                nextFree = [=] { return TargetPathOnDisk(entry, convention, customName, folder).value_or(L""); };
            DownloadFile(entry, *target, nextFree);
            DropFromInternetCache(entry);
        }
        SendMessageW(ProgressBar(), PBM_SETPOS, i + 1, 0);
        if (stopRequested_) {
            SetPanel(1, L"idle");
            SetPanel(2, QueuedStatusText(QueueCount()));
            SendMessageW(ProgressBar(), PBM_SETPOS, 0, 0);
            SetScheduleTimer(false);
            EnableWindow(Control(idVScroll1), TRUE);
            runActive_ = false;
            return;
        }
    }
    CompleteRun();
    runActive_ = false;
}

void frmMain::CompleteRun() {
    SetPanel(1, CountdownText(Text(idTxtAutoD)));
    SetPanel(2, QueuedStatusText(QueueCount()));
    if (IsTicked(idChkShowMessages)) ShowCompletionBalloon();
    if (IsTicked(idChkPlaySound)) {
        const std::wstring sound = environment_.programFolder + L"\\sound.wav";
        PlaySoundW(sound.c_str(), nullptr, SND_ASYNC | SND_FILENAME);
    }
    SetScheduleTimer(true);
}

void frmMain::SetScheduleTimer(bool enabled) {
    timerEnabled_ = enabled;
    if (enabled)
        SetTimer(hwnd(), idTmrAutoUpdater, kScheduleTickMs, nullptr);
    else
        KillTimer(hwnd(), idTmrAutoUpdater);
}
