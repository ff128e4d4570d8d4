#include "controls/buttons/xo_buttons_win.h"

#include <algorithm>

#include "platform/screen_win.h"
#include "platform/twips.h"

namespace {

// Standard pointers by number; 0 keeps the class cursor, 99 is MouseIcon.
const wchar_t* StandardPointer(int number) {
    static const wchar_t* const kPointers[] = {
        nullptr,      IDC_ARROW,  IDC_CROSS,   IDC_IBEAM, IDC_ICON, IDC_SIZEALL,     IDC_SIZENESW, IDC_SIZENS,
        IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW, IDC_WAIT,  IDC_NO,   IDC_APPSTARTING, IDC_HELP,     IDC_SIZEALL,
    };
    return number > 0 && number < static_cast<int>(std::size(kPointers)) ? kPointers[number] : nullptr;
}

}  // namespace

xoButtons_H::~xoButtons_H() {
    DestroyOwnWindow();
    Terminate();
}

bool xoButtons_H::Create(HWND parent, int id, const RECT& bounds) {
    WindowSpec spec;
    spec.className = L"xoButtons_H";
    spec.classStyle = CS_DBLCLKS;
    spec.style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS;
    spec.bounds = bounds;
    spec.parent = parent;
    spec.childId = id;
    return CreateOwnWindow(spec);
}

LRESULT xoButtons_H::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: windowDC_.emplace(hwnd()); return 0;
    case WM_SIZE: ResizeControl(); return 0;
    case WM_SHOWWINDOW:
        if (wp) Show();
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd(), &ps);
        EndPaint(hwnd(), &ps);
        // A paint request from the system always redraws.
        m_.DrawingDelayed = false;
        RedrawButton();
        return 0;
    }
    case WM_SETCURSOR:
        if (LOWORD(lp) == HTCLIENT && SetPointer()) return TRUE;
        break;
    case WM_DESTROY: Terminate(); break;
    }
    return DefaultProc(msg, wp, lp);
}

bool xoButtons_H::SetPointer() {
    HCURSOR cursor = nullptr;
    if (MousePointer() == 99) {
        if (mouseIcon_.source() != MouseIcon())
            mouseIcon_ = MouseIcon() ? LoadedPicture(*MouseIcon()) : LoadedPicture();
        cursor = static_cast<HCURSOR>(mouseIcon_.handle());
    } else if (const wchar_t* standard = StandardPointer(MousePointer())) {
        cursor = LoadCursorW(nullptr, standard);
    }
    if (!cursor) return false;
    SetCursor(cursor);
    return true;
}

void xoButtons_H::EnabledChanged() {
    if (hwnd()) EnableWindow(hwnd(), Enabled());
}

void xoButtons_H::RemakeBuffer() {
    if (BufferDC) {
        SelectObject(BufferDC.get(), SavedBitmap);
        bufferBitmap_.reset();
        SavedBitmap = nullptr;
    }
    CreateBuffer();
}

void xoButtons_H::CreateBuffer() {
    if (!BufferDC) {
        BufferDC.reset(CreateCompatibleDC(hDC()));
        // Captions are drawn over the face without a background box.
        SetBkMode(BufferDC.get(), TRANSPARENT);
        brush_.reset(CreateSolidBrush(RGB(0, 0, 0)));
        InitialBrush = static_cast<HBRUSH>(SelectObject(BufferDC.get(), brush_.get()));
        pen_.reset(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
        InitialPen = static_cast<HPEN>(SelectObject(BufferDC.get(), pen_.get()));
        ApplyProperty(L"Font");
    }
    if (SavedBitmap) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    bufferBitmap_.reset(CreateCompatibleBitmap(hDC(), client.right, client.bottom));
    SavedBitmap = static_cast<HBITMAP>(SelectObject(BufferDC.get(), bufferBitmap_.get()));
}

void xoButtons_H::SetDrawingTool(bool select, HDC surface, DrawingTool kind, Colour colour, bool alsoPen, int penWidth,
                                 int penStyle) {
    const HDC dc = BufferDC.get();
    if (!select) {
        SelectObject(dc, InitialBrush);
        brush_.reset();
        SelectObject(dc, InitialPen);
        pen_.reset();
        return;
    }
    // The new object is selected before the old one is deleted; a failed
    // creation leaves the old one selected and owned.
    auto selectPen = [&] {
        Gdi<HPEN> pen(CreatePen(penStyle, penWidth, static_cast<COLORREF>(colour)));
        if (!pen) return;
        SelectObject(dc, pen.get());
        pen_ = std::move(pen);
    };
    switch (kind) {
    case DrawingTool::Brush: {
        Gdi<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(colour)));
        if (brush) {
            SelectObject(dc, brush.get());
            brush_ = std::move(brush);
        }
        if (alsoPen) selectPen();
        break;
    }
    case DrawingTool::Pen: selectPen(); break;
    case DrawingTool::TextColour: SetTextColor(surface, static_cast<COLORREF>(ResolveSysColor(colour))); break;
    default: break;
    }
}

void xoButtons_H::ApplyFont() {
    const FontValue& font = Font();
    LOGFONTW lf{};
    lf.lfHeight = FontHeightPixels(font.Size, TwipsPerPixel(ScreenDpi()));
    lf.lfWeight = font.Weight;
    lf.lfItalic = font.Italic;
    lf.lfUnderline = font.Underline;
    lf.lfStrikeOut = font.Strikethrough;
    lf.lfCharSet = DEFAULT_CHARSET;
    const std::size_t length = std::min(font.Name.size(), std::size(lf.lfFaceName) - 1);
    std::copy_n(font.Name.begin(), length, lf.lfFaceName);
    if (!BufferDC) return;  // the surface applies the font once it exists

    Gdi<HFONT> captionFont(CreateFontIndirectW(&lf));
    if (!captionFont) return;
    const auto replaced = static_cast<HFONT>(SelectObject(BufferDC.get(), captionFont.get()));
    if (!InitialFont) InitialFont = replaced;
    captionFont_ = std::move(captionFont);  // deletes the previous caption font
}

void xoButtons_H::MeasurePicture() {
    picture_ = Picture() ? LoadedPicture(*Picture()) : LoadedPicture();
    int width = 0, height = 0;
    if (picture_) {
        BITMAP bm{};
        bool measured = false;
        if (GetObjectW(picture_.handle(), sizeof bm, &bm)) {
            width = bm.bmWidth;
            height = bm.bmHeight;
            if (bm.bmBits) {
                m_.PictureIsIcon = 0;
                measured = true;
            }
        }
        ICONINFO info{};
        if (!measured && GetIconInfo(static_cast<HICON>(picture_.handle()), &info)) {
            Gdi<HBITMAP> colour(info.hbmColor), mask(info.hbmMask);
            if (colour && GetObjectW(colour.get(), sizeof bm, &bm)) {
                width = bm.bmWidth;
                height = bm.bmHeight;
                m_.PictureIsIcon = 1;
            }
        }
    }
    m_.PictureWidth = width;
    m_.PictureHeight = height;
}

void xoButtons_H::Terminate() {
    ClipRegion.reset();
    if (BufferDC) {
        SetDrawingTool(false, nullptr, DrawingTool::Brush, 0);
        if (InitialFont) SelectObject(BufferDC.get(), InitialFont);
        captionFont_.reset();
        InitialFont = nullptr;
        if (SavedBitmap) SelectObject(BufferDC.get(), SavedBitmap);
        bufferBitmap_.reset();
        SavedBitmap = nullptr;
        BufferDC.reset();
        InitialPen = nullptr;
        InitialBrush = nullptr;
    }
    windowDC_.reset();
}

xoButtons_H::DrawingObjects xoButtons_H::CurrentObjects() const {
    return {BufferDC.get(), SavedBitmap,  bufferBitmap_.get(), InitialPen,         pen_.get(),
            InitialBrush,   brush_.get(), InitialFont,         captionFont_.get(), picture_.handle()};
}

std::unique_ptr<xoButtons_H> CreateXoButton(HWND parent, int id, const RECT& bounds, ButtonHost& host,
                                            const PropertyBag* bag) {
    auto button = std::make_unique<xoButtons_H>(host);
    if (!button->Create(parent, id, bounds)) return nullptr;
    if (bag)
        button->ReadProperties(*bag);
    else
        button->InitProperties();
    ShowWindow(button->hWnd(), SW_SHOWNA);
    return button;
}
