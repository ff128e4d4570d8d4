#include "retrieval/download_win.h"

#include <shlwapi.h>
#include <wincrypt.h>

#include <algorithm>
#include <atomic>

#include "platform/files_win.h"
#include "platform/message_loop_win.h"
#include "platform/text.h"
#include "retrieval/address.h"
#include "retrieval/file_checks_win.h"

static_assert(kErrorCertificateDateInvalid == ERROR_INTERNET_SEC_CERT_DATE_INVALID);
static_assert(kErrorCertificateNameInvalid == ERROR_INTERNET_SEC_CERT_CN_INVALID);
static_assert(kErrorInvalidCertificateAuthority == ERROR_INTERNET_INVALID_CA);
static_assert(kErrorCertificateErrors == ERROR_INTERNET_SEC_CERT_ERRORS);
static_assert(kErrorCertificateNoRevocation == ERROR_INTERNET_SEC_CERT_NO_REV);
static_assert(kErrorCertificateRevocationFailed == ERROR_INTERNET_SEC_CERT_REV_FAILED);
static_assert(kErrorSecureChannel == ERROR_INTERNET_SECURITY_CHANNEL_ERROR);
static_assert(kErrorInvalidCertificate == ERROR_INTERNET_SEC_INVALID_CERT);
static_assert(kErrorCertificateRevoked == ERROR_INTERNET_SEC_CERT_REVOKED);

namespace {

// Big enough that per-call costs vanish on large files, small enough that
// memory stays flat whatever the file size.
constexpr DWORD kChunkBytes = 256 * 1024;
// A read that brings its bytes within this long may ask for twice as many next.
constexpr unsigned kQuickReadMs = 20;
// How often the waiting side looks whether the worker started a watched call.
constexpr DWORD kWatchPollMs = 50;
constexpr wchar_t kUserAgent[] = L"Durnwick/2.0";

using InternetHandle = Owned<NullIsNone<HINTERNET, InternetCloseHandle>>;

std::wstring ErrorText(DWORD error) {
    if (error >= INTERNET_ERROR_BASE && error <= INTERNET_ERROR_LAST)
        return SystemErrorText(error, GetModuleHandleW(L"wininet.dll"));
    return SystemErrorText(error);
}

void ApplyLimits(HINTERNET handle, const TransferLimits& limits) {
    DWORD connectMs = limits.connectMs;
    DWORD stallMs = limits.stallMs;
    InternetSetOptionW(handle, INTERNET_OPTION_CONNECT_TIMEOUT, &connectMs, sizeof connectMs);
    InternetSetOptionW(handle, INTERNET_OPTION_SEND_TIMEOUT, &stallMs, sizeof stallMs);
    InternetSetOptionW(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, &stallMs, sizeof stallMs);
}

// Whether WinINet has closed a request's connection, which tells whether a
// chunked body was whole (see TransferReport).
struct ConnectionWatch {
    std::atomic<bool> closed = false;
};

bool IsTimeout(DWORD error) { return error == ERROR_INTERNET_TIMEOUT || error == WSAETIMEDOUT; }

void CALLBACK OnInternetStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID, DWORD) {
    if (context && (status == INTERNET_STATUS_CLOSING_CONNECTION || status == INTERNET_STATUS_CONNECTION_CLOSED))
        reinterpret_cast<ConnectionWatch*>(context)->closed = true;
}

std::optional<std::wstring> HeaderText(HINTERNET request, DWORD query) {
    DWORD bytes = 0;
    if (HttpQueryInfoW(request, query, nullptr, &bytes, nullptr) || GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    if (!HttpQueryInfoW(request, query, text.data(), &bytes, nullptr)) return std::nullopt;
    text.resize(bytes / sizeof(wchar_t));
    return text;
}

// The status, version, status text and raw headers; nothing without a status.
std::optional<AnswerHead> ReadHead(HINTERNET request) {
    AnswerHead head;
    DWORD size = sizeof head.status;
    if (!HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &head.status, &size, nullptr))
        return std::nullopt;
    head.version = HeaderText(request, HTTP_QUERY_VERSION).value_or(L"");
    head.statusText = HeaderText(request, HTTP_QUERY_STATUS_TEXT).value_or(L"");
    head.rawHeaders = HeaderText(request, HTTP_QUERY_RAW_HEADERS_CRLF).value_or(L"");
    return head;
}

// Whether the answer leaves its connection open for the next request, by
// the rule WinINet follows.
bool ConnectionToBeKept(HINTERNET request, const AnswerHead& head) {
    for (const DWORD query : {HTTP_QUERY_CONNECTION, HTTP_QUERY_PROXY_CONNECTION}) {
        if (const std::optional<std::wstring> value = HeaderText(request, query))
            return EqualNoCase(*value, L"Keep-Alive");
    }
    return head.version == L"HTTP/1.1";
}

std::wstring CombineUrl(const std::wstring& base, const std::wstring& relative) {
    std::wstring combined(base.size() + relative.size() + INTERNET_MAX_URL_LENGTH, L'\0');
    DWORD length = static_cast<DWORD>(combined.size());
    if (!InternetCombineUrlW(base.c_str(), relative.c_str(), combined.data(), &length, 0)) return {};
    combined.resize(length);
    return combined;
}

struct UrlParts {
    std::wstring host;
    std::wstring user;
    std::wstring password;
    std::wstring pathAndQuery;
    INTERNET_PORT port = 0;
    bool secure = false;
};

std::optional<UrlParts> CrackUrl(const std::wstring& url) {
    URL_COMPONENTSW parts{};
    parts.dwStructSize = sizeof parts;
    // Non-zero lengths without buffers: point into the address.
    parts.dwHostNameLength = parts.dwUserNameLength = parts.dwPasswordLength = 1;
    parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;
    if (!InternetCrackUrlW(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) return std::nullopt;
    const auto piece = [](const wchar_t* text, DWORD length) { return text ? std::wstring(text, length) : L""; };
    UrlParts result;
    result.host = piece(parts.lpszHostName, parts.dwHostNameLength);
    result.user = piece(parts.lpszUserName, parts.dwUserNameLength);
    result.password = piece(parts.lpszPassword, parts.dwPasswordLength);
    result.pathAndQuery =
        piece(parts.lpszUrlPath, parts.dwUrlPathLength) + piece(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (result.pathAndQuery.empty()) result.pathAndQuery = L"/";
    result.port = parts.nPort;
    result.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    return result;
}

// The host in its IDNA form ("xn--..."); nothing when it has none.
std::optional<std::wstring> AsciiHost(std::wstring_view host) {
    if (std::all_of(host.begin(), host.end(), [](wchar_t c) { return c < 0x80; })) return std::wstring(host);
    const int length = IdnToAscii(0, host.data(), static_cast<int>(host.size()), nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring ascii(static_cast<size_t>(length), L'\0');
    IdnToAscii(0, host.data(), static_cast<int>(host.size()), ascii.data(), length);
    return ascii;
}

// The address as a URI, the form WinINet sends as it is: no fragment, the
// host in its IDNA form, everything else outside ASCII percent-encoded as
// UTF-8 (WinINet would send it in the code page, or as "?"). Nothing when
// the host has no IDNA form.
std::optional<std::wstring> RequestUri(std::wstring_view address) {
    address = WithoutFragment(address);
    const std::optional<AddressParts> parts = SplitAddress(address);
    if (!parts) return PercentEncodeNonAscii(address);
    const std::optional<std::wstring> host = AsciiHost(parts->host);
    if (!host) return std::nullopt;
    std::wstring uri(parts->scheme);
    if (!parts->userInfo.empty()) uri += PercentEncodeNonAscii(parts->userInfo) + L"@";
    return uri + *host + std::wstring(parts->port) + PercentEncodeNonAscii(parts->rest);
}

std::wstring Base64(const std::string& bytes) {
    const auto* data = reinterpret_cast<const BYTE*>(bytes.data());
    const DWORD flags = CRYPT_STRING_BASE64 | CRYPT_STRING_NOCRLF;
    DWORD length = 0;
    if (!CryptBinaryToStringW(data, static_cast<DWORD>(bytes.size()), flags, nullptr, &length)) return {};
    std::wstring text(length, L'\0');
    CryptBinaryToStringW(data, static_cast<DWORD>(bytes.size()), flags, text.data(), &length);
    text.resize(length);
    return text;
}

// The Authorization header for the credentials of an address, sent with the
// request itself as curl does. WinINet is never given them: it would keep
// them for every later request to the host, whatever its address.
std::wstring AuthorizationHeader(const UrlParts& parts) {
    if (parts.user.empty() && parts.password.empty()) return {};
    return L"Authorization: Basic " + Base64(BasicCredentials(parts.user + L":" + parts.password)) + L"\r\n";
}

// Credentials go along a redirect only to the same scheme, host and port.
bool SameOrigin(const UrlParts& a, const UrlParts& b) {
    return a.secure == b.secure && a.port == b.port && EqualNoCase(a.host, b.host);
}

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

// One read of `size` bytes, watched: the platform's read returns only when
// it has them all or the body ends.
bool ReadBody(HINTERNET source, std::vector<char>& buffer, DWORD size, CallWatch& watch, const TransferLimits& limits,
              DWORD& got) {
    watch.Start(limits.stallMs);
    const bool read = InternetReadFile(source, buffer.data(), std::min(size, static_cast<DWORD>(buffer.size())), &got);
    watch.Stop();
    return read;
}

// Copies the body into the file until the source says "no more". Reads grow
// while the body comes quickly, so a fast body costs few calls, and a
// trickle still comes back here often enough to be caught. Returns the
// failure that stopped it early, if any.
DownloadFailure StreamBody(HINTERNET source, const Sink& sink, std::vector<char>& buffer, const TransferLimits& limits,
                           CallWatch& watch, TransferReport& report, DWORD& error) {
    TrickleWatch trickle(limits.stallMs, limits.minimumBytesPerStall, GetTickCount64());
    ReadSizer sizer(static_cast<std::uint32_t>(buffer.size()), kQuickReadMs);
    for (;;) {
        DWORD got = 0;
        const DWORD asked = std::min(sizer.Next(), static_cast<std::uint32_t>(buffer.size()));
        const std::uint64_t start = GetTickCount64();
        if (!ReadBody(source, buffer, asked, watch, limits, got)) {
            error = GetLastError();
            return IsTimeout(error) ? DownloadFailure::TimedOut : DownloadFailure::Network;
        }
        if (got == 0) {
            report.reachedEnd = true;
            return DownloadFailure::None;
        }
        report.lastReadFull = got == asked;
        const std::uint64_t end = GetTickCount64();
        sizer.Took(got, end - start);
        if (!sink(buffer.data(), got, error)) return DownloadFailure::CannotWrite;
        report.received += got;
        if (!trickle.Arrived(got, end)) return DownloadFailure::TooSlow;
    }
}

// WinINet has no file: scheme, so a local or network file is copied.
DownloadOutcome CopyLocalFile(const std::wstring& address, const Sink& sink, std::vector<char>& buffer) {
    DownloadOutcome outcome;
    const auto fail = [&](DownloadFailure failure, DWORD error) {
        outcome.failure = failure;
        outcome.errorText = SystemErrorText(error);
        return outcome;
    };
    std::wstring path(address.size() + MAX_PATH, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    if (FAILED(PathCreateFromUrlW(address.c_str(), path.data(), &length, 0)))
        return fail(DownloadFailure::Network, ERROR_BAD_PATHNAME);
    path.resize(length);
    KernelHandle source(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size{};
    if (!source || !GetFileSizeEx(source.get(), &size)) return fail(DownloadFailure::Network, GetLastError());
    TransferReport report;
    report.announcedLength = std::to_wstring(size.QuadPart);
    for (;;) {
        DWORD got = 0;
        DWORD error = 0;
        if (!ReadFile(source.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr))
            return fail(DownloadFailure::Network, GetLastError());
        if (got == 0) break;
        if (!sink(buffer.data(), got, error)) return fail(DownloadFailure::CannotWrite, error);
        report.received += got;
        outcome.bytes = report.received;
    }
    report.reachedEnd = true;
    outcome.failure = TransferVerdict(report);
    return outcome;
}

// Renames an open file; with the handle at hand, Wine's MoveFileEx would
// open the file again, look at the target and close both.
bool RenameOpenFile(HANDLE file, const std::wstring& destination, bool replace) {
    std::vector<char> bytes(sizeof(FILE_RENAME_INFO) + destination.size() * sizeof(wchar_t));
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(bytes.data());
    info->ReplaceIfExists = replace;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(destination.size() * sizeof(wchar_t));
    std::copy(destination.begin(), destination.end(), info->FileName);
    return SetFileInformationByHandle(file, FileRenameInfo, info, static_cast<DWORD>(bytes.size()));
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
            // Without delete sharing, so that another instance's sweep leaves
            // it alone; with delete access, so that it can be renamed while open.
            file_ = KernelHandle(CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
            if (file_) {
                path_ = std::move(path);
                return;
            }
            error_ = GetLastError();
            if (error_ != ERROR_FILE_EXISTS && error_ != ERROR_ALREADY_EXISTS) return;
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() { Discard(); }

    DWORD error() const { return error_; }
    explicit operator bool() const { return static_cast<bool>(file_); }

    // A write that takes only part of the bytes, as Wine's does on a disk
    // that fills up, goes on with the rest: the one after it says why.
    bool Write(const char* data, DWORD size, DWORD& error) {
        while (file_ && size > 0) {
            DWORD written = 0;
            if (!WriteFile(file_.get(), data, size, &written, nullptr)) {
                error = GetLastError();
                return false;
            }
            if (written == 0) {
                error = ERROR_WRITE_FAULT;
                return false;
            }
            data += written;
            size -= written;
        }
        if (file_) return true;
        error = ERROR_OPERATION_ABORTED;
        return false;
    }

    void Discard() {
        file_ = KernelHandle();
        if (!path_.empty()) DeleteFileW(path_.c_str());
        path_.clear();
    }

    bool MoveTo(const std::wstring& target, const std::function<std::wstring()>& nextFreePath) {
        std::wstring destination = target;
        while (!RenameOpenFile(file_.get(), destination, !nextFreePath)) {
            error_ = GetLastError();
            if (!nextFreePath || (error_ != ERROR_ALREADY_EXISTS && error_ != ERROR_FILE_EXISTS)) return false;
            std::wstring next = nextFreePath();
            if (next.empty() || next == destination) return false;
            destination = std::move(next);
        }
        file_ = KernelHandle();
        path_.clear();
        return true;
    }

private:
    KernelHandle file_;
    std::wstring path_;
    DWORD error_ = 0;
};

// Removes what transfers of killed processes left beside the target. A
// temporary file still being written is open without delete sharing, so
// another process's running transfer keeps its file.
void SweepStaleTemporaries(const std::wstring& target) {
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileExW(SiblingPath(target, std::wstring(kTemporaryNamePattern)).c_str(), FindExInfoBasic,
                                     &found, FindExSearchNameMatch, nullptr, 0));
    if (!find) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsTemporaryName(found.cFileName))
            DeleteFileW(SiblingPath(target, found.cFileName).c_str());
    } while (FindNextFileW(find.get(), &found));
}

}  // namespace

struct Downloader::Job {
    Job(std::wstring address, AddressScheme scheme, const std::wstring& target, std::uint64_t answerWithinMs)
        : address(std::move(address)),
          scheme(scheme),
          answerWithinMs(answerWithinMs),
          temporary(target),
          done(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        AwaitAnswer();
    }

    // The worker writes through here; Drop() from the waiting thread makes
    // every later write fail, so the file can go while the worker still runs.
    bool Write(const char* data, DWORD size, DWORD& error) {
        std::lock_guard lock(fileMutex);
        return temporary.Write(data, size, error);
    }
    void Drop() {
        std::lock_guard lock(fileMutex);
        temporary.Discard();
    }
    const Sink sink = [this](const char* data, DWORD size, DWORD& error) { return Write(data, size, error); };

    // A new answer is awaited: from a new connection or a redirect.
    void AwaitAnswer() { watch.Start(answerWithinMs); }

    const std::wstring address;
    const AddressScheme scheme;
    const std::uint64_t answerWithinMs;
    unsigned generation = 0;  // of the worker that took it
    std::mutex fileMutex;
    TemporaryFile temporary;
    KernelHandle done;
    DownloadOutcome outcome;  // the worker's, read once `done` is set
    CallWatch watch;
    // Contexts of the job's requests for status callbacks, which may come
    // until a request is released.
    std::vector<std::unique_ptr<ConnectionWatch>> watches;
};

// A request that Cancel or Abandon may close from the waiting thread:
// whoever takes it out of the in-flight slot closes it, so it is closed once.
// A retired worker's request counts only under its own generation, as the
// platform may give its handle value to the next worker's request.
class Downloader::TrackedRequest {
public:
    TrackedRequest(Downloader& owner, const Job& job, HINTERNET request)
        : owner_(owner), request_(request), generation_(job.generation) {
        std::lock_guard lock(owner_.mutex_);
        if (request_ && (owner_.cancelled_ || generation_ != owner_.generation_)) {
            InternetCloseHandle(request_);
            request_ = nullptr;
        } else if (request_) {
            owner_.inFlight_ = request_;
            owner_.inFlightGeneration_ = generation_;
        }
    }
    TrackedRequest(const TrackedRequest&) = delete;
    TrackedRequest& operator=(const TrackedRequest&) = delete;
    ~TrackedRequest() { Close(); }

    HINTERNET get() const { return request_; }
    explicit operator bool() const { return request_ != nullptr; }

    void Close() {
        std::lock_guard lock(owner_.mutex_);
        if (request_ && owner_.inFlight_ == request_ && owner_.inFlightGeneration_ == generation_) {
            InternetCloseHandle(request_);
            owner_.inFlight_ = nullptr;
        }
        request_ = nullptr;
    }

private:
    Downloader& owner_;
    HINTERNET request_;
    const unsigned generation_;
};

Downloader::Downloader(TransferLimits limits)
    : limits_(limits), cancelledEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    workers_.emplace_back([this] { Serve(0); });
}

Downloader::~Downloader() {
    Cancel();
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& worker : workers_) worker.join();
    if (session_) InternetCloseHandle(session_);
}

void Downloader::Cancel() {
    std::shared_ptr<Job> current;
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
        SetEvent(cancelledEvent_.get());
        if (inFlight_) {
            InternetCloseHandle(inFlight_);
            inFlight_ = nullptr;
        }
        current = current_;
    }
    if (current) current->Drop();
}

bool Downloader::IsCancelled() {
    std::lock_guard lock(mutex_);
    return cancelled_;
}

DownloadOutcome Downloader::Download(const std::wstring& address, const std::wstring& targetPath,
                                     const std::function<std::wstring()>& nextFreePath) {
    const ULONGLONG start = GetTickCount64();
    const auto finish = [&](DownloadOutcome outcome) {
        outcome.elapsedMs = GetTickCount64() - start;
        return outcome;
    };
    const std::wstring trimmed(TrimBlanks(address));
    const AddressScheme scheme = SchemeOf(trimmed);
    if (scheme == AddressScheme::Unsupported) return finish(Failed(DownloadFailure::UnsupportedAddress));
    if (HasControlCharacter(trimmed)) return finish(Failed(DownloadFailure::ControlCharacter));
    const std::optional<std::wstring> uri = scheme == AddressScheme::File ? trimmed : RequestUri(trimmed);
    if (!uri) return finish(Failed(DownloadFailure::Network, ERROR_INTERNET_INVALID_URL));
    if (IsCancelled()) return finish(Failed(DownloadFailure::Cancelled));
    // Only a target that is replaced can be the user's to keep.
    const bool replaces = !nextFreePath;
    if (replaces && IsReadOnlyFile(targetPath)) return finish(Failed(DownloadFailure::TargetReadOnly));
    SweepStaleTemporariesOnce(targetPath);
    auto job = std::make_shared<Job>(*uri, scheme, targetPath, std::uint64_t{limits_.connectMs} + limits_.stallMs);
    if (!job->temporary) return finish(Failed(DownloadFailure::CannotWrite, job->temporary.error()));
    if (!job->done) return finish(Failed(DownloadFailure::CannotWrite, GetLastError()));
    {
        std::lock_guard lock(mutex_);
        if (cancelled_) return finish(Failed(DownloadFailure::Cancelled));
        next_ = job;
        current_ = job;
    }
    wake_.notify_all();
    const WaitEnd end = WaitFor(*job);
    {
        std::lock_guard lock(mutex_);
        current_.reset();
    }
    if (end == WaitEnd::Overdue) {
        Abandon(*job);
        return finish(Failed(DownloadFailure::TimedOut));
    }
    if (end == WaitEnd::Cancelled || IsCancelled()) {
        job->Drop();
        return finish(Failed(DownloadFailure::Cancelled));
    }
    DownloadOutcome outcome = job->outcome;
    if (outcome.Succeeded() && replaces && outcome.bytes == 0 && HoldsBytes(targetPath))
        outcome.failure = DownloadFailure::EmptyAnswer;
    if (outcome.Succeeded() && replaces && IsReadOnlyFile(targetPath))
        outcome.failure = DownloadFailure::TargetReadOnly;
    if (!outcome.Succeeded()) {
        job->Drop();
    } else if (!job->temporary.MoveTo(targetPath, nextFreePath)) {
        outcome.failure = DownloadFailure::CannotWrite;
        outcome.errorText = SystemErrorText(job->temporary.error());
        job->Drop();
    }
    return finish(outcome);
}

// Handles the calling thread's messages until the transfer is done, Cancel()
// is called or the transfer's answer is overdue.
Downloader::WaitEnd Downloader::WaitFor(Job& job) {
    const HANDLE handles[] = {job.done.get(), cancelledEvent_.get()};
    for (;;) {
        // The worker may start a watched call at any time: look again soon.
        DWORD waitMs = kWatchPollMs;
        if (const std::uint64_t until = job.watch.until) {
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
void Downloader::Abandon(Job& job) {
    {
        std::lock_guard lock(mutex_);
        if (inFlight_) {
            InternetCloseHandle(inFlight_);
            inFlight_ = nullptr;
        }
        const unsigned generation = ++generation_;
        workers_.emplace_back([this, generation] { Serve(generation); });
    }
    wake_.notify_all();
    job.Drop();
}

void Downloader::Serve(unsigned generation) {
    std::vector<char> buffer(kChunkBytes);
    for (;;) {
        std::shared_ptr<Job> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || generation != generation_ || next_; });
            if (stopping_ || generation != generation_) return;
            job = std::move(next_);
            job->generation = generation;
        }
        job->outcome = Transfer(*job, buffer);
        SetEvent(job->done.get());
    }
}

HINTERNET Downloader::Session() {
    std::lock_guard lock(mutex_);
    if (!session_) {
        session_ = InternetOpenW(kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
        if (session_) {
            ApplyLimits(session_, limits_);
            InternetSetStatusCallbackW(session_, OnInternetStatus);
        }
    }
    return session_;
}

DownloadOutcome Downloader::Failed(DownloadFailure failure, DWORD error) {
    DownloadOutcome outcome;
    outcome.failure = IsCancelled() && failure != DownloadFailure::UnsupportedAddress ? DownloadFailure::Cancelled
                      : IsTimeout(error)                                              ? DownloadFailure::TimedOut
                                                                                      : failure;
    if (error && outcome.failure != DownloadFailure::TimedOut) outcome.errorText = ErrorText(error);
    if (outcome.failure == DownloadFailure::TimedOut) outcome.stallMs = limits_.stallMs;
    return outcome;
}

// A request that got no answer: a certificate problem is named in words,
// and a head that stopped coming counts as the stall it was (WinINet ends
// the request as aborted once its receive timeout has passed).
DownloadOutcome Downloader::SendFailed(HINTERNET request, DWORD error, std::uint64_t sendMs) {
    DWORD flags = 0;
    DWORD size = sizeof flags;
    InternetQueryOptionW(request, INTERNET_OPTION_SECURITY_FLAGS, &flags, &size);
    if (const std::optional<std::wstring> problem = CertificateProblem(error, flags)) {
        DownloadOutcome outcome = Failed(DownloadFailure::Network);
        if (outcome.failure == DownloadFailure::Network) outcome.errorText = *problem;
        return outcome;
    }
    if (error == ERROR_INTERNET_CONNECTION_ABORTED && sendMs >= limits_.stallMs)
        return Failed(DownloadFailure::TimedOut);
    return Failed(DownloadFailure::Network, error);
}

DownloadOutcome Downloader::Transfer(Job& job, std::vector<char>& buffer) {
    if (job.scheme == AddressScheme::File) {
        job.watch.Stop();
        return CopyLocalFile(job.address, job.sink, buffer);
    }
    if (!Session()) return Failed(DownloadFailure::Network, GetLastError());
    return job.scheme == AddressScheme::Ftp ? FetchFtp(job, buffer) : FetchHttp(job, buffer);
}

DownloadOutcome Downloader::FetchHttp(Job& job, std::vector<char>& buffer) {
    // Always the server's current file, and nothing left in the cache: the
    // same addresses are fetched again on every run. Redirects are followed
    // here, so that they can be counted and checked, and credentials are
    // sent here, so that WinINet keeps none.
    constexpr DWORD kFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_KEEP_CONNECTION |
                             INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_NO_AUTH;
    const wchar_t* acceptAnything[] = {L"*/*", nullptr};
    std::wstring url = job.address;
    const std::optional<UrlParts> origin = CrackUrl(url);
    if (!origin) return Failed(DownloadFailure::Network, GetLastError());
    const std::wstring authorization = AuthorizationHeader(*origin);
    for (int redirects = 0;; ++redirects) {
        job.AwaitAnswer();
        const std::optional<UrlParts> parts = CrackUrl(url);
        if (!parts) return Failed(DownloadFailure::Network, GetLastError());
        InternetHandle connection(InternetConnectW(Session(), parts->host.c_str(), parts->port, nullptr, nullptr,
                                                   INTERNET_SERVICE_HTTP, 0, 0));
        if (!connection) return Failed(DownloadFailure::Network, GetLastError());
        ApplyLimits(connection.get(), limits_);
        ConnectionWatch* watch = job.watches.emplace_back(std::make_unique<ConnectionWatch>()).get();
        TrackedRequest request(
            *this, job,
            HttpOpenRequestW(connection.get(), L"GET", parts->pathAndQuery.c_str(), nullptr, nullptr, acceptAnything,
                             kFlags | (parts->secure ? INTERNET_FLAG_SECURE : 0), reinterpret_cast<DWORD_PTR>(watch)));
        if (!request) return Failed(DownloadFailure::Network, GetLastError());
        ApplyLimits(request.get(), limits_);
        // Every certificate problem in one error, with the security flags naming them.
        DWORD errorMask = INTERNET_ERROR_MASK_COMBINED_SEC_CERT;
        InternetSetOptionW(request.get(), INTERNET_OPTION_ERROR_MASK, &errorMask, sizeof errorMask);
        const std::wstring headers = SameOrigin(*parts, *origin) ? authorization : L"";
        const std::uint64_t sendStart = GetTickCount64();
        if (!HttpSendRequestW(request.get(), headers.empty() ? nullptr : headers.c_str(),
                              static_cast<DWORD>(headers.size()), nullptr, 0))
            return SendFailed(request.get(), GetLastError(), GetTickCount64() - sendStart);
        job.watch.Stop();
        const std::optional<AnswerHead> answer = ReadHead(request.get());
        if (!answer) return Failed(DownloadFailure::Network, GetLastError());
        const AnswerHead& head = *answer;

        if (IsRedirectStatus(head.status)) {
            const std::optional<std::wstring> location = HeaderText(request.get(), HTTP_QUERY_LOCATION);
            const std::optional<std::wstring> next = RequestUri(location ? CombineUrl(url, *location) : L"");
            DownloadOutcome outcome;
            outcome.status = head.status;
            if (!next || !FollowsRedirect(head.status, *next)) {
                outcome.failure = DownloadFailure::RedirectNotFollowed;
                return outcome;
            }
            if (redirects == limits_.maxRedirects) {
                outcome.failure = DownloadFailure::TooManyRedirects;
                return outcome;
            }
            url = *next;
            continue;
        }

        DownloadOutcome outcome;
        outcome.status = head.status;
        outcome.failure = HeadVerdict(head);
        if (!outcome.Succeeded()) return outcome;
        TransferReport report;
        report.status = head.status;
        DWORD error = 0;
        DownloadFailure failure = DownloadFailure::None;
        if (head.status >= 200 && head.status <= 299) {
            report.announcedLength = HeaderText(request.get(), HTTP_QUERY_CONTENT_LENGTH);
            report.chunked =
                ContainsNoCase(HeaderText(request.get(), HTTP_QUERY_TRANSFER_ENCODING).value_or(L""), L"chunked");
            report.connectionToBeKept = ConnectionToBeKept(request.get(), head);
            failure = StreamBody(request.get(), job.sink, buffer, limits_, job.watch, report, error);
        }
        const bool closedBefore = watch->closed;
        request.Close();
        report.closedOnRelease = !closedBefore && watch->closed;
        outcome = BodyOutcome(failure, error, report);
        outcome.status = head.status;
        return outcome;
    }
}

DownloadOutcome Downloader::FetchFtp(Job& job, std::vector<char>& buffer) {
    constexpr DWORD kFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PASSIVE;
    job.AwaitAnswer();
    TrackedRequest request(*this, job, InternetOpenUrlW(Session(), job.address.c_str(), nullptr, 0, kFlags, 0));
    if (!request) return Failed(DownloadFailure::Network, GetLastError());
    job.watch.Stop();
    TransferReport report;
    DWORD error = 0;
    const DownloadFailure failure = StreamBody(request.get(), job.sink, buffer, limits_, job.watch, report, error);
    request.Close();
    return BodyOutcome(failure, error, report);
}

// A body read to its end is judged by what arrived; one cut short fails as it was cut.
DownloadOutcome Downloader::BodyOutcome(DownloadFailure failure, DWORD error, const TransferReport& report) {
    DownloadOutcome outcome = failure != DownloadFailure::None ? Failed(failure, error) : DownloadOutcome{};
    if (failure == DownloadFailure::None) outcome.failure = TransferVerdict(report);
    outcome.bytes = report.received;
    return outcome;
}

// Leftovers come only from killed processes, so sweeping a folder the first
// time this downloader writes there finds them all; sweeping before every
// file would list the whole folder once per file.
void Downloader::SweepStaleTemporariesOnce(const std::wstring& target) {
    std::wstring folder = SiblingPath(target, L"");
    CharLowerBuffW(folder.data(), static_cast<DWORD>(folder.size()));
    if (sweptFolders_.insert(std::move(folder)).second) SweepStaleTemporaries(target);
}

void DropFromInternetCache(const std::wstring& address) { DeleteUrlCacheEntryW(address.c_str()); }
