#include <string>

#include "controls/buttons/model/button_keys.h"
#include "controls/buttons/model/button_model.h"

void ButtonModel::AdoptContainer() {
    // The option groups find their container through the Tag.
    window_.Tag = std::to_wstring(host_.ContainerWindow());
    m_.ContainerBackColor = ResolveSysColor(host_.BackColor());
}

void ButtonModel::InitProperties() {
    AdoptContainer();
    m_.Caption = host_.DisplayName();
    platform_.CaptionChanged();
    m_.CaptionAlign = kDefaultCaptionAlign;
    m_.ShowFocusRect = kDefaultShowFocusRect;
    m_.HoverForeColor = kDefaultHoverForeColor;
    m_.HoverBackColor = kButtonFace;
    m_.BackColor = kButtonFace;
    ApplyProperty(L"Font");
    ApplyProperty(L"BackColor");
    for (const wchar_t* key :
         {key::Caption, key::CaptionAlign, key::ShowFocusRect, key::HoverForeColor, key::HoverBackColor})
        Notify(key);
}

void ButtonModel::ReadProperties(const PropertyBag& bag) {
    AdoptContainer();
    DelayDrawing(true);
    m_.Caption = bag.ReadText(key::Caption, L"");
    m_.CaptionAlign = bag.ReadInteger(key::CaptionAlign, kDefaultCaptionAlign);
    m_.ButtonStyle = bag.ReadInteger(key::ButtonStyle, 0);
    m_.ButtonShape = bag.ReadInteger(key::ButtonShape, 0);
    m_.GradientMode = bag.ReadInteger(key::GradientMode, 0);
    m_.GradientColor = bag.ReadColour(key::GradientColor, kDefaultGradientColor);
    window_.ForeColor = bag.ReadColour(key::ForeColor, kDefaultForeColor);
    window_.Font = bag.ReadFont(key::Font, window_.Font);
    m_.ShowFocusRect = bag.ReadBoolean(key::ShowFocusRect, kDefaultShowFocusRect);
    m_.Mode = bag.ReadInteger(key::Mode, 0);
    m_.Value = bag.ReadBoolean(key::Value, false);
    m_.Picture = bag.ReadPicture(key::Picture);
    m_.PictureSizePixels = static_cast<std::int16_t>(bag.ReadInteger(key::PictureSize, kDefaultPictureSizePixels));
    m_.PictureAlign = bag.ReadInteger(key::PictureAlign, 0);
    m_.HoverForeColor = bag.ReadColour(key::HoverForeColor, kDefaultHoverForeColor);
    window_.Enabled = bag.ReadBoolean(key::Enabled, true);
    platform_.EnabledChanged();
    m_.BackColor = bag.ReadColour(key::BackColor, host_.BackColor());
    m_.HoverBackColor = bag.ReadColour(key::HoverBackColor, m_.BackColor);
    m_.HoverColorLocks = bag.ReadInteger(key::HoverColorLocks, 0);
    m_.CaptionStyle = bag.ReadInteger(key::CaptionStyle, 0);
    SetMouseIcon(bag.ReadPicture(key::MouseIcon));
    SetMousePointer(static_cast<std::int16_t>(bag.ReadInteger(key::MousePointer, 0)));

    ApplyProperty(L"Picture");
    ApplyProperty(L"Font");
    ApplyProperty(L"BackColor");
    SetCaption(m_.Caption);
    if (m_.Mode == kOptionButton) OptionToggle(GroupAction::Join);
    m_.DrawingDelayed = false;
    Resize();
}

void ButtonModel::WriteProperties(PropertyBag& bag) const {
    bag.Write(key::Caption, m_.Caption, std::wstring());
    bag.Write(key::CaptionAlign, m_.CaptionAlign, kDefaultCaptionAlign);
    bag.Write(key::ButtonStyle, m_.ButtonStyle, 0);
    bag.Write(key::ButtonShape, m_.ButtonShape, 0);
    bag.Write(key::Font, window_.Font);
    bag.Write(key::ForeColor, BagColour{window_.ForeColor}, BagColour{kDefaultForeColor});
    bag.Write(key::HoverForeColor, BagColour{m_.HoverForeColor}, BagColour{kDefaultHoverForeColor});
    bag.Write(key::HoverBackColor, BagColour{m_.HoverBackColor}, BagColour{m_.BackColor});
    bag.Write(key::ShowFocusRect, m_.ShowFocusRect, kDefaultShowFocusRect);
    bag.Write(key::HoverColorLocks, m_.HoverColorLocks, 0);
    bag.Write(key::GradientColor, BagColour{m_.GradientColor}, BagColour{kDefaultGradientColor});
    bag.Write(key::GradientMode, m_.GradientMode, 0);
    bag.Write(key::CaptionStyle, m_.CaptionStyle, 0);
    bag.Write(key::Mode, m_.Mode);
    bag.Write(key::Value, m_.Value);
    bag.Write(key::PictureAlign, m_.PictureAlign, 0);
    bag.WritePicture(key::Picture, m_.Picture);
    bag.Write(key::PictureSize, std::int32_t{m_.PictureSizePixels}, kDefaultPictureSizePixels);
    bag.Write(key::Enabled, window_.Enabled, true);
    bag.Write(key::BackColor, BagColour{m_.BackColor});
    bag.Write(key::MousePointer, std::int32_t{window_.MousePointer}, 0);
    bag.WritePicture(key::MouseIcon, window_.MouseIcon);
}
