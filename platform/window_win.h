#pragma once
#include <windows.h>

// How a window is made: its class (registered on first use) and its place.
struct WindowDescriptor {
    const wchar_t* className = nullptr;
    UINT classStyle = 0;          // CS_DBLCLKS where double-clicks are wanted
    HBRUSH background = nullptr;  // none for a window that paints all of itself
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    const wchar_t* title = L"";
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT bounds{};  // left, top, right, bottom in the parent's client pixels
    HWND parent = nullptr;
    int childId = 0;
};

// Base for objects that own one window: the static procedure stores the
// object at WM_NCCREATE and routes every later message to OnMessage. Each
// derived class destroys its window in its own destructor, while its
// members and its OnMessage still exist to handle WM_DESTROY.
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
    // False when the window could not be made; the object must outlive it.
    [[nodiscard]] bool CreateOwnWindow(const WindowDescriptor& descriptor);
    void DestroyOwnWindow();
    virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

private:
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};
