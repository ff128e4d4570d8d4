#include "retrieval/sha256_win.h"

#include <vector>

namespace {

constexpr DWORD kDigestBytes = 32;
constexpr DWORD kFileChunkBytes = 256 * 1024;

// Opened once for the process: the provider is the costly part.
BCRYPT_ALG_HANDLE Provider() {
    static const BCRYPT_ALG_HANDLE provider = [] {
        BCRYPT_ALG_HANDLE opened = nullptr;
        return BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&opened, BCRYPT_SHA256_ALGORITHM, nullptr, 0)) ? opened
                                                                                                         : nullptr;
    }();
    return provider;
}

}  // namespace

Sha256::Sha256() {
    BCRYPT_HASH_HANDLE hash = nullptr;
    failed_ = !Provider() || !BCRYPT_SUCCESS(BCryptCreateHash(Provider(), &hash, nullptr, 0, nullptr, 0, 0));
    hash_.reset(hash);
}

void Sha256::Add(const char* data, DWORD size) {
    if (failed_ || size == 0) return;
    auto* bytes = reinterpret_cast<PUCHAR>(const_cast<char*>(data));
    failed_ = !BCRYPT_SUCCESS(BCryptHashData(hash_.get(), bytes, size, 0));
}

std::string Sha256::HexDigest() {
    static constexpr char kHex[] = "0123456789abcdef";
    UCHAR digest[kDigestBytes];
    if (failed_ || !BCRYPT_SUCCESS(BCryptFinishHash(hash_.get(), digest, kDigestBytes, 0))) return {};
    failed_ = true;
    std::string hex;
    for (const UCHAR byte : digest) {
        hex += kHex[byte >> 4];
        hex += kHex[byte & 0xF];
    }
    return hex;
}

std::optional<std::string> FileSha256(const std::wstring& path) {
    const KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return std::nullopt;
    Sha256 hash;
    std::vector<char> buffer(kFileChunkBytes);
    for (DWORD got = 0;;) {
        if (!ReadFile(file.get(), buffer.data(), kFileChunkBytes, &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        hash.Add(buffer.data(), got);
    }
    std::string digest = hash.HexDigest();
    if (digest.empty()) return std::nullopt;
    return digest;
}
