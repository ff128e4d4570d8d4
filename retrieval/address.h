#pragma once
#include <optional>
#include <string>
#include <string_view>

// How a queued address goes out on the wire and how it is shown: the rules
// of RFC 3986 that do not need the platform.

// A character below 0x20, or 0x7F: sent raw it would end the request line
// and start a header of its own, so such an address is never requested.
bool HasControlCharacter(std::wstring_view address);

// The address without its fragment ("#..."), which names a place inside the
// answer and never goes to the server.
std::wstring_view WithoutFragment(std::wstring_view address);

// Every character outside ASCII as "%XX" for each byte of its UTF-8 form;
// ASCII stays as it is, so an address already percent-encoded is unchanged.
std::wstring PercentEncodeNonAscii(std::wstring_view text);

// The bytes a percent-encoded ASCII text stands for: each "%XX" one byte, a
// "%" without two hex digits after it taken as it is.
std::string PercentDecode(std::wstring_view text);

// The pieces of "scheme://userinfo@host:port/path?query".
struct AddressParts {
    std::wstring_view scheme;    // "http://", with its "://"
    std::wstring_view userInfo;  // "user:password", without the "@"; empty when none
    std::wstring_view host;      // "example.com", or "[::1]" with its brackets
    std::wstring_view port;      // ":8080" with its colon; empty when none
    std::wstring_view rest;      // "/path?query#fragment", whatever follows
};

// Nothing when the address has no "://" after its scheme.
std::optional<AddressParts> SplitAddress(std::wstring_view address);

// The address as shown outside the queue: a password becomes "***".
std::wstring MaskedAddress(std::wstring_view address);

// The Basic credentials of an address's user information ("user:password",
// percent-encoded) as UTF-8 bytes, the form an Authorization header encodes.
std::string BasicCredentials(std::wstring_view userInfo);
