#pragma once
#include <windows.h>

#include <memory>
#include <optional>

#include "controls/buttons/button_host.h"
#include "controls/buttons/button_model.h"
#include "controls/buttons/button_platform_win.h"
#include "controls/buttons/picture_win.h"
#include "controls/buttons/property_bag.h"
#include "controls/buttons/window_properties_win.h"
#include "platform/handles_win.h"
#include "platform/window_win.h"

// The owner-drawn push button: a child window of its own that composes its
// image in an off-screen surface. The property model is ButtonModel; this
// class owns the window, the surface and every drawing object.
class xoButtons_H final : public Window, public ButtonModel {
public:
    explicit xoButtons_H(ButtonHost& host) : ButtonModel(host) {}
    ~xoButtons_H() override;

    // Creates the control's window, hidden; the host then initialises or
    // reads the properties and shows it.
    [[nodiscard]] bool Create(HWND parent, int id, const RECT& bounds);

    HWND hWnd() const { return hwnd(); }
    HDC hDC() const { return windowDC_ ? windowDC_->get() : nullptr; }

    // A solid brush (and with alsoPen a pen of the same colour), a pen, or
    // the text colour of surface. Brushes and pens always go into
    // BufferDC and replace, and delete, the control's previous one.
    // select False puts the initial pen and brush back (teardown).
    void SetDrawingTool(bool select, HDC surface, DrawingTool kind, Colour colour, bool alsoPen = false, int penWidth = 1,
                        int penStyle = PS_SOLID);

    // The drawing objects held right now, for checks of ownership.
    struct DrawingObjects {
        HDC BufferDC;
        HBITMAP SavedBitmap, bufferBitmap;
        HPEN InitialPen, pen;
        HBRUSH InitialBrush, brush;
        HFONT InitialFont, font;
        HANDLE picture;
    };
    DrawingObjects CurrentObjects() const;

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool SetPointer();
    void CreateBuffer();
    void Terminate();

    Colour SysColor(int index) const override { return static_cast<Colour>(GetSysColor(index)); }
    void ApplyFont() override;
    void MeasurePicture() override;
    std::optional<std::wstring> PictureLoadError(const PictureValue& picture) const override {
        return ::PictureLoadError(picture);
    }
    void RemakeBuffer() override;
    void BuildButtonRegion() override {}
    void LayoutCaptionAndPicture() override {}
    void RedrawButton() override {}
    void EnabledChanged() override;
    void CaptureMouse() override { SetCapture(hwnd()); }
    void ReleaseMouse() override {
        if (GetCapture() == hwnd()) ReleaseCapture();
    }
    void PostKeyDown(std::uintptr_t window, std::int16_t keyCode, std::uint32_t lParam) override {
        PostMessageW(reinterpret_cast<HWND>(window), WM_KEYDOWN, keyCode, lParam);
    }
    void StartHoverTimer(std::uint32_t timerId, std::uint32_t intervalMs) override {
        SetTimer(hwnd(), timerId, intervalMs, HoverTimerProc);
    }
    void StopHoverTimer(std::uint32_t timerId) override { KillTimer(hwnd(), timerId); }
    bool PointerOverOwnWindow() const override { return PointerOver(hwnd()); }
    PixelPoint CursorClientPosition() const override { return ::CursorClientPosition(hwnd()); }
    ButtonSize ClientSize() const override {
        RECT client{};
        GetClientRect(hwnd(), &client);
        return {client.right, client.bottom};
    }
    std::uintptr_t OwnWindow() const override { return reinterpret_cast<std::uintptr_t>(hwnd()); }
    WindowProperties& Properties() override { return properties_; }

    std::optional<WindowDC> windowDC_;
    MemoryDC BufferDC;
    HBITMAP SavedBitmap = nullptr;
    HPEN InitialPen = nullptr;
    HBRUSH InitialBrush = nullptr;
    Gdi<HRGN> ClipRegion;
    HFONT InitialFont = nullptr;

    Gdi<HBITMAP> bufferBitmap_;
    Gdi<HPEN> pen_;
    Gdi<HBRUSH> brush_;
    Gdi<HFONT> captionFont_;
    LoadedPicture picture_;
    LoadedPicture mouseIcon_;
    WindowPropertyStore properties_;
};

// Creates a button in parent and gives it its properties: read from bag, or
// those of a new instance without one. The button is shown.
std::unique_ptr<xoButtons_H> CreateXoButton(HWND parent, int id, const RECT& bounds, ButtonHost& host,
                                            const PropertyBag* bag);
