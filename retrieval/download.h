#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The kinds of address a download can fetch; anything else fails at once.
enum class AddressScheme { Http, Https, Ftp, File, Unsupported };

AddressScheme SchemeOf(std::wstring_view address);

// What a finished transfer looked like from the client's side.
struct TransferReport {
    std::optional<unsigned> status;  // HTTP status; none for ftp and file
    std::optional<std::uint64_t> announcedLength;
    std::uint64_t received = 0;
    bool reachedEnd = false;  // the source said "no more" without an error
};

// A download counts only when the whole announced body arrived and the
// server did not answer with an error (400 and above).
bool TransferSucceeded(const TransferReport& report);

// The value of a Content-Length header, or nothing when it is not a plain
// decimal number.
std::optional<std::uint64_t> ParseContentLength(std::wstring_view value);

// Transfers are written under a name of this pattern beside the target and
// renamed once complete; leftovers of a killed process are recognised by it.
inline constexpr std::wstring_view kTemporaryNamePattern = L"~durnwick-*.part";
std::wstring TemporaryName(std::uint32_t processId, std::uint32_t serial);
bool IsTemporaryName(std::wstring_view name);

// The path of `name` in the folder that holds `path`.
std::wstring SiblingPath(const std::wstring& path, const std::wstring& name);
