#pragma once
#include <windows.h>

#include <memory>
#include <optional>

#include "controls/buttons/draw/button_painter_win.h"
#include "controls/buttons/draw/picture_win.h"
#include "controls/buttons/look/style_looks.h"
#include "controls/buttons/model/button_host.h"
#include "controls/buttons/model/button_model.h"
#include "controls/buttons/model/property_bag.h"
#include "controls/buttons/window/accessible_button_win.h"
#include "controls/buttons/window/button_drop_target_win.h"
#include "controls/buttons/window/button_platform_win.h"
#include "platform/handles_win.h"
#include "platform/offscreen_surface_win.h"
#include "platform/window_win.h"

// The owner-drawn push button: a child window of its own that composes its
// image in an off-screen surface and shows it when it paints. It owns its
// ButtonModel (the properties and, through its interaction, the input) and
// is the model's platform; the drawing is ButtonPainter's and the style
// renderers'. This class routes the window's messages and owns the surface,
// the clip region, the pictures, the accessible object and the drop target.
//
// To the dialog manager (IsDialogMessage in the host's message loop) it is a
// push button that takes the arrow keys: Tab reaches it (WS_TABSTOP), its
// access key clicks it, and while the host displays it as the default button
// Enter is sent to the host as the button's command (see FormButtons).
class xoButtons_H final : public Window, private ButtonPlatform, private AccessibleButtonFacts {
public:
    explicit xoButtons_H(ButtonHost& host) : host_(host), model_(host, *this) {}
    ~xoButtons_H() override;

    // The button's properties, its persistence and its input.
    ButtonModel& Model() { return model_; }
    const ButtonModel& Model() const { return model_; }

    // Creates the control's window, hidden; the host then initialises or
    // reads the properties and shows it.
    [[nodiscard]] bool Create(HWND parent, int id, const RECT& bounds);

    HWND hWnd() const { return hwnd(); }
    // The window's own DC, kept by its class for the window's lifetime.
    HDC hDC() const { return hwnd() ? GetDC(hwnd()) : nullptr; }

    // A solid brush (and with alsoPen a pen of the same colour), a pen, or
    // the text colour of surface. Brushes and pens always go into
    // BufferDC and replace, and delete, the control's previous one.
    // select False puts the initial pen and brush back.
    void SetDrawingTool(bool select, HDC surface, DrawingTool kind, Colour colour, bool alsoPen = false,
                        int penWidth = 1, int penStyle = PS_SOLID);

    // The screen gradients are measured against: buttons that span more
    // than a quarter of it are shaded in two-pixel bands. The real screen
    // unless set.
    void SetScreenSize(std::optional<SIZE> pixels) { screenSize_ = pixels; }

    // The drawing objects held right now, for checks of ownership.
    struct DrawingObjects {
        HDC BufferDC;
        HBITMAP bitmap;
        HGDIOBJ initialPen;
        HPEN pen;
        HGDIOBJ initialBrush;
        HBRUSH brush;
        HFONT font;
        HRGN ClipRegion;
        HANDLE picture;
    };
    DrawingObjects CurrentObjects() const;

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT OnInput(UINT msg, WPARAM wp, LPARAM lp);
    void PressMouse(std::int16_t button, LPARAM lp);
    void ReleaseMouseButton(std::int16_t button, LPARAM lp);
    void DoubleClickMouse(std::int16_t button);
    bool InsideAt(POINT client) const;
    void TakeFocus();
    void LoseFocus();
    LRESULT DialogCode() const;
    void ClickForReader();
    void ClickByAccessKey();
    AccessibleView Describe() const override;
    void DoDefaultAction() override;
    bool SetPointer();
    void PaintControl();
    void ManageBuffer(bool create);
    void CreateSurface();
    void ShowBuffer();
    void CopyBuffer(HDC target) const;
    void Compose();
    std::int32_t WidenForSlant(ButtonSize client);
    LookContext Context() const;
    SIZE ScreenSize() const;
    void Terminate();

    // The model's platform.
    Colour SysColor(int index) const override { return static_cast<Colour>(GetSysColor(index)); }
    void ApplyFont() override;
    PictureMeasure MeasurePicture(const PictureRef& picture) override;
    std::optional<std::wstring> PictureLoadError(const PictureValue& picture) const override {
        return ::PictureLoadError(picture);
    }
    void RemakeBuffer() override { ManageBuffer(true); }
    void BuildButtonRegion(std::int32_t& leftSlantX, std::int32_t& rightSlantX) override;
    std::optional<ButtonLayout> LayoutCaptionAndPicture() override;
    void RedrawButton() override;
    void EnabledChanged() override;
    void CaptionChanged() override;
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

    ButtonHost& host_;
    ButtonModel model_;
    std::optional<OffscreenSurface> BufferDC;
    std::optional<ButtonAccessibility> accessibility_;
    std::optional<ButtonDropTarget> dropTarget_;
    std::int16_t pressedHere_ = 0;  // mouse buttons pressed on the button and not yet released
    bool releasing_ = false;        // inside a release, which gives the capture back itself
    Gdi<HRGN> ClipRegion;
    LoadedPicture picture_;
    LoadedPicture mouseIcon_;
    WindowPropertyStore properties_;
    std::optional<SIZE> screenSize_;
    bool paintingComposedImage_ = false;
    bool widening_ = false;  // inside its own widening for a slant
};

// Creates a button in parent and gives it its properties: read from bag, or
// those of a new instance without one. The button is shown. Its events go to
// nobody until the host calls Listen; a host never destroys a button from
// inside one of its events.
std::unique_ptr<xoButtons_H> CreateXoButton(HWND parent, int id, const RECT& bounds, ButtonHost& host,
                                            const PropertyBag* bag);
