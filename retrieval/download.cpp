#include "retrieval/download.h"

#include <algorithm>
#include <cwctype>

#include "platform/text.h"

namespace {

constexpr std::wstring_view kTemporaryPrefix = L"~durnwick-";
constexpr std::wstring_view kTemporarySuffix = L".part";

bool AllDigits(std::wstring_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

}  // namespace

AddressScheme SchemeOf(std::wstring_view address) {
    if (StartsWithNoCase(address, L"http://")) return AddressScheme::Http;
    if (StartsWithNoCase(address, L"https://")) return AddressScheme::Https;
    if (StartsWithNoCase(address, L"ftp://")) return AddressScheme::Ftp;
    if (StartsWithNoCase(address, L"file:")) return AddressScheme::File;
    return AddressScheme::Unsupported;
}

namespace {

std::wstring WithStatus(std::wstring text, const std::optional<unsigned>& status) {
    if (status) text += L", HTTP " + std::to_wstring(*status);
    return text;
}

}  // namespace

std::wstring ConditionalHeaders(const KnownCopy& copy) {
    std::wstring headers;
    if (!copy.ifNoneMatch.empty()) headers += L"If-None-Match: " + copy.ifNoneMatch + L"\r\n";
    if (!copy.ifModifiedSince.empty()) headers += L"If-Modified-Since: " + copy.ifModifiedSince + L"\r\n";
    return headers;
}

std::wstring OutcomeText(const DownloadOutcome& outcome) {
    switch (outcome.failure) {
    case DownloadFailure::None:
        return WithStatus(outcome.unchanged ? L"unchanged" : L"OK", outcome.status);
    case DownloadFailure::UnsupportedAddress:
        return L"not an http, https, ftp or file address";
    case DownloadFailure::ControlCharacter:
        return L"address holds a control character";
    case DownloadFailure::CannotWrite:
        return outcome.errorText.empty() ? L"cannot write the file" : L"cannot write the file: " + outcome.errorText;
    case DownloadFailure::TargetReadOnly:
        return L"target is read-only";
    case DownloadFailure::Network:
        return outcome.errorText.empty() ? L"network error" : outcome.errorText;
    case DownloadFailure::TimedOut:
        return outcome.stallMs ? L"timed out (no data for " + std::to_wstring(outcome.stallMs / 1000) + L" s)"
                               : L"timed out";
    case DownloadFailure::TooSlow:
        return L"timed out: the data came too slowly";
    case DownloadFailure::HttpStatus:
        return WithStatus(L"failed", outcome.status);
    case DownloadFailure::RedirectNotFollowed:
        return WithStatus(L"redirect not followed", outcome.status);
    case DownloadFailure::TooManyRedirects:
        return WithStatus(L"too many redirects", outcome.status);
    case DownloadFailure::NotHttp:
        return L"not an HTTP answer (no status line)";
    case DownloadFailure::HeaderCut:
        return L"the answer ended inside its header block";
    case DownloadFailure::Incomplete:
        return WithStatus(L"incomplete body", outcome.status);
    case DownloadFailure::EndUnknown:
        return WithStatus(L"cannot tell whether the chunked body was whole", outcome.status);
    case DownloadFailure::EmptyAnswer:
        return L"empty answer, kept the previous file";
    case DownloadFailure::Cancelled:
        return L"cancelled";
    }
    return L"failed";
}

namespace {

bool IsSuccessStatus(unsigned status) { return status >= 200 && status <= 299; }

// 204 and 205 carry no body by definition.
bool CarriesBody(unsigned status) { return status != 204 && status != 205; }

DownloadFailure ChunkedVerdict(const TransferReport& report) {
    if (!report.closedOnRelease) return DownloadFailure::None;
    return report.connectionToBeKept || !report.lastReadFull ? DownloadFailure::Incomplete
                                                             : DownloadFailure::EndUnknown;
}

size_t HeaderLines(std::wstring_view rawHeaders) {
    size_t lines = 0;
    size_t start = rawHeaders.find(L"\r\n");
    for (size_t end;
         start != std::wstring_view::npos && (end = rawHeaders.find(L"\r\n", start + 2)) != std::wstring_view::npos;
         start = end) {
        if (end > start + 2) ++lines;
    }
    return lines;
}

}  // namespace

DownloadFailure TransferVerdict(const TransferReport& report) {
    if (report.status && IsRedirectStatus(*report.status)) return DownloadFailure::RedirectNotFollowed;
    if (report.status && !IsSuccessStatus(*report.status)) return DownloadFailure::HttpStatus;
    if (!report.reachedEnd) return DownloadFailure::Incomplete;
    if (report.chunked) return ChunkedVerdict(report);
    if (!report.announcedLength) {
        const bool cutHead = report.status && CarriesBody(*report.status) && report.received == 0;
        return cutHead ? DownloadFailure::HeaderCut : DownloadFailure::None;
    }
    const std::optional<std::uint64_t> length = ParseContentLength(*report.announcedLength);
    return length == report.received ? DownloadFailure::None : DownloadFailure::Incomplete;
}

DownloadFailure HeadVerdict(const AnswerHead& head) {
    if (!IsSuccessStatus(head.status) || HeaderLines(head.rawHeaders) > 0) return DownloadFailure::None;
    const bool standIn = head.version == L"HTTP/1.0" && head.statusText == L"OK";
    return standIn ? DownloadFailure::NotHttp : DownloadFailure::HeaderCut;
}

std::optional<std::wstring> CertificateProblem(std::uint32_t error, std::uint32_t securityFlags) {
    static constexpr struct {
        std::uint32_t error;
        std::uint32_t flag;
        const wchar_t* words;
    } kProblems[] = {
        {kErrorInvalidCertificateAuthority, kCertificateAuthorityInvalidFlag,
         L"the server's certificate is not trusted"},
        {kErrorCertificateNameInvalid, kCertificateNameInvalidFlag, L"the certificate is for another name"},
        {kErrorCertificateDateInvalid, kCertificateDateInvalidFlag, L"the certificate has expired or is not yet valid"},
        // WinINet reports an issuer it cannot find as a failed revocation check.
        {kErrorCertificateRevocationFailed, kCertificateRevocationFailedFlag,
         L"the certificate's issuer is unknown or its revocation could not be checked"},
        {kErrorCertificateNoRevocation, 0, L"the certificate's revocation could not be checked"},
        {kErrorCertificateRevoked, 0, L"the certificate has been revoked"},
        {kErrorInvalidCertificate, 0, L"the server's certificate is not valid"},
        {kErrorSecureChannel, 0, L"the secure connection could not be set up"},
    };
    if (error == kErrorCertificateErrors) {
        std::wstring words;
        for (const auto& problem : kProblems) {
            if (!problem.flag || !(securityFlags & problem.flag)) continue;
            words += (words.empty() ? L"" : L"; ") + std::wstring(problem.words);
        }
        return words.empty() ? L"the server's certificate is not valid" : words;
    }
    for (const auto& problem : kProblems)
        if (problem.error == error) return problem.words;
    return std::nullopt;
}

std::optional<std::uint64_t> ParseContentLength(std::wstring_view value) {
    while (!value.empty() && value.front() == L' ') value.remove_prefix(1);
    while (!value.empty() && value.back() == L' ') value.remove_suffix(1);
    if (!AllDigits(value)) return std::nullopt;
    std::uint64_t length = 0;
    for (wchar_t c : value) {
        const unsigned digit = c - L'0';
        if (length > (UINT64_MAX - digit) / 10) return std::nullopt;
        length = length * 10 + digit;
    }
    return length;
}

bool IsRedirectStatus(unsigned status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool FollowsRedirect(unsigned status, std::wstring_view absoluteLocation) {
    const AddressScheme scheme = SchemeOf(absoluteLocation);
    return IsRedirectStatus(status) && (scheme == AddressScheme::Http || scheme == AddressScheme::Https);
}

TrickleWatch::TrickleWatch(unsigned periodMs, std::uint64_t minimumBytes, std::uint64_t nowMs)
    : periodMs_(periodMs), minimumBytes_(minimumBytes), periodStartMs_(nowMs) {}

bool TrickleWatch::Arrived(std::uint64_t bytes, std::uint64_t nowMs) {
    bytesInPeriod_ += bytes;
    if (nowMs - periodStartMs_ < periodMs_) return true;
    if (bytesInPeriod_ < minimumBytes_) return false;
    periodStartMs_ = nowMs;
    bytesInPeriod_ = 0;
    return true;
}

void ReadSizer::Took(std::uint32_t bytes, std::uint64_t ms) {
    if (ms > quickMs_ || bytes == 0) {
        next_ = 1;
        return;
    }
    next_ = static_cast<std::uint32_t>(std::min<std::uint64_t>(std::uint64_t{bytes} * 2, largest_));
}

std::wstring TemporaryName(std::uint32_t processId, std::uint32_t serial) {
    return std::wstring(kTemporaryPrefix) + std::to_wstring(processId) + L"-" + std::to_wstring(serial) +
           std::wstring(kTemporarySuffix);
}

bool IsTemporaryName(std::wstring_view name) {
    if (!StartsWithNoCase(name, kTemporaryPrefix) || name.size() < kTemporaryPrefix.size() + kTemporarySuffix.size())
        return false;
    if (!StartsWithNoCase(name.substr(name.size() - kTemporarySuffix.size()), kTemporarySuffix)) return false;
    const std::wstring_view numbers =
        name.substr(kTemporaryPrefix.size(), name.size() - kTemporaryPrefix.size() - kTemporarySuffix.size());
    const size_t dash = numbers.find(L'-');
    return dash != std::wstring_view::npos && AllDigits(numbers.substr(0, dash)) && AllDigits(numbers.substr(dash + 1));
}

std::wstring SiblingPath(const std::wstring& path, const std::wstring& name) {
    const size_t separator = path.find_last_of(L"\\/:");
    return separator == std::wstring::npos ? name : path.substr(0, separator + 1) + name;
}
