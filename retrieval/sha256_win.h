#pragma once
#include <windows.h>

#include <bcrypt.h>

#include <optional>
#include <string>

#include "platform/handles_win.h"

// SHA-256 through the system's CNG, fed as the bytes come.
class Sha256 {
public:
    Sha256();
    // A step the system refuses leaves the digest empty.
    void Add(const char* data, DWORD size);
    // Lowercase hex; the hash cannot take more bytes after this.
    std::string HexDigest();

private:
    static void Destroy(BCRYPT_HASH_HANDLE hash) { BCryptDestroyHash(hash); }
    Owned<NullIsNone<BCRYPT_HASH_HANDLE, Destroy>> hash_;
    bool failed_ = false;
};

// The hash of a whole file; nothing when it cannot be read.
std::optional<std::string> FileSha256(const std::wstring& path);
