#pragma once
#include <windows.h>

#include <utility>

// Move-only owner of a GDI object. release() hands the handle to the system
// (a region given to SetWindowRgn).
template <typename H>
class Gdi {
public:
    Gdi() = default;
    explicit Gdi(H h) : h_(h) {}
    Gdi(Gdi&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    Gdi& operator=(Gdi&& other) noexcept {
        reset(std::exchange(other.h_, nullptr));
        return *this;
    }
    Gdi(const Gdi&) = delete;
    Gdi& operator=(const Gdi&) = delete;
    ~Gdi() { reset(); }

    H get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    H release() { return std::exchange(h_, nullptr); }
    void reset(H h = nullptr) {
        if (h_) DeleteObject(h_);
        h_ = h;
    }

private:
    H h_ = nullptr;
};

// Selects an object into a DC and puts the previous one back. Declare the
// owner of the object before the guard so it is deselected before deletion.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ obj) : dc_(dc), previous_(SelectObject(dc, obj)) {}
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    ~Selected() {
        if (dc_ && previous_) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A window DC from GetDC, released on scope exit.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Kernel handle (file, event, thread) closed on scope exit.
class KernelHandle {
public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    KernelHandle(KernelHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    KernelHandle& operator=(KernelHandle&& other) noexcept {
        if (h_) CloseHandle(h_);
        h_ = std::exchange(other.h_, nullptr);
        return *this;
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    ~KernelHandle() {
        if (h_) CloseHandle(h_);
    }
    HANDLE get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }

private:
    HANDLE h_ = nullptr;
};
