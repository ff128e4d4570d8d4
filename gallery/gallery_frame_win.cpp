#include "gallery/gallery_frame_win.h"

GalleryFrame::~GalleryFrame() { DestroyOwnWindow(); }

bool GalleryFrame::Create(HWND parent, const RECT& bounds) {
    WindowDescriptor descriptor;
    descriptor.className = L"DurnwickGalleryFrame";
    descriptor.background = GetSysColorBrush(COLOR_BTNFACE);
    descriptor.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    descriptor.exStyle = WS_EX_CONTROLPARENT;
    descriptor.bounds = bounds;
    descriptor.parent = parent;
    return CreateOwnWindow(descriptor);
}

LRESULT GalleryFrame::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd(), &ps);
        RECT client{};
        GetClientRect(hwnd(), &client);
        DrawEdge(ps.hdc, &client, EDGE_ETCHED, BF_RECT);
        EndPaint(hwnd(), &ps);
        return 0;
    }
    return Window::OnMessage(msg, wp, lp);
}
