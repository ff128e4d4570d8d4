#include "gallery/gallery_frame_win.h"

#include "platform/handles_win.h"

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
        const PaintDC paint(hwnd());
        RECT client{};
        GetClientRect(hwnd(), &client);
        DrawEdge(paint.get(), &client, EDGE_ETCHED, BF_RECT);
        return 0;
    }
    return Window::OnMessage(msg, wp, lp);
}
