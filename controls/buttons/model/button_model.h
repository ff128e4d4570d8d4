#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "controls/buttons/model/button_codes.h"
#include "controls/buttons/model/button_events.h"
#include "controls/buttons/model/button_host.h"
#include "controls/buttons/model/colour.h"
#include "controls/buttons/model/geometry.h"
#include "controls/buttons/model/option_group.h"
#include "controls/buttons/model/property_bag.h"
#include "controls/buttons/model/window_object.h"
#include "controls/buttons/model/window_properties.h"

// The stored state of one button, in declaration order. The drawing surface
// and its objects belong to the window class.
struct ButtonMembers {
    std::wstring Caption;
    std::int32_t CaptionAlign = 0;
    std::int32_t CaptionStyle = 0;
    std::int32_t ButtonStyle = 0;
    std::uint8_t StateFlags = 0;  // kDefaultLook, kHeld, kPointerOver
    std::int32_t ButtonShape = 0;
    std::int32_t LeftSlantX = 0;
    std::int32_t RightSlantX = 0;
    ButtonRect CaptionRect;
    bool ShowFocusRect = false;
    Colour HoverBackColor = 0;
    Colour HoverForeColor = 0;
    std::int32_t HoverColorLocks = 0;
    std::int32_t GradientMode = 0;
    Colour GradientColor = 0;
    std::int32_t Mode = 0;
    bool Value = false;
    PictureRef Picture;
    std::int32_t PictureAlign = 0;
    std::int16_t PictureSizePixels = 0;
    ButtonRect PictureRect;
    std::int32_t PictureWidth = 0;
    std::int32_t PictureHeight = 0;
    std::int32_t PictureIsIcon = 0;
    bool DrawingDelayed = false;
    Colour BackColor = 0;
    Colour FaceColor = 0, PushedFaceColor = 0, HoverFaceColor = 0;
    std::int16_t LastMouseButton = 0;
    bool Hovering = false;
    Colour ContainerBackColor = 0;
    Colour CheckedFaceColor = 0;
    bool Armed = false;
    bool operator==(const ButtonMembers&) const = default;
};

// The character a caption underlines: after its last single ampersand.
// Empty when that ampersand ends the caption; nothing without one.
std::optional<std::wstring> AccessKeyOf(std::wstring_view caption);

// The button's property model: every public property with its validation,
// side effects and notifications, its persistence, and its reactions to
// mouse, keyboard, focus and hover. The drawing and the platform services
// it needs go through the protected operations, which the window class
// supplies.
class ButtonModel {
public:
    explicit ButtonModel(ButtonHost& host);
    ButtonModel(const ButtonModel&) = delete;
    ButtonModel& operator=(const ButtonModel&) = delete;
    virtual ~ButtonModel();

    // The events go to listener from now on; it must outlive the button.
    void Listen(ButtonEvents& listener) { events_ = &listener; }

    // What the window properties of the hover timer and the option groups
    // name the button by, and the live button of that name (null for any
    // other value).
    std::uintptr_t Identity() const { return reinterpret_cast<std::uintptr_t>(this); }
    static ButtonModel* FromIdentity(std::uintptr_t identity);

    Colour BackColor() const { return m_.BackColor; }
    void SetBackColor(Colour value);
    std::int32_t ButtonShape() const { return m_.ButtonShape; }
    void SetButtonShape(std::int32_t value);
    std::int32_t ButtonStyle() const { return m_.ButtonStyle; }
    void SetButtonStyle(std::int32_t value);
    const std::wstring& Caption() const { return m_.Caption; }
    void SetCaption(const std::wstring& value);
    std::int32_t CaptionAlign() const { return m_.CaptionAlign; }
    void SetCaptionAlign(std::int32_t value);
    std::int32_t CaptionStyle() const { return m_.CaptionStyle; }
    void SetCaptionStyle(std::int32_t value);
    bool Enabled() const { return window_.Enabled; }
    void SetEnabled(bool value);
    const FontValue& Font() const { return window_.Font; }
    void SetFont(const FontValue& value);
    std::int32_t FontStyle() const;
    void SetFontStyle(std::int32_t value);
    Colour ForeColor() const { return window_.ForeColor; }
    void SetForeColor(Colour value);
    Colour GradientColor() const { return m_.GradientColor; }
    void SetGradientColor(Colour value);
    std::int32_t GradientMode() const { return m_.GradientMode; }
    void SetGradientMode(std::int32_t value);
    Colour HoverBackColor() const { return m_.HoverBackColor; }
    void SetHoverBackColor(Colour value);
    std::int32_t HoverColorLocks() const { return m_.HoverColorLocks; }
    void SetHoverColorLocks(std::int32_t value);
    Colour HoverForeColor() const { return m_.HoverForeColor; }
    void SetHoverForeColor(Colour value);
    std::int32_t Mode() const { return m_.Mode; }
    void SetMode(std::int32_t value);
    const PictureRef& MouseIcon() const { return window_.MouseIcon; }
    void SetMouseIcon(const PictureRef& value);
    std::int16_t MousePointer() const { return window_.MousePointer; }
    void SetMousePointer(std::int16_t value);
    const PictureRef& Picture() const { return m_.Picture; }
    void SetPicture(const PictureRef& value);
    std::int32_t PictureAlign() const { return m_.PictureAlign; }
    void SetPictureAlign(std::int32_t value);
    std::int32_t PictureSize();  // first use fixes the size at 16 pixels
    void SetPictureSize(std::int32_t value);
    bool ResetDefaultColors() const { return false; }
    void SetResetDefaultColors(bool value);
    bool ShowFocusRect() const { return m_.ShowFocusRect; }
    void SetShowFocusRect(bool value);
    bool Value() const { return m_.Value; }
    void SetValue(bool value);

    void Refresh();
    void DelayDrawing(bool delay);
    void ApplyProperty(std::wstring_view request);
    Colour ResolveSysColor(Colour colour) const;

    // Host lifecycle.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    void AmbientChanged(std::wstring_view name);
    void Show();
    // The host sized the control, after giving it its properties: the
    // buffer, the region, the layout and a redraw.
    void Resize();

    // Input from the host. Coordinates are client pixels; Button and Shift
    // are sums of the mouse buttons and of Shift 1, Ctrl 2, Alt 4.
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void Click();  // after a press and release over the button; also the click step of the other handlers
    void DblClick();
    void KeyDown(std::int16_t keyCode, std::int16_t shift);
    void KeyPress(std::int16_t keyAscii);
    void KeyUp(std::int16_t keyCode, std::int16_t shift);
    void AccessKeyPress(std::int16_t keyAscii);  // also Enter on the default and Escape on the cancel button
    void GotFocus();
    // A tick of the hover timer: ends hover once the pointer is over another
    // window.
    void CheckHover(std::uint32_t timerId);
    // Before the window goes: stops hover tracking, lets go of the mouse and
    // leaves the option group, so no timer or slot names a dead button.
    void EndInteraction();
    // A press that will see no release here: the mouse capture was taken
    // away, or the focus left while the space bar held the button. The
    // button is let go of without a click.
    void CancelPress();

    // Drag and drop over the button's window, raised as the platform reports
    // it. State is 0 when the drag enters, 1 when it leaves, 2 as it moves.
    void OLEDragOver(IDataObject* data, std::int32_t& effect, std::int16_t button, std::int16_t shift, float x, float y,
                     std::int16_t state);
    void OLEDragDrop(IDataObject* data, std::int32_t& effect, std::int16_t button, std::int16_t shift, float x,
                     float y);

    // Holds the button in a look that otherwise needs the mouse or the
    // keyboard (pressed in, hot, held outside, armed), for the gallery and
    // the tests; a running form never calls it.
    struct InteractionState {
        std::uint8_t StateFlags = 0;
        bool Hovering = false;
        bool Armed = false;
    };
    void ShowInteractionState(const InteractionState& state);

    const ButtonMembers& Members() const { return m_; }
    const WindowObject& WindowValues() const { return window_; }

protected:
    // Supplied by the window class.
    virtual Colour SysColor(int index) const = 0;
    virtual void ApplyFont() = 0;       // the "Font" request
    virtual void MeasurePicture() = 0;  // the "Picture" request
    // Why the picture cannot be loaded; nothing when it can.
    virtual std::optional<std::wstring> PictureLoadError(const PictureValue& picture) const = 0;
    virtual void RemakeBuffer() = 0;  // first steps of the resize handling
    virtual void BuildButtonRegion() = 0;
    virtual void LayoutCaptionAndPicture() = 0;
    virtual void RedrawButton() = 0;    // not called while drawing is delayed
    virtual void EnabledChanged() = 0;  // the window object's Enabled was assigned
    virtual void CaptionChanged() {}    // the caption was assigned
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;  // only if the button's window holds the capture
    virtual void PostKeyDown(std::uintptr_t window, std::int16_t keyCode, std::uint32_t lParam) = 0;
    virtual void StartHoverTimer(std::uint32_t timerId, std::uint32_t intervalMs) = 0;
    virtual void StopHoverTimer(std::uint32_t timerId) = 0;
    virtual bool PointerOverOwnWindow() const = 0;  // the window under the pointer is the button's
    virtual PixelPoint CursorClientPosition() const = 0;
    virtual ButtonSize ClientSize() const = 0;  // ScaleWidth and ScaleHeight
    virtual std::uintptr_t OwnWindow() const = 0;
    virtual WindowProperties& Properties() = 0;

    void RecomputeFaceColors();
    bool OptionToggle(GroupAction action);
    ButtonEvents& Events() { return *events_; }

    ButtonHost& host_;
    ButtonMembers m_;
    WindowObject window_;

private:
    void Notify(const wchar_t* key) { host_.PropertyChanged(key); }
    bool InDesignMode() const { return !host_.UserMode(); }
    void RefusePicture(const std::wstring& text);
    void AdoptContainer();
    std::uintptr_t ContainerWindow() const;
    void EnterHover(std::int16_t button, float x, float y);
    void LetGoOfPress();

    ButtonEvents* events_;
};
