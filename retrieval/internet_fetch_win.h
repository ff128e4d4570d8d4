#pragma once
// The downloader's fetch, shared by its own files only: the rest of the
// program reaches it through Downloader (download_win.h).
#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/handles_win.h"
#include "retrieval/download.h"

using InternetHandle = Owned<NullIsNone<HINTERNET, InternetCloseHandle>>;

// Writes what arrives into the file; false when the file could not take it
// or the transfer was abandoned meanwhile.
using Sink = std::function<bool(const char* data, DWORD size, DWORD& error)>;

// A platform call of the worker that the waiting side gives up on when it
// has not returned in time.
struct CallWatch {
    std::atomic<std::uint64_t> until = 0;  // a GetTickCount64 time; 0: no call is watched
    void Start(std::uint64_t withinMs) { until = GetTickCount64() + withinMs; }
    void Stop() { until = 0; }
};

// Whether WinINet has closed a request's connection, which tells whether a
// chunked body was whole (see TransferReport).
struct ConnectionWatch {
    std::atomic<bool> closed = false;
};

// What the waiting thread and the workers share, under one lock: whether
// the transfers are called off, which generation of workers serves, and
// the request in flight, which the waiting thread closes to end a transfer.
struct TransferControl {
    std::mutex mutex;
    bool cancelled = false;
    unsigned generation = 0;  // workers of earlier generations are retired
    HINTERNET inFlight = nullptr;
    unsigned inFlightGeneration = 0;

    bool IsCancelled() {
        std::lock_guard lock(mutex);
        return cancelled;
    }
    // With the lock held.
    void CloseInFlight() {
        if (inFlight) {
            InternetCloseHandle(inFlight);
            inFlight = nullptr;
        }
    }
};

// One transfer as a worker fetches it.
struct FetchJob {
    FetchJob(std::wstring address, AddressScheme scheme, std::uint64_t answerWithinMs, std::wstring conditions,
             Sink sink)
        : address(std::move(address)),
          scheme(scheme),
          answerWithinMs(answerWithinMs),
          conditions(std::move(conditions)),
          sink(std::move(sink)) {}

    // A new answer is awaited: from a new connection or a redirect.
    void AwaitAnswer() { watch.Start(answerWithinMs); }

    const std::wstring address;
    const AddressScheme scheme;
    const std::uint64_t answerWithinMs;
    // Conditional header lines; with them a 304 answer means unchanged.
    const std::wstring conditions;
    const Sink sink;
    unsigned generation = 0;  // of the worker that took it
    CallWatch watch;
    // Contexts of the job's requests for status callbacks, which may come
    // until a request is released.
    std::vector<std::unique_ptr<ConnectionWatch>> watches;
};

// Fetches a job's address into its sink: http and https with redirects
// followed here, ftp through WinINet, file addresses by copying. One
// internet session serves every transfer, so connections are reused.
class InternetFetch {
public:
    InternetFetch(const TransferLimits& limits, TransferControl& control) : limits_(limits), control_(control) {}
    InternetFetch(const InternetFetch&) = delete;
    InternetFetch& operator=(const InternetFetch&) = delete;

    DownloadOutcome Transfer(FetchJob& job, std::vector<char>& buffer);
    // A failure as the run reports it: cancelled once the transfers are
    // called off, timed out for a platform timeout, with the platform's
    // words for any other error.
    DownloadOutcome Failed(DownloadFailure failure, DWORD error = 0);

private:
    HINTERNET Session();
    DownloadOutcome FetchHttp(FetchJob& job, std::vector<char>& buffer);
    DownloadOutcome FetchFtp(FetchJob& job, std::vector<char>& buffer);
    DownloadOutcome BodyOutcome(DownloadFailure failure, DWORD error, const TransferReport& report);
    DownloadOutcome SendFailed(HINTERNET request, DWORD error, std::uint64_t sendMs);

    const TransferLimits limits_;
    TransferControl& control_;
    InternetHandle session_;  // opened by the first transfer that needs it
};

// The address as a URI, the form WinINet sends as it is: no fragment, the
// host in its IDNA form, everything else outside ASCII percent-encoded as
// UTF-8 (WinINet would send it in the code page, or as "?"). Nothing when
// the host has no IDNA form.
std::optional<std::wstring> RequestUri(std::wstring_view address);
