#include "platform/window_win.h"

#include <cassert>

Window::~Window() {
    // A window still here would receive its last messages after the derived
    // object is gone.
    assert(!hwnd_ && "the derived class must destroy its window");
}

bool Window::CreateOwnWindow(const WindowDescriptor& descriptor) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExW(instance, descriptor.className, &existing)) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = descriptor.classStyle;
        wc.lpfnWndProc = StaticProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = descriptor.background;
        wc.lpszClassName = descriptor.className;
        wc.hIcon = descriptor.icon;
        wc.hIconSm = descriptor.smallIcon;
        if (!RegisterClassExW(&wc)) return false;
    }
    const RECT& r = descriptor.bounds;
    const auto menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(descriptor.childId));
    return CreateWindowExW(descriptor.exStyle, descriptor.className, descriptor.title, descriptor.style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, descriptor.parent, menuOrId, instance, this) != nullptr;
}

void Window::DestroyOwnWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT Window::OnMessage(UINT msg, WPARAM wp, LPARAM lp) { return DefaultProc(msg, wp, lp); }

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        LRESULT result = self->OnMessage(msg, wp, lp);
        self->hwnd_ = nullptr;
        return result;
    }
    return self->OnMessage(msg, wp, lp);
}
