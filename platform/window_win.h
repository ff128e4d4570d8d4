#pragma once
#include <windows.h>

// Base for objects that own one window: the static procedure stores the
// object at WM_NCCREATE and routes every later message to OnMessage.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    Window(Window&&) = delete;
    Window& operator=(Window&&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }

protected:
    // Registers the class on first use; the object must outlive the window.
    HWND CreateOwnWindow(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                         int x, int y, int width, int height, HWND parent, HICON icon = nullptr);
    virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

private:
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};
