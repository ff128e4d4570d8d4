#include "retrieval/download_win.h"

#include <algorithm>
#include <condition_variable>
#include <set>
#include <thread>
#include <vector>

#include "platform/files_win.h"
#include "platform/handles_win.h"
#include "platform/message_loop_win.h"
#include "platform/text.h"
#include "retrieval/address.h"
#include "retrieval/file_checks_win.h"
#include "retrieval/internet_fetch_win.h"
#include "retrieval/sha256_win.h"
#include "retrieval/temporary_file_win.h"

namespace {

// Big enough that per-call costs vanish on large files, small enough that
// memory stays flat whatever the file size.
constexpr DWORD kChunkBytes = 256 * 1024;
// How often the waiting side looks whether the worker started a watched call.
constexpr DWORD kWatchPollMs = 50;

// A header's date ("Tue, 01 Dec 2026 10:00:00 GMT") as a file time.
std::optional<FILETIME> HttpTime(const std::wstring& text) {
    SYSTEMTIME time;
    FILETIME file;
    if (text.empty() || !InternetTimeToSystemTimeW(text.c_str(), &time, 0) || !SystemTimeToFileTime(&time, &file))
        return std::nullopt;
    return file;
}

}  // namespace

// The worker threads, the transfer handed to them and the waiting side's
// watch over it.
class Downloader::Workers {
public:
    explicit Workers(TransferLimits limits);
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;
    ~Workers();

    DownloadOutcome Download(const std::wstring& address, const std::wstring& targetPath,
                             const std::function<std::wstring()>& nextFreePath, const KnownCopy& known);
    void Cancel();

private:
    struct Job;
    enum class WaitEnd { Done, Cancelled, Overdue };

    void Serve(unsigned generation);
    WaitEnd WaitFor(Job& job);
    void Abandon(Job& job);
    void SweepStaleTemporariesOnce(const std::wstring& target);

    const TransferLimits limits_;
    TransferControl control_;  // its lock also guards the members below it
    InternetFetch fetch_{limits_, control_};
    KernelHandle cancelledEvent_;
    std::set<std::wstring> sweptFolders_;  // touched by the waiting thread only

    std::condition_variable wake_;
    std::shared_ptr<Job> next_;     // handed to the serving worker
    std::shared_ptr<Job> current_;  // waited for, so Cancel can reach its file
    bool stopping_ = false;
    std::vector<std::thread> workers_;  // the last one serves
};

struct Downloader::Workers::Job {
    Job(std::wstring address, AddressScheme scheme, const std::wstring& target, std::uint64_t answerWithinMs,
        std::wstring conditions)
        : fetch(std::move(address), scheme, answerWithinMs, std::move(conditions),
                [this](const char* data, DWORD size, DWORD& error) { return Write(data, size, error); }),
          temporary(target),
          done(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        fetch.AwaitAnswer();
    }

    // The worker writes through here; Drop() from the waiting thread makes
    // every later write fail, so the file can go while the worker still runs.
    bool Write(const char* data, DWORD size, DWORD& error) {
        std::lock_guard lock(fileMutex);
        hash.Add(data, size);
        return temporary.Write(data, size, error);
    }
    void Drop() {
        std::lock_guard lock(fileMutex);
        temporary.Discard();
    }

    FetchJob fetch;
    std::mutex fileMutex;
    TemporaryFile temporary;
    Sha256 hash;  // of what was written, read once `done` is set
    KernelHandle done;
    DownloadOutcome outcome;  // the worker's, read once `done` is set
};

Downloader::Workers::Workers(TransferLimits limits)
    : limits_(limits), cancelledEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    workers_.emplace_back([this] { Serve(0); });
}

Downloader::Workers::~Workers() {
    Cancel();
    {
        std::lock_guard lock(control_.mutex);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

void Downloader::Workers::Cancel() {
    std::shared_ptr<Job> current;
    {
        std::lock_guard lock(control_.mutex);
        control_.cancelled = true;
        SetEvent(cancelledEvent_.get());
        control_.CloseInFlight();
        current = current_;
    }
    if (current) current->Drop();
}

DownloadOutcome Downloader::Workers::Download(const std::wstring& address, const std::wstring& targetPath,
                                              const std::function<std::wstring()>& nextFreePath,
                                              const KnownCopy& known) {
    const ULONGLONG start = GetTickCount64();
    const auto finish = [&](DownloadOutcome outcome) {
        outcome.elapsedMs = GetTickCount64() - start;
        return outcome;
    };
    const std::wstring trimmed(TrimBlanks(address));
    const AddressScheme scheme = SchemeOf(trimmed);
    if (scheme == AddressScheme::Unsupported) return finish(fetch_.Failed(DownloadFailure::UnsupportedAddress));
    if (HasControlCharacter(trimmed)) return finish(fetch_.Failed(DownloadFailure::ControlCharacter));
    const std::optional<std::wstring> uri = scheme == AddressScheme::File ? trimmed : RequestUri(trimmed);
    if (!uri) return finish(fetch_.Failed(DownloadFailure::Network, ERROR_INTERNET_INVALID_URL));
    if (control_.IsCancelled()) return finish(fetch_.Failed(DownloadFailure::Cancelled));
    // Only a target that is replaced can be the user's to keep.
    const bool replaces = !nextFreePath;
    const std::optional<ReplacedFile> existing = replaces ? FileToReplace(targetPath) : std::nullopt;
    if (existing && existing->readOnly) return finish(fetch_.Failed(DownloadFailure::TargetReadOnly));
    SweepStaleTemporariesOnce(targetPath);
    // Only http has conditional requests, and a 304 stores nothing: the
    // conditions go only where an unchanged body is to be kept.
    const bool http = scheme == AddressScheme::Http || scheme == AddressScheme::Https;
    std::wstring conditions = http && known.keepUnchanged ? ConditionalHeaders(known) : L"";
    auto job = std::make_shared<Job>(*uri, scheme, targetPath, std::uint64_t{limits_.connectMs} + limits_.stallMs,
                                     std::move(conditions));
    if (!job->temporary) return finish(fetch_.Failed(DownloadFailure::CannotWrite, job->temporary.error()));
    if (!job->done) return finish(fetch_.Failed(DownloadFailure::CannotWrite, GetLastError()));
    {
        std::lock_guard lock(control_.mutex);
        if (control_.cancelled) return finish(fetch_.Failed(DownloadFailure::Cancelled));
        next_ = job;
        current_ = job;
    }
    wake_.notify_all();
    const WaitEnd end = WaitFor(*job);
    {
        std::lock_guard lock(control_.mutex);
        current_.reset();
    }
    if (end == WaitEnd::Overdue) {
        Abandon(*job);
        return finish(fetch_.Failed(DownloadFailure::TimedOut));
    }
    if (end == WaitEnd::Cancelled || control_.IsCancelled()) {
        job->Drop();
        return finish(fetch_.Failed(DownloadFailure::Cancelled));
    }
    DownloadOutcome outcome = job->outcome;
    if (outcome.Succeeded() && !outcome.unchanged) {
        outcome.sha256 = job->hash.HexDigest();
        outcome.unchanged = !known.sha256.empty() && outcome.sha256 == known.sha256;
    }
    if (outcome.unchanged && known.keepUnchanged) {
        job->Drop();
        return finish(outcome);
    }
    // Looked at again: the user may have made it read-only meanwhile.
    if (outcome.Succeeded() && existing) {
        if (const std::optional<ReplacedFile> replaced = FileToReplace(targetPath)) {
            if (replaced->readOnly)
                outcome.failure = DownloadFailure::TargetReadOnly;
            else if (outcome.bytes == 0 && replaced->holdsBytes)
                outcome.failure = DownloadFailure::EmptyAnswer;
        }
    }
    if (outcome.Succeeded()) {
        if (const std::optional<FILETIME> modified = HttpTime(outcome.lastModified))
            job->temporary.SetModifiedTime(*modified);
    }
    if (!outcome.Succeeded()) {
        job->Drop();
    } else if (!job->temporary.MoveTo(targetPath, nextFreePath, outcome.storedPath)) {
        outcome.failure = DownloadFailure::CannotWrite;
        outcome.errorText = SystemErrorText(job->temporary.error());
        job->Drop();
    }
    return finish(outcome);
}

// Handles the calling thread's messages until the transfer is done, Cancel()
// is called or the transfer's answer is overdue.
Downloader::Workers::WaitEnd Downloader::Workers::WaitFor(Job& job) {
    const HANDLE handles[] = {job.done.get(), cancelledEvent_.get()};
    for (;;) {
        // The worker may start a watched call at any time: look again soon.
        DWORD waitMs = kWatchPollMs;
        if (const std::uint64_t until = job.fetch.watch.until) {
            const std::uint64_t now = GetTickCount64();
            if (now >= until) return WaitEnd::Overdue;
            waitMs = static_cast<DWORD>(std::min<std::uint64_t>(until - now, kWatchPollMs));
        }
        // A quitting thread has nothing left to show; pumping would only spin
        // on the pending WM_QUIT.
        MSG quit;
        const bool quitting = PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE);
        const DWORD woke = quitting ? WaitForMultipleObjects(2, handles, FALSE, waitMs)
                                    : MsgWaitForMultipleObjectsEx(2, handles, waitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0) return WaitEnd::Done;
        if (woke == WAIT_OBJECT_0 + 1) return WaitEnd::Cancelled;
        if (woke == WAIT_OBJECT_0 + 2)
            DoEvents();
        else if (woke != WAIT_TIMEOUT)
            return WaitEnd::Cancelled;
    }
}

// Gives up on a transfer whose worker the platform holds: its request is
// closed, its file goes, and a new worker serves from now on.
void Downloader::Workers::Abandon(Job& job) {
    {
        std::lock_guard lock(control_.mutex);
        control_.CloseInFlight();
        const unsigned generation = ++control_.generation;
        workers_.emplace_back([this, generation] { Serve(generation); });
    }
    wake_.notify_all();
    job.Drop();
}

void Downloader::Workers::Serve(unsigned generation) {
    std::vector<char> buffer(kChunkBytes);
    for (;;) {
        std::shared_ptr<Job> job;
        {
            std::unique_lock lock(control_.mutex);
            wake_.wait(lock, [&] { return stopping_ || generation != control_.generation || next_; });
            if (stopping_ || generation != control_.generation) return;
            job = std::move(next_);
            job->fetch.generation = generation;
        }
        job->outcome = fetch_.Transfer(job->fetch, buffer);
        SetEvent(job->done.get());
    }
}

// Leftovers come only from killed processes, so sweeping a folder the first
// time this downloader writes there finds them all; sweeping before every
// file would list the whole folder once per file.
void Downloader::Workers::SweepStaleTemporariesOnce(const std::wstring& target) {
    std::wstring folder = SiblingPath(target, L"");
    CharLowerBuffW(folder.data(), static_cast<DWORD>(folder.size()));
    if (sweptFolders_.insert(std::move(folder)).second) SweepStaleTemporaries(target);
}

Downloader::Downloader(TransferLimits limits) : workers_(std::make_unique<Workers>(limits)) {}

Downloader::~Downloader() = default;

DownloadOutcome Downloader::Download(const std::wstring& address, const std::wstring& targetPath,
                                     const std::function<std::wstring()>& nextFreePath, const KnownCopy& known) {
    return workers_->Download(address, targetPath, nextFreePath, known);
}

void Downloader::Cancel() { workers_->Cancel(); }
