#include "app/main_window_win.h"

#include <commctrl.h>
#include <mmsystem.h>

#include "platform/message_loop_win.h"
#include "retrieval/address.h"
#include "retrieval/folder_win.h"
#include "retrieval/naming_win.h"
#include "retrieval/queue_text.h"
#include "retrieval/run_log_win.h"
#include "retrieval/schedule.h"

namespace {

constexpr wchar_t kStart[] = L"&START";
constexpr wchar_t kStop[] = L"&STOP";
// What changes the queue, the folder or the interval waits while armed.
constexpr ControlId kLockedWhileArmed[] = {idVScroll1, idCmdAdd, idCmdBrowse, idCmdClear, idCmdPaste};

}  // namespace

void frmMain::cmdAction_Click() {
    if (armed_)
        StopSchedule();
    else
        StartSchedule();
}

void frmMain::StartSchedule() {
    if (QueueCount() == 0) return;
    if (SelectedConvention() == NamingConvention::Custom && Text(idTxtCustomName).empty()) {
        ShowError(L"Please enter a custom file name or chose another option.", MB_ICONERROR);
        return;
    }
    // A path would put the files outside the chosen folder.
    if (SelectedConvention() == NamingConvention::Custom && !IsPlainFileName(Text(idTxtCustomName))) {
        ShowError(L"Please enter a custom file name without \\, / or : (a name, not a path) or choose another option.",
                  MB_ICONERROR);
        return;
    }
    if (!FolderCheck(Text(idTxtPath))) {
        ShowError(L"Destination folder path could not be found. Please define another folder.", MB_ICONERROR);
        return;
    }
    armed_ = true;
    Button(idCmdAction).Model().SetCaption(kStop);
    for (ControlId id : kLockedWhileArmed) SetEnabled(id, false);
    stopRequested_ = false;
    minutesElapsed_ = 0;
    SetScheduleTimer(true);
    SetPanel(1, CountdownText(Text(idTxtAutoD)));
}

void frmMain::StopSchedule() {
    armed_ = false;
    Button(idCmdAction).Model().SetCaption(kStart);
    for (ControlId id : kLockedWhileArmed) SetEnabled(id, true);
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
    // The bar counts this run's entries, not the full bar the last run left.
    SendMessageW(ProgressBar(), PBM_SETPOS, 0, 0);
    const size_t count = QueueCount();
    size_t failed = 0;
    for (size_t i = 0; i < count; ++i) {
        DoEvents();
        SetPanel(2, DownloadingFileText(i + 1, count));
        if (!DownloadEntry(QueueEntry(i))) ++failed;
        SendMessageW(ProgressBar(), PBM_SETPOS, i + 1, 0);
        if (stopRequested_) {
            SetPanel(1, L"idle");
            SetPanel(2, QueuedStatusText(QueueCount()));
            SendMessageW(ProgressBar(), PBM_SETPOS, 0, 0);
            SetScheduleTimer(false);
            SetEnabled(idVScroll1, true);
            TrimRunLog(RunLogPath(environment_.programFolder));
            runActive_ = false;
            return;
        }
    }
    TrimRunLog(RunLogPath(environment_.programFolder));
    CompleteRun(failed, count);
    runActive_ = false;
}

// Names, downloads and logs one entry; false when it did not arrive.
bool frmMain::DownloadEntry(const std::wstring& entry) {
    entryInProgress_ = EntryInProgress{entry, GetTickCount64()};
    const bool arrived = NameAndDownload(entry);
    entryInProgress_.reset();
    return arrived;
}

bool frmMain::NameAndDownload(const std::wstring& entry) {
    const NamingConvention convention = SelectedConvention();
    const std::wstring customName = Text(idTxtCustomName);
    const std::wstring folder = Text(idTxtPath);
    const std::optional<std::wstring> target = TargetPathOnDisk(entry, convention, customName, folder);
    DoEvents();
    if (!target) {
        LogEntry(entry, L"skipped: no usable file name", 0, 0);
        return false;
    }
    if (FileNameTooLong(*target)) {
        LogEntry(entry,
                 convention == NamingConvention::Custom ? L"the custom name is too long for a file name"
                                                        : L"the address is too long for a file name",
                 0, 0);
        return false;
    }
    // A custom-named file never replaces one that appeared meanwhile.
    std::function<std::wstring()> nextFree;
    if (convention == NamingConvention::Custom)
        nextFree = [=] { return TargetPathOnDisk(entry, convention, customName, folder).value_or(L""); };
    const DownloadOutcome outcome = downloader_.Download(entry, *target, nextFree);
    DropFromInternetCache(entry);
    LogEntry(entry, OutcomeText(outcome), outcome.bytes, outcome.elapsedMs);
    return outcome.Succeeded();
}

// Ends the entry in progress, if any, in the log: Exit and closing the
// window end the program before its download returns.
void frmMain::LogEntryCancelled() {
    if (entryInProgress_)
        LogEntry(entryInProgress_->entry, L"cancelled", 0, GetTickCount64() - entryInProgress_->startMs);
}

void frmMain::LogEntry(const std::wstring& entry, const std::wstring& result, std::uint64_t bytes,
                       std::uint64_t elapsedMs) {
    // The run stays silent: a log that cannot be written is not worth a message.
    // Outside the queue a password in an address is never shown.
    AppendToRunLog(RunLogPath(environment_.programFolder),
                   {CurrentLocalTime(), MaskedAddress(entry), result, bytes, elapsedMs});
}

void frmMain::CompleteRun(size_t failed, size_t count) {
    SetPanel(1, CountdownText(Text(idTxtAutoD)));
    SetPanel(2, QueuedStatusText(QueueCount()));
    if (IsTicked(idChkShowMessages)) ShowCompletionBalloon(failed, count);
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
