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
    CannotWrite,  // the temporary file or the target could not be written
    Network,      // the platform's own error, in errorText
    TimedOut,     // no answer, or no more data, within the limits
    TooSlow,
    HttpStatus,           // an answer other than 2xx and not a followed redirect
    RedirectNotFollowed,  // a 3xx without a usable http or https Location
    TooManyRedirects,
    Incomplete,  // the body ended before it was whole
    Cancelled,
};

struct DownloadOutcome {
    DownloadFailure failure = DownloadFailure::None;
    std::optional<unsigned> status;  // the last HTTP status seen
    std::wstring errorText;          // the system's words for Network and CannotWrite
    std::uint64_t bytes = 0;         // body bytes received
    std::uint64_t elapsedMs = 0;
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
    // Chunked framing: whole only when the final chunk came, which shows in
    // the connection being kept for the next request, unless the server said
    // it would close it anyway.
    bool chunked = false;
    bool connectionKept = false;
    bool serverClosesConnection = false;
};

// Only a 2xx answer whose body arrived whole is a success; a 3xx reaching
// this point was not followed.
DownloadFailure TransferVerdict(const TransferReport& report);

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
// trickle would hold the transfer for hours. Reads start by taking only what
// has arrived, and double while each comes back within quickMs; a slow one
// starts them over. A read is then never more than twice what the previous
// one got in that time, and a watch on the waiting side ends one that the
// body leaves waiting for a whole stall period.
class ReadSizer {
public:
    ReadSizer(std::uint32_t largestBytes, unsigned quickMs) : largest_(largestBytes), quickMs_(quickMs) {}
    // The bytes to wait for; 0: take what has arrived, waiting only for the first byte.
    std::uint32_t Next() const { return next_; }
    // The last read brought `bytes` in `ms`.
    void Took(std::uint32_t bytes, std::uint64_t ms);

private:
    std::uint32_t largest_;
    unsigned quickMs_;
    std::uint32_t next_ = 0;
};

// Transfers are written under a name of this pattern beside the target and
// renamed once complete; leftovers of a killed process are recognised by it.
inline constexpr std::wstring_view kTemporaryNamePattern = L"~durnwick-*.part";
std::wstring TemporaryName(std::uint32_t processId, std::uint32_t serial);
bool IsTemporaryName(std::wstring_view name);

// The path of `name` in the folder that holds `path`.
std::wstring SiblingPath(const std::wstring& path, const std::wstring& name);
