#pragma once
#include <windows.h>
#include <wininet.h>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/handles_win.h"
#include "retrieval/download.h"

// Downloads http, https, ftp and file addresses, one at a time, into files.
//
// Shape: the main window owns one Downloader for as long as it lives. The
// object owns a worker thread, started by the constructor, that runs every
// transfer and holds the internet session, so neither a thread start nor a
// new connection is paid per file. Download() hands a transfer to the worker
// and waits for it while handling the calling thread's window messages, so
// the window stays usable. Cancel() ends the transfer in flight at once. The
// destructor cancels and joins the worker; nothing of a Downloader outlives
// it except a transfer that the platform will not let go of yet, which ends
// by its own timeouts before the join returns.
//
// A transfer is written to a temporary file beside the target and renamed
// only when it succeeded, so a failure leaves the target as it was and no
// temporary file behind.
class Downloader {
public:
    explicit Downloader(TransferLimits limits = {});
    Downloader(const Downloader&) = delete;
    Downloader& operator=(const Downloader&) = delete;
    ~Downloader();

    // Blocks until the transfer ends or Cancel() is called. Without
    // nextFreePath a finished download replaces the target; with it the
    // target is never replaced: when a file has appeared there meanwhile, the
    // download takes the path nextFreePath names instead.
    DownloadOutcome Download(const std::wstring& address, const std::wstring& targetPath,
                             const std::function<std::wstring()>& nextFreePath = {});

    // Ends the transfer in flight at once: closes its request handle, has its
    // temporary file deleted when closed (also when the process ends right
    // after), and makes the waiting Download() return Cancelled. For a
    // handler that runs while Download() waits (Exit, closing the window);
    // every later Download() fails as cancelled.
    void Cancel();

private:
    struct Job;
    class TrackedRequest;

    void Serve();
    DownloadOutcome Transfer(HINTERNET& session, Job& job, std::vector<char>& buffer);
    DownloadOutcome FetchHttp(HINTERNET session, Job& job, std::vector<char>& buffer);
    DownloadOutcome FetchFtp(HINTERNET session, Job& job, std::vector<char>& buffer);
    DownloadOutcome Failed(DownloadFailure failure, DWORD error = 0) const;
    bool IsCancelled();
    void SweepStaleTemporariesOnce(const std::wstring& target);

    const TransferLimits limits_;
    KernelHandle cancelledEvent_;
    std::set<std::wstring> sweptFolders_;  // touched by the calling thread only

    std::mutex mutex_;
    std::condition_variable wake_;
    std::shared_ptr<Job> next_;     // handed to the worker
    std::shared_ptr<Job> current_;  // waited for, so Cancel can reach its file
    HINTERNET inFlight_ = nullptr;  // the request Cancel closes
    bool cancelled_ = false;
    bool stopping_ = false;
    std::thread worker_;  // last, so it starts once everything it uses exists
};

// Removes the address from the per-user internet cache; the result does not
// matter to anyone.
void DropFromInternetCache(const std::wstring& address);
