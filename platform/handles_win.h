#pragma once
#include <windows.h>

#include <utility>

// Move-only owner of one handle; the traits say how it is freed and which
// values mean "none" (kernel calls answer INVALID_HANDLE_VALUE, most others
// null). release() hands the handle over to whoever takes it (a region given
// to SetWindowRgn).
template <typename Traits>
class Owned {
public:
    using Handle = typename Traits::Handle;

    Owned() = default;
    explicit Owned(Handle h) : h_(Traits::IsNone(h) ? Handle{} : h) {}
    Owned(Owned&& other) noexcept : h_(std::exchange(other.h_, Handle{})) {}
    Owned& operator=(Owned&& other) noexcept {
        reset(std::exchange(other.h_, Handle{}));
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { reset(); }

    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != Handle{}; }
    Handle release() { return std::exchange(h_, Handle{}); }
    void reset(Handle h = Handle{}) {
        if (h_ != Handle{}) Traits::Free(h_);
        h_ = Traits::IsNone(h) ? Handle{} : h;
    }

private:
    Handle h_{};
};

template <typename H, auto FreeFunction>
struct NullIsNone {
    using Handle = H;
    static bool IsNone(H h) { return h == nullptr; }
    static void Free(H h) { FreeFunction(h); }
};

template <typename H, auto FreeFunction>
struct InvalidIsNone {
    using Handle = H;
    static bool IsNone(H h) { return h == nullptr || h == INVALID_HANDLE_VALUE; }
    static void Free(H h) { FreeFunction(h); }
};

template <typename H>
using Gdi = Owned<NullIsNone<H, DeleteObject>>;
using MemoryDC = Owned<NullIsNone<HDC, DeleteDC>>;
using Icon = Owned<NullIsNone<HICON, DestroyIcon>>;
// Files, events, processes and threads.
using KernelHandle = Owned<InvalidIsNone<HANDLE, CloseHandle>>;
using FindHandle = Owned<InvalidIsNone<HANDLE, FindClose>>;

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
