#include "controls/buttons/model/button_model.h"

#include <cwchar>

#include "controls/buttons/model/button_keys.h"
#include "controls/buttons/model/colour.h"
#include "platform/text.h"

namespace {

const wchar_t* const kTitle = L"Durnwick";

bool LocksBack(std::int32_t locks) { return locks == 0 || locks == 2; }
bool LocksFore(std::int32_t locks) { return locks == 0 || locks == 1; }

}  // namespace

std::optional<std::wstring> AccessKeyOf(std::wstring_view caption) {
    std::optional<std::size_t> last;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (i + 1 < caption.size() && caption[i + 1] == L'&')
            ++i;
        else
            last = i;
    }
    if (!last) return std::nullopt;
    return std::wstring(caption.substr(*last + 1, 1));
}

Colour ButtonModel::ResolveSysColor(Colour colour) const {
    return IsSysColor(colour) ? platform_.SysColor(SysColorIndex(colour)) : colour;
}

void ButtonModel::Refresh() {
    if (!m_.DrawingDelayed) platform_.RedrawButton();
}

void ButtonModel::DelayDrawing(bool delay) {
    m_.DrawingDelayed = delay;
    if (!delay) Refresh();
}

void ButtonModel::ApplyProperty(std::wstring_view request) {
    if (EqualNoCase(request, L"Font"))
        platform_.ApplyFont();
    else if (EqualNoCase(request, L"Picture"))
        MeasurePicture();
    else if (EqualNoCase(request, L"BackColor"))
        RecomputeFaceColors();
}

void ButtonModel::MeasurePicture() {
    const PictureMeasure measure = platform_.MeasurePicture(m_.Picture);
    if (measure.isIcon) m_.PictureIsIcon = *measure.isIcon;
    m_.PictureWidth = measure.width;
    m_.PictureHeight = measure.height;
}

void ButtonModel::LayoutCaptionAndPicture() {
    if (const std::optional<ButtonLayout> layout = platform_.LayoutCaptionAndPicture()) {
        m_.CaptionRect = layout->CaptionRect;
        m_.PictureRect = layout->PictureRect;
    }
}

void ButtonModel::RecomputeFaceColors() {
    const FaceColors c =
        ComputeFaceColors(ResolveSysColor(m_.BackColor), ResolveSysColor(m_.HoverBackColor), m_.ButtonStyle);
    m_.FaceColor = c.FaceColor;
    m_.PushedFaceColor = c.PushedFaceColor;
    m_.HoverFaceColor = c.HoverFaceColor;
    m_.CheckedFaceColor = c.CheckedFaceColor;
}

void ButtonModel::Resize() {
    platform_.RemakeBuffer();
    if (m_.DrawingDelayed) return;
    platform_.BuildButtonRegion(m_.LeftSlantX, m_.RightSlantX);
    LayoutCaptionAndPicture();
    Refresh();
}

void ButtonModel::SetBackColor(Colour value) {
    m_.BackColor = ResolveSysColor(value);
    if (LocksBack(m_.HoverColorLocks)) SetHoverBackColor(m_.GradientMode != 0 ? m_.GradientColor : value);
    ApplyProperty(L"BackColor");
    Refresh();
    Notify(key::BackColor);
}

void ButtonModel::SetButtonShape(std::int32_t value) {
    if (value < 0 || value > kLastShape) return;
    m_.ButtonShape = value;
    m_.CaptionAlign = kCentred;
    Resize();
    DelayDrawing(false);
    Notify(key::ButtonShape);
}

void ButtonModel::SetButtonStyle(std::int32_t value) {
    if (value < 0 || value > kLastStyle) return;
    m_.ButtonStyle = value;
    platform_.BuildButtonRegion(m_.LeftSlantX, m_.RightSlantX);
    LayoutCaptionAndPicture();
    ApplyProperty(L"BackColor");
    Refresh();
    Notify(key::ButtonStyle);
}

void ButtonModel::SetCaption(const std::wstring& value) {
    if (auto key = AccessKeyOf(value)) window_.AccessKeys = *key;
    m_.Caption = value;
    platform_.CaptionChanged();
    LayoutCaptionAndPicture();
    Refresh();
    Notify(key::Caption);
}

void ButtonModel::SetCaptionAlign(std::int32_t value) {
    if (value < 0 || value > 2) return;
    const bool hasPicture = m_.PictureWidth + m_.PictureHeight >= 1;
    if (hasPicture && m_.PictureAlign >= kPictureTop && value != kCentred) {
        if (InDesignMode())
            host_.ShowMessage(
                L"When button images are aligned top/bottom center, \nbutton captions can only be center aligned",
                kTitle, MessageIcon::Information);
        return;
    }
    m_.CaptionAlign = value;
    LayoutCaptionAndPicture();
    Refresh();
    Notify(key::CaptionAlign);
}

void ButtonModel::SetCaptionStyle(std::int32_t value) {
    if (value < 0 || value > 2) return;
    m_.CaptionStyle = value;
    Notify(key::CaptionStyle);
    if (m_.Caption.empty()) return;
    LayoutCaptionAndPicture();
    Refresh();
}

void ButtonModel::SetEnabled(bool value) {
    if (value == window_.Enabled) return;
    // A disabled button is sent no release, so it lets go of a press now.
    if (!value) interaction_.LetGoOfPress();
    window_.Enabled = value;
    platform_.EnabledChanged();
    if (m_.ButtonStyle == 3 && m_.Mode == kCommandButton) {
        // This style rounds its corners only while enabled.
        DelayDrawing(true);
        platform_.BuildButtonRegion(m_.LeftSlantX, m_.RightSlantX);
        LayoutCaptionAndPicture();
        DelayDrawing(false);
    } else {
        Refresh();
    }
    Notify(key::Enabled);
}

void ButtonModel::SetFont(const FontValue& value) {
    window_.Font = value;
    ApplyProperty(L"Font");
    LayoutCaptionAndPicture();
    Refresh();
    Notify(key::Font);
}

std::int32_t ButtonModel::FontStyle() const {
    const FontValue& f = window_.Font;
    return (f.Bold() ? 2 : 0) + (f.Italic ? 4 : 0) + (f.Underline ? 8 : 0);
}

void ButtonModel::SetFontStyle(std::int32_t value) {
    window_.Font.SetBold((value & 2) != 0);
    window_.Font.Italic = (value & 4) != 0;
    window_.Font.Underline = (value & 8) != 0;
    ApplyProperty(L"Font");
    LayoutCaptionAndPicture();
    Notify(key::Font);
    Refresh();
}

void ButtonModel::SetForeColor(Colour value) {
    if (value == window_.ForeColor) return;
    window_.ForeColor = value;
    if (LocksFore(m_.HoverColorLocks)) SetHoverForeColor(value);
    m_.DrawingDelayed = false;
    platform_.RedrawButton();
    Notify(key::ForeColor);
}

void ButtonModel::SetGradientColor(Colour value) {
    if (LocksBack(m_.HoverColorLocks) && m_.GradientMode > 0) m_.HoverBackColor = value;
    m_.GradientColor = value;
    ApplyProperty(L"BackColor");
    if (m_.GradientMode != 0) Refresh();
    Notify(key::GradientColor);
}

void ButtonModel::SetGradientMode(std::int32_t value) {
    if (value < 0 || value > 4) return;
    m_.GradientMode = value;
    if (LocksBack(m_.HoverColorLocks)) {
        m_.HoverBackColor = value == 0 ? m_.BackColor : m_.GradientColor;
        ApplyProperty(L"BackColor");
    }
    Refresh();
    Notify(key::GradientMode);
}

void ButtonModel::SetHoverBackColor(Colour value) {
    if (value == m_.HoverBackColor) return;
    m_.HoverBackColor = value;
    if (value != m_.BackColor) {
        if (m_.HoverColorLocks == 0)
            m_.HoverColorLocks = 1;
        else if (m_.HoverColorLocks == 2)
            m_.HoverColorLocks = 3;
    }
    ApplyProperty(L"BackColor");
    Notify(key::HoverBackColor);
}

void ButtonModel::SetHoverColorLocks(std::int32_t value) {
    m_.HoverColorLocks = value;
    if (LocksBack(value)) {
        m_.HoverBackColor = m_.GradientMode != 0 ? m_.GradientColor : m_.BackColor;
        Notify(key::HoverBackColor);
    }
    if (LocksFore(value)) {
        m_.HoverForeColor = window_.ForeColor;
        Notify(key::HoverForeColor);
    }
    ApplyProperty(L"BackColor");
    Notify(key::HoverColorLocks);
}

void ButtonModel::SetHoverForeColor(Colour value) {
    if (value == m_.HoverForeColor) return;
    m_.HoverForeColor = value;
    Notify(key::HoverForeColor);
    if (value != window_.ForeColor) {
        if (m_.HoverColorLocks == 0)
            m_.HoverColorLocks = 2;
        else if (m_.HoverColorLocks == 1)
            m_.HoverColorLocks = 3;
    }
    Notify(key::HoverForeColor);
}

void ButtonModel::SetMode(std::int32_t value) {
    if (value < 0 || value > 2) return;
    if (m_.Mode == kOptionButton && value != kOptionButton) OptionToggle(GroupAction::Leave);
    if (m_.Mode != kOptionButton && value == kOptionButton) OptionToggle(GroupAction::Join);
    // Cleared while the old mode still lets the setter accept it.
    if (value == kCommandButton && m_.Mode != kCommandButton) SetValue(false);
    m_.Mode = value;
    Refresh();
    Notify(key::Mode);
}

void ButtonModel::SetMouseIcon(const PictureRef& value) {
    if (auto error = window_.AssignMouseIcon(value)) {
        RefusePicture(*error + L"\n\nSelect .ico Or .cur Files Only");
        return;
    }
    if (!value) return;
    SetMousePointer(99);
    Notify(key::MouseIcon);
}

void ButtonModel::SetMousePointer(std::int16_t value) {
    window_.MousePointer = value;
    Notify(key::MousePointer);
}

// A refused picture is explained in design mode only.
void ButtonModel::RefusePicture(const std::wstring& text) {
    if (InDesignMode()) host_.ShowMessage(text, L"Notifier", MessageIcon::Critical);
}

void ButtonModel::SetPicture(const PictureRef& value) {
    if (value) {
        if (auto error = platform_.PictureLoadError(*value)) {
            RefusePicture(*error);
            return;
        }
    }
    m_.Picture = value;
    if (m_.PictureSizePixels == 0) m_.PictureSizePixels = 16;
    ApplyProperty(L"Picture");
    LayoutCaptionAndPicture();
    Refresh();
    Notify(key::Picture);
}

void ButtonModel::SetPictureAlign(std::int32_t value) {
    if (value < 0 || value > 5) return;
    m_.PictureAlign = value;
    if (value >= kPictureTop) SetCaptionAlign(kCentred);
    LayoutCaptionAndPicture();
    Refresh();
    Notify(key::PictureAlign);
}

std::int32_t ButtonModel::PictureSize() {
    if (m_.PictureSizePixels == 0) m_.PictureSizePixels = 16;
    return m_.PictureSizePixels / 8 - 2;
}

void ButtonModel::SetPictureSize(std::int32_t value) {
    if (value < 0 || value > 4) return;
    m_.PictureSizePixels = static_cast<std::int16_t>((value + 2) * 8);
    LayoutCaptionAndPicture();
    Refresh();
    Notify(key::PictureSize);
}

void ButtonModel::SetResetDefaultColors(bool value) {
    if (!value || !InDesignMode()) return;
    DelayDrawing(true);
    m_.BackColor = kButtonFace;
    SetForeColor(kButtonText);
    SetGradientColor(kButtonFace);
    SetGradientMode(0);
    SetHoverColorLocks(0);
    ApplyProperty(L"BackColor");
    DelayDrawing(false);
    Notify(key::GradientColor);
    Notify(key::BackColor);
}

void ButtonModel::SetShowFocusRect(bool value) {
    m_.ShowFocusRect = value;
    if (!(m_.StateFlags & kDefaultLook)) {
        Refresh();
    } else if (InDesignMode()) {
        host_.ShowMessage(
            L"The focus rectangle may appear on default buttons ONLY while in design mode, \n"
            L"but will not appear when the form is running.",
            kTitle, MessageIcon::Information);
    } else {
        m_.StateFlags &= ~kDefaultLook;
        Refresh();
    }
    Notify(key::ShowFocusRect);
}

void ButtonModel::SetValue(bool value) {
    if (value && m_.Mode == kCommandButton) {
        if (InDesignMode())
            host_.ShowMessage(L"This property is not applicable for command button modes.", kTitle,
                              MessageIcon::Information);
        return;
    }
    m_.Value = value;
    if (value && m_.Mode == kOptionButton) OptionToggle(GroupAction::UncheckOthers);
    Refresh();
    Notify(key::Value);
}

void ButtonModel::AmbientChanged(std::wstring_view name) {
    if (EqualNoCase(name, L"DisplayAsDefault")) {
        m_.StateFlags =
            (m_.StateFlags & ~kDefaultLook) | (m_.ShowFocusRect && host_.DisplayAsDefault() ? kDefaultLook : 0);
        Refresh();
    } else if (EqualNoCase(name, L"BackColor")) {
        m_.ContainerBackColor = ResolveSysColor(host_.BackColor());
        if (IsElliptic(m_.ButtonShape) || m_.ButtonStyle == 5) Refresh();
    }
}

void ButtonModel::Show() {
    if (InDesignMode() && m_.ShowFocusRect && host_.DisplayAsDefault()) {
        m_.StateFlags |= kDefaultLook;
        Refresh();
    }
}

void ButtonModel::ShowInteractionState(const InteractionState& state) {
    m_.StateFlags = state.StateFlags;
    m_.Hovering = state.Hovering;
    m_.Armed = state.Armed;
    Refresh();
}

std::uintptr_t ButtonModel::ContainerWindow() const {
    return static_cast<std::uintptr_t>(std::wcstoull(window_.Tag.c_str(), nullptr, 10));
}

bool ButtonModel::OptionToggle(GroupAction action) {
    const std::uintptr_t container = ContainerWindow();
    WindowProperties& properties = platform_.Properties();
    const std::vector<std::uintptr_t> members = GroupMembers(properties, container);
    if ((action == GroupAction::Join || !members.empty()) && m_.Value) {
        for (std::uintptr_t member : members) {
            ButtonModel* other = FromIdentity(member);
            if (other && other != this) other->SetValue(false);
        }
    }
    switch (action) {
    case GroupAction::Leave:
        LeaveGroup(properties, container, Identity());
        break;
    case GroupAction::Join:
        JoinGroup(properties, container, Identity());
        break;
    case GroupAction::AnyChecked:
        for (std::uintptr_t member : members) {
            const ButtonModel* button = FromIdentity(member);
            if (button && button->Value()) return true;
        }
        break;
    case GroupAction::UncheckOthers:
        break;
    }
    return false;
}
