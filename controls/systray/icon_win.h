#pragma once
#include <windows.h>

#include <utility>

// Move-only owner of an icon made by LoadImage (without LR_SHARED),
// CreateIcon or CopyIcon; icons need DestroyIcon, not DeleteObject.
class Icon {
public:
    Icon() = default;
    explicit Icon(HICON h) : h_(h) {}
    Icon(Icon&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    Icon& operator=(Icon&& other) noexcept {
        if (this != &other) {
            if (h_) DestroyIcon(h_);
            h_ = std::exchange(other.h_, nullptr);
        }
        return *this;
    }
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;
    ~Icon() {
        if (h_) DestroyIcon(h_);
    }

    HICON get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

private:
    HICON h_ = nullptr;
};
