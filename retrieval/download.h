#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The kinds of address a download can fetch; anything else fails at once.
enum class AddressScheme { Http, Https, Ftp, File, Unsupported };

AddressScheme SchemeOf(std::wstring_view address);

// What a transfer may take before it counts as failed.
inline constexpr unsigned kConnectTimeoutMs = 30'000;
inline constexpr unsigned kStallTimeoutMs = 60'000;
// A body that trickles in slower than this per stall period fails too, or a
// server sending a byte now and then would hold the run for good.
inline constexpr std::uint64_t kMinimumBytesPerStall = 1024;
inline constexpr int kMaxRedirects = 10;

// A transfer's answer (its status and headers, after connecting) must come
// within connectMs + stallMs; its body may then pause for stallMs at most.
struct TransferLimits {
    unsigned connectMs = kConnectTimeoutMs;
    unsigned stallMs = kStallTimeoutMs;  // without a byte, sending or receiving
    std::uint64_t minimumBytesPerStall = kMinimumBytesPerStall;
    int maxRedirects = kMaxRedirects;
};

enum class DownloadFailure {
    None,
    UnsupportedAddress,
    ControlCharacter,  // the address would put bytes of its own on the wire
    CannotWrite,       // the temporary file or the target could not be written
    TargetReadOnly,    // the user keeps the target: it is never replaced
    Network,           // the platform's own error, in errorText
    TimedOut,          // no answer, or no more data, within the limits
    TooSlow,
    HttpStatus,           // an answer other than 2xx and not a followed redirect
    RedirectNotFollowed,  // a 3xx without a usable http or https Location
    TooManyRedirects,
    NotHttp,      // no status line: an HTTP/0.9 answer, or no HTTP at all
    HeaderCut,    // the answer ended inside its header block
    Incomplete,   // the body ended before it was whole
    EndUnknown,   // nothing showed whether a chunked body was whole
    EmptyAnswer,  // a whole but empty body, which never replaces a file with bytes
    Cancelled,
};

inline constexpr unsigned kHttpNotModified = 304;

// What the downloader is told about the copy the last download of an
// address left, when that copy is still there as it was stored.
struct KnownCopy {
    // Sent as they are, when not empty: a 304 answer then means unchanged.
    std::wstring ifNoneMatch;
    std::wstring ifModifiedSince;
    std::string sha256;  // a body with this hash is unchanged; empty: none is
    // An unchanged body leaves the target alone and stores nothing.
    bool keepUnchanged = false;
};

// The request header lines for the copy: "If-None-Match: ..." and
// "If-Modified-Since: ...", each ending with CR LF; empty when there are none.
std::wstring ConditionalHeaders(const KnownCopy& copy);

struct DownloadOutcome {
    DownloadFailure failure = DownloadFailure::None;
    std::optional<unsigned> status;  // the last HTTP status seen
    std::wstring errorText;          // the system's words for Network and CannotWrite
    std::uint64_t bytes = 0;         // body bytes received
    std::uint64_t elapsedMs = 0;
    unsigned stallMs = 0;  // for TimedOut: how long no data came
    // The answer's validators, as sent; empty when it had none.
    std::wstring etag;
    std::wstring lastModified;
    std::string sha256;       // of the body, in lowercase hex; empty for a 304
    std::wstring storedPath;  // where the body went; empty when nothing was stored
    // A 304 to a conditional request, or a body with the known copy's hash.
    bool unchanged = false;
    bool Succeeded() const { return failure == DownloadFailure::None; }
};

// The result column of the run log: "OK, HTTP 200", "HTTP 404", "timed out", ...
std::wstring OutcomeText(const DownloadOutcome& outcome);

// What a finished transfer looked like from the client's side.
struct TransferReport {
    std::optional<unsigned> status;  // HTTP status; none for ftp and file
    // The Content-Length header's text, or the source file's size in decimal.
    std::optional<std::wstring> announcedLength;
    std::uint64_t received = 0;
    bool reachedEnd = false;  // the source said "no more" without an error
    // Chunked framing. WinINet shows the final chunk only in what it does
    // with the connection: after it, the request gives the connection up
    // while the body is read (back to the pool, or closed when the server
    // said it would close); without it, the request still holds the
    // connection when it is released, and the release closes it. A last
    // read that came back exactly full may have taken the final chunk in
    // with the data, after which nothing is read: then, unless the
    // connection was to be kept, nothing tells.
    bool chunked = false;
    bool connectionToBeKept = false;  // by the answer's version and Connection header
    bool closedOnRelease = false;
    bool lastReadFull = false;
};

// Only a 2xx answer whose body arrived whole is a success; a 3xx reaching
// this point was not followed. An HTTP body without a length that ends
// before its first byte cannot be told from a header block cut by the
// server (WinINet takes the end of the data for the end of the headers), so
// it is no answer.
DownloadFailure TransferVerdict(const TransferReport& report);

// An answer's head as WinINet gives it.
struct AnswerHead {
    unsigned status = 0;
    std::wstring version;     // "HTTP/1.1"
    std::wstring statusText;  // "OK"
    std::wstring rawHeaders;  // the status line and the header lines, each ending with CR LF, then CR LF
};

// A success needs a real status line and a header block. WinINet stands in
// "HTTP/1.0 200 OK" for a missing status line (an HTTP/0.9 answer, or none
// at all) and takes the end of the data for the end of the header block,
// so both show as a head without a single header line, which no server
// with a clock may send with a 2xx (RFC 7231, 7.1.1.2).
DownloadFailure HeadVerdict(const AnswerHead& head);

// The value of a Content-Length header as a 64-bit number, whatever the
// length of its text, or nothing when it is no plain decimal number that fits.
std::optional<std::uint64_t> ParseContentLength(std::wstring_view value);

// 301, 302, 303, 307 and 308 are redirects; only those with a Location to an
// http or https address (already made absolute) are followed.
bool IsRedirectStatus(unsigned status);
bool FollowsRedirect(unsigned status, std::wstring_view absoluteLocation);

// Fails a body whose bytes arrive slower than a minimum per period; a body
// that stops altogether is the receive timeout's business.
class TrickleWatch {
public:
    TrickleWatch(unsigned periodMs, std::uint64_t minimumBytes, std::uint64_t nowMs);
    // Counts bytes that arrived at nowMs; false once a whole period passed with too few.
    bool Arrived(std::uint64_t bytes, std::uint64_t nowMs);

private:
    unsigned periodMs_;
    std::uint64_t minimumBytes_;
    std::uint64_t periodStartMs_;
    std::uint64_t bytesInPeriod_ = 0;
};

// Sizes the reads of a body. The platform's read waits until it has every
// byte asked for or the body ends, so a large read on a body that slows to a
// trickle would hold the transfer for hours. Reads start at one byte and
// double while each comes back within quickMs; a slow one starts them over.
// A read is then never more than twice what the previous one got in that
// time, and a watch on the waiting side ends one that the body leaves
// waiting for a whole stall period.
class ReadSizer {
public:
    ReadSizer(std::uint32_t largestBytes, unsigned quickMs) : largest_(largestBytes), quickMs_(quickMs) {}
    // The bytes to wait for.
    std::uint32_t Next() const { return next_; }
    // The last read brought `bytes` in `ms`.
    void Took(std::uint32_t bytes, std::uint64_t ms);

private:
    std::uint32_t largest_;
    unsigned quickMs_;
    std::uint32_t next_ = 1;
};

// WinINet's codes for the failures of a secure connection, and the bits of
// its security flags that name the certificate checks that failed (these
// bits are undocumented; WinINet and Wine's tests use them).
inline constexpr std::uint32_t kErrorCertificateDateInvalid = 12037;
inline constexpr std::uint32_t kErrorCertificateNameInvalid = 12038;
inline constexpr std::uint32_t kErrorInvalidCertificateAuthority = 12045;
inline constexpr std::uint32_t kErrorCertificateErrors = 12055;
inline constexpr std::uint32_t kErrorCertificateNoRevocation = 12056;
inline constexpr std::uint32_t kErrorCertificateRevocationFailed = 12057;
inline constexpr std::uint32_t kErrorSecureChannel = 12157;
inline constexpr std::uint32_t kErrorInvalidCertificate = 12169;
inline constexpr std::uint32_t kErrorCertificateRevoked = 12170;
inline constexpr std::uint32_t kCertificateRevocationFailedFlag = 0x00800000;
inline constexpr std::uint32_t kCertificateAuthorityInvalidFlag = 0x01000000;
inline constexpr std::uint32_t kCertificateNameInvalidFlag = 0x02000000;
inline constexpr std::uint32_t kCertificateDateInvalidFlag = 0x04000000;

// What a platform error means for a secure connection, in words, or nothing
// when it is no certificate error. With combined certificate errors the
// security flags tell which checks failed.
std::optional<std::wstring> CertificateProblem(std::uint32_t error, std::uint32_t securityFlags);

// Transfers are written under a name of this pattern beside the target and
// renamed once complete; leftovers of a killed process are recognised by it.
inline constexpr std::wstring_view kTemporaryNamePattern = L"~durnwick-*.part";
std::wstring TemporaryName(std::uint32_t processId, std::uint32_t serial);
bool IsTemporaryName(std::wstring_view name);

// The path of `name` in the folder that holds `path`.
std::wstring SiblingPath(const std::wstring& path, const std::wstring& name);
