#pragma once
#include <windows.h>

#include <utility>

// Owner of a memory DC from CreateCompatibleDC. Whatever was selected into
// it must be put back before it goes.
class MemoryDC {
public:
    MemoryDC() = default;
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() { reset(); }

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void reset(HDC dc = nullptr) {
        if (dc_) DeleteDC(dc_);
        dc_ = dc;
    }

private:
    HDC dc_ = nullptr;
};
