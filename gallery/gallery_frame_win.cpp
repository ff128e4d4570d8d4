#include "gallery/gallery_frame_win.h"

GalleryFrame::~GalleryFrame() { DestroyOwnWindow(); }

bool GalleryFrame::Create(HWND parent, const RECT& bounds) {
    WindowSpec spec;
    spec.className = L"DurnwickGalleryFrame";
    spec.background = GetSysColorBrush(COLOR_BTNFACE);
    spec.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    spec.exStyle = WS_EX_CONTROLPARENT;
    spec.bounds = bounds;
    spec.parent = parent;
    return CreateOwnWindow(spec);
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
