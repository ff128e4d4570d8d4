#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "controls/buttons/model/button_codes.h"
#include "controls/buttons/model/button_events.h"
#include "controls/buttons/model/button_host.h"
#include "controls/buttons/model/button_interaction.h"
#include "controls/buttons/model/button_members.h"
#include "controls/buttons/model/button_platform.h"
#include "controls/buttons/model/colour.h"
#include "controls/buttons/model/option_group.h"
#include "controls/buttons/model/property_bag.h"
#include "controls/buttons/model/window_object.h"

// The character a caption underlines: after its last single ampersand.
// Empty when that ampersand ends the caption; nothing without one.
std::optional<std::wstring> AccessKeyOf(std::wstring_view caption);

// The button's property model: every public property with its validation,
// side effects and notifications, and its persistence. Its interaction
// handles the input. The drawing and the platform services it needs go
// through platform, which the window class supplies; host is the form.
class ButtonModel {
public:
    ButtonModel(ButtonHost& host, ButtonPlatform& platform);
    ButtonModel(const ButtonModel&) = delete;
    ButtonModel& operator=(const ButtonModel&) = delete;
    ~ButtonModel();

    // The events go to listener from now on; it must outlive the button.
    void Listen(ButtonEvents& listener) { interaction_.Listen(listener); }
    ButtonInteraction& Interaction() { return interaction_; }

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

    // Drawing delayed no more, without the redraw DelayDrawing(false)
    // makes: for a paint that draws afresh itself.
    void ResumeDrawing() { m_.DrawingDelayed = false; }
    // The container's window, which the option groups live on: kept in Tag
    // as decimal text.
    std::uintptr_t ContainerWindow() const;
    // What the button's option group is asked to do; true only when asked
    // whether any member is checked and one is.
    bool OptionToggle(GroupAction action);

private:
    void Notify(const wchar_t* key) { host_.PropertyChanged(key); }
    bool InDesignMode() const { return !host_.UserMode(); }
    void RecomputeFaceColors();
    void MeasurePicture();           // the "Picture" request
    void LayoutCaptionAndPicture();  // kept from the platform once it can lay out
    void RefusePicture(const std::wstring& text);
    void AdoptContainer();

    ButtonHost& host_;
    ButtonPlatform& platform_;
    ButtonMembers m_;
    WindowObject window_;
    ButtonInteraction interaction_{*this, m_, platform_};
};
