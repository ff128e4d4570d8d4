#include "retrieval/download_win.h"

#include <windows.h>
#include <shlwapi.h>
#include <wininet.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "platform/handles_win.h"
#include "platform/message_loop_win.h"
#include "platform/text.h"
#include "retrieval/download.h"

namespace {

// Big enough that per-call costs vanish on large files, small enough that
// memory stays flat whatever the file size.
constexpr DWORD kChunkBytes = 256 * 1024;

using InternetHandle = Owned<NullIsNone<HINTERNET, InternetCloseHandle>>;

// Copies everything the source yields into the file; true when the source
// ended without an error.
template <typename Read>
bool StreamToFile(Read read, HANDLE out, std::vector<char>& buffer, std::uint64_t& received) {
    for (;;) {
        DWORD got = 0;
        if (!read(buffer.data(), static_cast<DWORD>(buffer.size()), got)) return false;
        if (got == 0) return true;
        DWORD written = 0;
        if (!WriteFile(out, buffer.data(), got, &written, nullptr) || written != got) return false;
        received += got;
    }
}

// WinINet has no file: scheme, so a local or network file is copied.
TransferReport CopyLocalFile(const std::wstring& address, HANDLE out, std::vector<char>& buffer) {
    std::wstring path(address.size() + MAX_PATH, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    if (FAILED(PathCreateFromUrlW(address.c_str(), path.data(), &length, 0))) return {};
    path.resize(length);
    KernelHandle source(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size{};
    if (!source || !GetFileSizeEx(source.get(), &size)) return {};
    TransferReport report;
    report.announcedLength = size.QuadPart;
    report.reachedEnd = StreamToFile(
        [&](char* data, DWORD wanted, DWORD& got) { return ReadFile(source.get(), data, wanted, &got, nullptr); },
        out, buffer, report.received);
    return report;
}

TransferReport FetchUrl(HINTERNET session, const std::wstring& address, AddressScheme scheme, HANDLE out,
                        std::vector<char>& buffer) {
    // Always the server's current file, and nothing left in the cache: the
    // same addresses are fetched again on every run.
    constexpr DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_KEEP_CONNECTION |
                            INTERNET_FLAG_NO_UI | INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS;
    TransferReport report;
    InternetHandle request(InternetOpenUrlW(session, address.c_str(), nullptr, 0, flags, 0));
    if (!request) return report;
    if (scheme == AddressScheme::Http || scheme == AddressScheme::Https) {
        DWORD status = 0;
        DWORD size = sizeof(status);
        if (!HttpQueryInfoW(request.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
            return report;
        report.status = status;
        if (status >= 400) return report;
        wchar_t length[32];
        size = sizeof(length);
        if (HttpQueryInfoW(request.get(), HTTP_QUERY_CONTENT_LENGTH, length, &size, nullptr))
            report.announcedLength = ParseContentLength(length);
    }
    report.reachedEnd = StreamToFile(
        [&](char* data, DWORD wanted, DWORD& got) { return InternetReadFile(request.get(), data, wanted, &got); },
        out, buffer, report.received);
    return report;
}

struct Job {
    std::wstring address;
    AddressScheme scheme = AddressScheme::Unsupported;
    HANDLE out = nullptr;
    KernelHandle done;
    bool succeeded = false;
};

// Handles the calling thread's messages until `done` is signalled.
void WaitHandlingMessages(HANDLE done) {
    for (;;) {
        // A quitting thread has nothing left to show; pumping would only spin
        // on the pending WM_QUIT.
        MSG quit;
        if (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) break;
        if (MsgWaitForMultipleObjectsEx(1, &done, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) != WAIT_OBJECT_0 + 1)
            break;
        DoEvents();
    }
    WaitForSingleObject(done, INFINITE);
}

// One thread and one internet session for the life of the process, so that
// neither a thread start nor a new connection is paid per file.
class TransferWorker {
public:
    TransferWorker() : thread_([this] { Serve(); }) {}
    TransferWorker(const TransferWorker&) = delete;
    TransferWorker& operator=(const TransferWorker&) = delete;
    ~TransferWorker() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

    bool Run(Job& job) {
        {
            std::lock_guard lock(mutex_);
            jobs_.push_back(&job);
        }
        wake_.notify_one();
        WaitHandlingMessages(job.done.get());
        return job.succeeded;
    }

private:
    void Serve() {
        InternetHandle session;
        std::vector<char> buffer(kChunkBytes);
        for (;;) {
            Job* job = nullptr;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
                if (jobs_.empty()) return;
                job = jobs_.front();
                jobs_.pop_front();
            }
            job->succeeded = TransferSucceeded(Transfer(session, *job, buffer));
            SetEvent(job->done.get());
        }
    }

    static TransferReport Transfer(InternetHandle& session, const Job& job, std::vector<char>& buffer) {
        if (job.scheme == AddressScheme::File) return CopyLocalFile(job.address, job.out, buffer);
        if (!session)
            session = InternetHandle(InternetOpenW(L"Durnwick/2.0", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
        if (!session) return {};
        return FetchUrl(session.get(), job.address, job.scheme, job.out, buffer);
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job*> jobs_;
    bool stopping_ = false;
    std::thread thread_;  // last, so it starts once everything it uses exists
};

TransferWorker& Worker() {
    static TransferWorker worker;
    return worker;
}

// Removes what transfers of killed processes left beside the target. A
// temporary file still being written is open without delete sharing, so
// another process's running transfer keeps its file.
void SweepStaleTemporaries(const std::wstring& target) {
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileExW(SiblingPath(target, std::wstring(kTemporaryNamePattern)).c_str(),
                                     FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0));
    if (!find) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsTemporaryName(found.cFileName))
            DeleteFileW(SiblingPath(target, found.cFileName).c_str());
    } while (FindNextFileW(find.get(), &found));
}

// Leftovers come only from killed processes, so sweeping a folder the first
// time this process writes there finds them all; sweeping before every file
// would list the whole folder once per file.
void SweepStaleTemporariesOnce(const std::wstring& target) {
    static std::mutex mutex;
    static std::set<std::wstring> sweptFolders;
    std::wstring folder = SiblingPath(target, L"");
    CharLowerBuffW(folder.data(), static_cast<DWORD>(folder.size()));
    {
        std::lock_guard lock(mutex);
        if (!sweptFolders.insert(std::move(folder)).second) return;
    }
    SweepStaleTemporaries(target);
}

// The transfer's own file beside the target, deleted unless moved into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring& target) {
        static std::atomic<std::uint32_t> serial;
        // A name can be taken by the file of an earlier process that had our
        // id and that the sweep could not delete: try the next serial.
        for (int attempt = 0; attempt < 16; ++attempt) {
            std::wstring path = SiblingPath(target, TemporaryName(GetCurrentProcessId(), serial++));
            file_ = KernelHandle(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
            if (file_) {
                path_ = std::move(path);
                return;
            }
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return;
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        file_ = KernelHandle();
        if (!path_.empty()) DeleteFileW(path_.c_str());
    }

    HANDLE handle() const { return file_.get(); }
    explicit operator bool() const { return static_cast<bool>(file_); }

    bool MoveTo(const std::wstring& target, const std::function<std::wstring()>& nextFreePath) {
        file_ = KernelHandle();
        std::wstring destination = target;
        const DWORD flags = nextFreePath ? 0 : MOVEFILE_REPLACE_EXISTING;
        while (!MoveFileExW(path_.c_str(), destination.c_str(), flags)) {
            const DWORD error = GetLastError();
            if (!nextFreePath || (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS)) return false;
            std::wstring next = nextFreePath();
            if (next.empty() || next == destination) return false;
            destination = std::move(next);
        }
        path_.clear();
        return true;
    }

private:
    KernelHandle file_;
    std::wstring path_;
};

}  // namespace

bool DownloadFile(const std::wstring& address, const std::wstring& targetPath,
                  const std::function<std::wstring()>& nextFreePath) {
    Job job;
    job.address = TrimBlanks(address);
    job.scheme = SchemeOf(job.address);
    if (job.scheme == AddressScheme::Unsupported) return false;
    SweepStaleTemporariesOnce(targetPath);
    TemporaryFile temporary(targetPath);
    job.done = KernelHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!temporary || !job.done) return false;
    job.out = temporary.handle();
    return Worker().Run(job) && temporary.MoveTo(targetPath, nextFreePath);
}

void DropFromInternetCache(const std::wstring& address) { DeleteUrlCacheEntryW(address.c_str()); }
