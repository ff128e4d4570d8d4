#include "app/run_once_win.h"

#include <algorithm>

#include "app/command_line.h"
#include "app/run_texts.h"
#include "app/settings_rules.h"
#include "retrieval/list_file_win.h"
#include "retrieval/queue_text.h"

namespace {

NamingChoice StoredNaming(const SettingsStore& settings) {
    NamingChoice naming;
    naming.convention = LoadedNamingChoice(settings.Get(kOptionsSection, kSaveNameKey, kDefaultSaveName))
                            .value_or(NamingConvention::OriginalName);
    naming.customName = settings.Get(kOptionsSection, kCustomNameKey, kDefaultCustomName);
    naming.folder = settings.Get(kPathsSection, kSaveToKey, kDefaultSaveTo);
    naming.skipUnchanged = settings.Get(kOptionsSection, kSkipUnchangedKey, kDefaultSkipUnchanged) == L"1";
    return naming;
}

}  // namespace

RunOnce::RunOnce(std::wstring programFolder, const std::wstring& settingsKey, std::wstring listFile,
                 TransferLimits limits)
    : programFolder_(std::move(programFolder)),
      listFile_(std::move(listFile)),
      naming_(StoredNaming(SettingsStore(settingsKey))),
      run_(static_cast<RunSource&>(*this), static_cast<RunListener&>(*this), RunSetup{programFolder_, limits}) {}

int RunOnce::Run() {
    if (!LoadQueue()) return kExitUsageError;
    tray_.Connect([] {}, [](int) {}, [] {});
    tray_.AddIcon();
    const StartRefusal refusal = run_.RunNow();
    tray_.Remove();
    switch (refusal) {
    case StartRefusal::None:
        break;
    case StartRefusal::EmptyQueue:
        return RunOnceExitCode(unreadableLines_);
    case StartRefusal::ArmedElsewhere:
        return kExitArmedElsewhere;
    case StartRefusal::NoCustomName:
    case StartRefusal::CustomNameIsAPath:
    case StartRefusal::NoFolder:
        return kExitUsageError;
    }
    return RunOnceExitCode((summary_ ? summary_->failed : 0) + unreadableLines_);
}

// A missing List.txt is an empty queue, as at the window's start; a list
// named on the command line must be there.
bool RunOnce::LoadQueue() {
    const bool named = !listFile_.empty();
    const std::wstring path = named ? listFile_ : ListFilePath(programFolder_);
    if (!named && !PathExists(path)) return true;
    ListFileContent content;
    if (!ReadListFile(path, content)) return false;
    queue_ = NonEmptyLines(LoadedText(content));
    if (queue_.size() > kMaxQueueEntries) queue_.resize(kMaxQueueEntries);
    // Lines that cannot be queued are downloads that did not happen.
    unreadableLines_ = UnreadableLines(content);
    return true;
}

std::wstring RunOnce::QueueEntry(size_t position) const { return position < queue_.size() ? queue_[position] : L""; }

void RunOnce::EntryStarting(size_t position, size_t count) {
    tray_.ShowSchedule(DownloadingFileText(position + 1, count), 0);
}
