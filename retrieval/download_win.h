#pragma once
#include <functional>
#include <memory>
#include <string>

#include "retrieval/download.h"

// Downloads http, https, ftp and file addresses, one at a time, into files.
//
// Shape: the run controller owns one Downloader for as long as it lives.
// Download() hands a transfer to a worker thread the object owns and waits
// for it while handling the calling thread's window messages, so the window
// stays usable, and while watching the transfer against its limits. The
// worker keeps one internet session, so neither a thread start nor a new
// connection is paid per file. Cancel() ends the transfer in flight at once.
// The destructor cancels and joins every worker the object started.
//
// Limits: WinINet's own connect, send and receive timeouts end most stalls,
// and the worker fails a body that trickles in too slowly. Body reads grow
// while the body comes quickly (a read returns only when full), so a large
// file costs few calls. An answer that has not arrived within connectMs +
// stallMs, and a body read that has not filled within stallMs, are abandoned
// by the waiting side: Wine's WinINet waits out its receive timeout three times in a stalled
// head and never in a trickling one, and closing a request handle does not
// end a call that blocks on it. The worker of an abandoned transfer is
// retired, and a new one takes the next transfer; the retired one ends when
// the platform lets go of its call, and is joined by the destructor.
//
// Addresses go out as URIs (see address.h): no fragment, the host in its
// IDNA form, the rest percent-encoded as UTF-8; one holding a control
// character is not requested at all. Credentials in an address go in an
// Authorization header of that request (and of redirects to the same
// origin) only; WinINet never sees them, so it cannot send them again.
//
// Answers: a success needs a status line, a header block and a whole body
// (see TransferVerdict and HeadVerdict for what WinINet shows of those).
//
// Files: a transfer is written to a temporary file beside the target,
// hashed as it arrives, and renamed only when it succeeded, so a failure, a cancel or an abandoned
// transfer leaves the target as it was and no temporary file behind. A
// read-only target is never replaced, nor a target with bytes by an empty
// body. A file stored from an answer with a Last-Modified header gets that
// time as its own.
//
// Inside: download_win.cpp hands transfers to the workers, waits and
// cancels; internet_fetch_win.* fetches through WinINet (headers,
// redirects, body reads); temporary_file_win.* keeps the file beside the
// target until it is renamed into place.
class Downloader {
public:
    explicit Downloader(TransferLimits limits = {});
    Downloader(const Downloader&) = delete;
    Downloader& operator=(const Downloader&) = delete;
    ~Downloader();

    // Blocks until the transfer ends, Cancel() is called or its answer is
    // overdue. Without nextFreePath a finished download replaces the target;
    // with it the target is never replaced: when a file has appeared there
    // meanwhile, the download takes the path nextFreePath names instead.
    // With a known copy the request asks only for a change, and an
    // unchanged body may store nothing (see KnownCopy).
    DownloadOutcome Download(const std::wstring& address, const std::wstring& targetPath,
                             const std::function<std::wstring()>& nextFreePath = {}, const KnownCopy& known = {});

    // Ends the transfer in flight at once: closes its request handle,
    // deletes its temporary file and makes the waiting Download() return
    // Cancelled. For a handler that runs on the waiting thread while
    // Download() waits (Exit, closing the window); every later Download()
    // fails as cancelled.
    void Cancel();

private:
    class Workers;
    std::unique_ptr<Workers> workers_;
};

// Removes the address from the per-user internet cache; the result does not
// matter to anyone.
void DropFromInternetCache(const std::wstring& address);
