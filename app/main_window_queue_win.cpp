// The main window's handlers for the queue's context menu and the results
// its entries show.
#include "app/main_window_win.h"
#include "app/run_texts.h"
#include "app/shell_win.h"
#include "platform/files_win.h"
#include "retrieval/naming_win.h"

namespace {

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace

bool frmMain::QueueCommandAllowed(QueueCommand command, size_t position) const {
    switch (command) {
    case QueueCommand::OpenFile: {
        const std::wstring target = queue_.StatusAt(position).targetPath;
        return !target.empty() && PathExists(target);
    }
    case QueueCommand::OpenContainingFolder:
    case QueueCommand::CopyAddress:
        return true;
    case QueueCommand::RemoveFromQueue:
        // As Add and Clear: the queue does not change while armed.
        return !run_->Armed() && !run_->Running();
    case QueueCommand::DownloadNow:
        return !run_->Running();
    }
    return false;
}

void frmMain::QueueCommandChosen(QueueCommand command, size_t position) {
    switch (command) {
    case QueueCommand::OpenFile:
        mnuOpenFile_Click(position);
        break;
    case QueueCommand::OpenContainingFolder:
        mnuOpenContainingFolder_Click(position);
        break;
    case QueueCommand::CopyAddress:
        mnuCopyAddress_Click(position);
        break;
    case QueueCommand::RemoveFromQueue:
        mnuRemoveFromQueue_Click(position);
        break;
    case QueueCommand::DownloadNow:
        mnuDownloadEntryNow_Click(position);
        break;
    }
}

void frmMain::mnuOpenFile_Click(size_t position) { Open(queue_.StatusAt(position).targetPath); }

// The folder the entry's last file went to; before it has one, the destination folder.
void frmMain::mnuOpenContainingFolder_Click(size_t position) {
    const std::wstring folder = FolderOf(queue_.StatusAt(position).targetPath);
    Open(folder.empty() ? Text(idTxtPath) : folder);
}

void frmMain::mnuCopyAddress_Click(size_t position) { PutTextOnClipboard(hwnd(), queue_.Entry(position)); }

// The list file keeps the lines of the last Add: a removed entry comes back
// at the next start, as after Clear.
void frmMain::mnuRemoveFromQueue_Click(size_t position) {
    queue_.Remove(position);
    status_.SetQueue(QueuedStatusText(queue_.Count()));
    status_.SetProgressEnd(queue_.Count());
    tray_.FollowSchedule(status_.Schedule(), queue_.FailingCount());
}

void frmMain::mnuDownloadEntryNow_Click(size_t position) {
    const size_t count = queue_.Count();
    status_.SetQueue(DownloadingFileText(position + 1, count));
    if (const std::optional<EntryReport> report = run_->DownloadOne(position))
        ShowResult(*report);
    else if (!run_->Running())
        RefuseStart(StartRefusal::ArmedElsewhere);
    status_.SetQueue(QueuedStatusText(queue_.Count()));
    tray_.FollowSchedule(status_.Schedule(), queue_.FailingCount());
}

// The tray's tip counts the failing entries when the schedule's text next
// changes, not after every entry: counting reads the whole queue.
void frmMain::ShowResult(const EntryReport& report) { queue_.ResultChanged(report.position, report.entry); }
