#include "retrieval/internet_fetch_win.h"

#include <shlwapi.h>
#include <wincrypt.h>

#include <algorithm>

#include "platform/files_win.h"
#include "platform/text.h"
#include "retrieval/address.h"
#include "retrieval/download_win.h"

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

// A read that brings its bytes within this long may ask for twice as many next.
constexpr unsigned kQuickReadMs = 20;
constexpr wchar_t kUserAgent[] = L"Durnwick/2.0";

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

// One read of `size` bytes, watched: the platform's read returns only when
// it has them all or the body ends. A read of one byte takes whatever has
// arrived instead, where it may: asking WinINet what is there costs far
// less than growing reads byte by byte, but it hides the final chunk of a
// chunked body, which shows only in what the reads do with the connection.
bool ReadBody(HINTERNET source, std::vector<char>& buffer, DWORD size, bool takeWhatArrived, CallWatch& watch,
              const TransferLimits& limits, DWORD& got) {
    const auto room = static_cast<DWORD>(buffer.size());
    watch.Start(limits.stallMs);
    DWORD available = 0;
    if (size == 1 && takeWhatArrived && InternetQueryDataAvailable(source, &available, 0, 0)) size = available;
    const bool read = InternetReadFile(source, buffer.data(), std::clamp<DWORD>(size, 1, room), &got);
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
        if (!ReadBody(source, buffer, asked, !report.chunked, watch, limits, got)) {
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

// A request that Cancel or Abandon may close from the waiting thread:
// whoever takes it out of the in-flight slot closes it, so it is closed once.
// A retired worker's request counts only under its own generation, as the
// platform may give its handle value to the next worker's request.
class TrackedRequest {
public:
    TrackedRequest(TransferControl& control, const FetchJob& job, HINTERNET request)
        : control_(control), request_(request), generation_(job.generation) {
        std::lock_guard lock(control_.mutex);
        if (request_ && (control_.cancelled || generation_ != control_.generation)) {
            InternetCloseHandle(request_);
            request_ = nullptr;
        } else if (request_) {
            control_.inFlight = request_;
            control_.inFlightGeneration = generation_;
        }
    }
    TrackedRequest(const TrackedRequest&) = delete;
    TrackedRequest& operator=(const TrackedRequest&) = delete;
    ~TrackedRequest() { Close(); }

    HINTERNET get() const { return request_; }
    explicit operator bool() const { return request_ != nullptr; }

    void Close() {
        std::lock_guard lock(control_.mutex);
        if (request_ && control_.inFlight == request_ && control_.inFlightGeneration == generation_) {
            InternetCloseHandle(request_);
            control_.inFlight = nullptr;
        }
        request_ = nullptr;
    }

private:
    TransferControl& control_;
    HINTERNET request_;
    const unsigned generation_;
};

}  // namespace

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

HINTERNET InternetFetch::Session() {
    std::lock_guard lock(control_.mutex);
    if (!session_) {
        session_.reset(InternetOpenW(kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
        if (session_) {
            ApplyLimits(session_.get(), limits_);
            InternetSetStatusCallbackW(session_.get(), OnInternetStatus);
        }
    }
    return session_.get();
}

DownloadOutcome InternetFetch::Failed(DownloadFailure failure, DWORD error) {
    DownloadOutcome outcome;
    outcome.failure = control_.IsCancelled() && failure != DownloadFailure::UnsupportedAddress
                          ? DownloadFailure::Cancelled
                      : IsTimeout(error) ? DownloadFailure::TimedOut
                                         : failure;
    if (error && outcome.failure != DownloadFailure::TimedOut) outcome.errorText = ErrorText(error);
    if (outcome.failure == DownloadFailure::TimedOut) outcome.stallMs = limits_.stallMs;
    return outcome;
}

// A request that got no answer: a certificate problem is named in words,
// and a head that stopped coming counts as the stall it was (WinINet ends
// the request as aborted once its receive timeout has passed).
DownloadOutcome InternetFetch::SendFailed(HINTERNET request, DWORD error, std::uint64_t sendMs) {
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

DownloadOutcome InternetFetch::Transfer(FetchJob& job, std::vector<char>& buffer) {
    if (job.scheme == AddressScheme::File) {
        job.watch.Stop();
        return CopyLocalFile(job.address, job.sink, buffer);
    }
    if (!Session()) return Failed(DownloadFailure::Network, GetLastError());
    return job.scheme == AddressScheme::Ftp ? FetchFtp(job, buffer) : FetchHttp(job, buffer);
}

DownloadOutcome InternetFetch::FetchHttp(FetchJob& job, std::vector<char>& buffer) {
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
            control_, job,
            HttpOpenRequestW(connection.get(), L"GET", parts->pathAndQuery.c_str(), nullptr, nullptr, acceptAnything,
                             kFlags | (parts->secure ? INTERNET_FLAG_SECURE : 0), reinterpret_cast<DWORD_PTR>(watch)));
        if (!request) return Failed(DownloadFailure::Network, GetLastError());
        ApplyLimits(request.get(), limits_);
        // Every certificate problem in one error, with the security flags naming them.
        DWORD errorMask = INTERNET_ERROR_MASK_COMBINED_SEC_CERT;
        InternetSetOptionW(request.get(), INTERNET_OPTION_ERROR_MASK, &errorMask, sizeof errorMask);
        const std::wstring headers = (SameOrigin(*parts, *origin) ? authorization : L"") + job.conditions;
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
        outcome.etag = HeaderText(request.get(), HTTP_QUERY_ETAG).value_or(L"");
        outcome.lastModified = HeaderText(request.get(), HTTP_QUERY_LAST_MODIFIED).value_or(L"");
        // Without a condition asked, a 304 is a failure like any other status.
        if (head.status == kHttpNotModified && !job.conditions.empty()) {
            outcome.unchanged = true;
            return outcome;
        }
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
        DownloadOutcome body = BodyOutcome(failure, error, report);
        body.status = head.status;
        body.etag = std::move(outcome.etag);
        body.lastModified = std::move(outcome.lastModified);
        return body;
    }
}

DownloadOutcome InternetFetch::FetchFtp(FetchJob& job, std::vector<char>& buffer) {
    constexpr DWORD kFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PASSIVE;
    job.AwaitAnswer();
    TrackedRequest request(control_, job, InternetOpenUrlW(Session(), job.address.c_str(), nullptr, 0, kFlags, 0));
    if (!request) return Failed(DownloadFailure::Network, GetLastError());
    job.watch.Stop();
    TransferReport report;
    DWORD error = 0;
    const DownloadFailure failure = StreamBody(request.get(), job.sink, buffer, limits_, job.watch, report, error);
    request.Close();
    return BodyOutcome(failure, error, report);
}

// A body read to its end is judged by what arrived; one cut short fails as it was cut.
DownloadOutcome InternetFetch::BodyOutcome(DownloadFailure failure, DWORD error, const TransferReport& report) {
    DownloadOutcome outcome = failure != DownloadFailure::None ? Failed(failure, error) : DownloadOutcome{};
    if (failure == DownloadFailure::None) outcome.failure = TransferVerdict(report);
    outcome.bytes = report.received;
    return outcome;
}

void DropFromInternetCache(const std::wstring& address) { DeleteUrlCacheEntryW(address.c_str()); }
