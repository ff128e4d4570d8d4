#pragma once
#include <windows.h>

#include <combaseapi.h>

#include <concepts>
#include <utility>

// Move-only owner of one handle; the traits say how it is freed and which
// values mean "none" (kernel calls answer INVALID_HANDLE_VALUE, most others
// null). release() hands the handle over to whoever takes it (a region given
// to SetWindowRgn). Freeing keeps the thread's last error, so an owner that
// goes out of scope between a failing call and its error report does not
// change the report.
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
    [[nodiscard]] Handle release() { return std::exchange(h_, Handle{}); }
    void reset(Handle h = Handle{}) {
        if (Traits::IsNone(h)) h = Handle{};
        if (h == h_) return;
        if (h_ != Handle{}) {
            const DWORD error = GetLastError();
            Traits::Free(h_);
            SetLastError(error);
        }
        h_ = h;
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

// One reference to a COM object, given back with Release. Taking a pointer
// adopts the reference it carries: an object just made with new, or one an
// API handed out. (MinGW's WRL ComPtr adds a reference in Attach, where the
// Windows SDK's does not, so it is not used.)
template <typename Interface>
struct ComReference {
    using Handle = Interface*;
    static bool IsNone(Interface* p) { return p == nullptr; }
    static void Free(Interface* p) { p->Release(); }
};

template <typename H>
using Gdi = Owned<NullIsNone<H, DeleteObject>>;
using MemoryDC = Owned<NullIsNone<HDC, DeleteDC>>;
using Icon = Owned<NullIsNone<HICON, DestroyIcon>>;
using Menu = Owned<NullIsNone<HMENU, DestroyMenu>>;
// A window made without a Window object to own it.
using WindowHandle = Owned<NullIsNone<HWND, DestroyWindow>>;
// Files, events, processes and threads.
using KernelHandle = Owned<InvalidIsNone<HANDLE, CloseHandle>>;
using FindHandle = Owned<InvalidIsNone<HANDLE, FindClose>>;
// Movable memory, until the clipboard takes it over (release()).
using GlobalMemory = Owned<NullIsNone<HGLOBAL, GlobalFree>>;
// What the shell allocates for its caller: names, item lists.
template <typename Pointer>
using CoTaskMemory = Owned<NullIsNone<Pointer, CoTaskMemFree>>;
template <typename Interface>
using Com = Owned<ComReference<Interface>>;

// Selects an object into a DC and puts the previous one back. Declare the
// owner of the object before the guard so it is deselected before deletion.
// Regions are refused: selecting one answers a complexity code, not the
// previous region, so there would be nothing to put back. With no DC, or
// when the selection fails, the guard holds nothing and restores nothing.
class Selected {
public:
    template <typename Object>
    requires(std::convertible_to<Object, HGDIOBJ> && !std::same_as<Object, HRGN>) Selected(HDC dc, Object object) {
        if (!dc || !object) return;
        const HGDIOBJ previous = SelectObject(dc, object);
        if (!previous || previous == HGDI_ERROR) return;
        dc_ = dc;
        previous_ = previous;
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    ~Selected() {
        if (dc_) SelectObject(dc_, previous_);
    }

    // True when the object went in and the previous one will come back.
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
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

// The DC of one WM_PAINT, from BeginPaint to EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() {
        if (dc_) EndPaint(hwnd_, &paint_);
    }
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// The clipboard, open for owner until scope exit. Opening fails while
// another window has it open; then the guard holds nothing and closes
// nothing.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

// Movable memory locked as a T array, unlocked on scope exit; null when the
// memory is none or cannot be locked.
template <typename T>
class GlobalLocked {
public:
    explicit GlobalLocked(HGLOBAL memory)
        : memory_(memory), data_(memory ? static_cast<T*>(GlobalLock(memory)) : nullptr) {}
    GlobalLocked(const GlobalLocked&) = delete;
    GlobalLocked& operator=(const GlobalLocked&) = delete;
    ~GlobalLocked() {
        if (data_) GlobalUnlock(memory_);
    }
    T* get() const { return data_; }
    explicit operator bool() const { return data_ != nullptr; }

private:
    HGLOBAL memory_;
    T* data_;
};
