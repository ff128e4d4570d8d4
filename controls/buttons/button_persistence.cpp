#include <string>

#include "controls/buttons/button_model.h"

void ButtonModel::AdoptContainer() {
    // The option groups find their container through the Tag.
    window_.Tag = std::to_wstring(host_.ContainerWindow());
    m_.ContainerBackColor = ResolveSysColor(host_.BackColor());
}

void ButtonModel::InitProperties() {
    AdoptContainer();
    m_.Caption = host_.DisplayName();
    m_.CaptionAlign = 2;
    m_.ShowFocusRect = true;
    m_.HoverForeColor = kButtonText;
    m_.HoverBackColor = kButtonFace;
    m_.BackColor = kButtonFace;
    ApplyProperty(L"Font");
    ApplyProperty(L"BackColor");
    for (const wchar_t* key : {L"Caption", L"CapAlign", L"Focus", L"cFHover", L"cBHover"}) Notify(key);
}

void ButtonModel::ReadProperties(const PropertyBag& bag) {
    AdoptContainer();
    DelayDrawing(true);
    m_.Caption = bag.ReadText(L"Caption", L"");
    m_.CaptionAlign = bag.ReadInteger(L"CapAlign", 2);
    m_.ButtonStyle = bag.ReadInteger(L"BackStyle", 0);
    m_.ButtonShape = bag.ReadInteger(L"Shape", 0);
    m_.GradientMode = bag.ReadInteger(L"Gradient", 0);
    m_.GradientColor = bag.ReadColour(L"cGradient", kButtonFace);
    window_.ForeColor = bag.ReadColour(L"cFore", kButtonText);
    window_.Font = bag.ReadFont(L"Font", window_.Font);
    m_.ShowFocusRect = bag.ReadBoolean(L"Focus", true);
    m_.Mode = bag.ReadInteger(L"Mode", 0);
    m_.Value = bag.ReadBoolean(L"Value", false);
    m_.Picture = bag.ReadPicture(L"Image");
    m_.PictureSizePixels = static_cast<std::int16_t>(bag.ReadInteger(L"ImgSize", 16));
    m_.PictureAlign = bag.ReadInteger(L"ImgAlign", 0);
    m_.HoverForeColor = bag.ReadColour(L"cFHover", kButtonText);
    window_.Enabled = bag.ReadBoolean(L"Enabled", true);
    EnabledChanged();
    m_.BackColor = bag.ReadColour(L"cBack", host_.BackColor());
    m_.HoverBackColor = bag.ReadColour(L"cBHover", m_.BackColor);
    m_.HoverColorLocks = bag.ReadInteger(L"LockHover", 0);
    m_.CaptionStyle = bag.ReadInteger(L"CapStyle", 0);
    SetMouseIcon(bag.ReadPicture(L"mIcon"));
    SetMousePointer(static_cast<std::int16_t>(bag.ReadInteger(L"mPointer", 0)));

    ApplyProperty(L"Picture");
    ApplyProperty(L"Font");
    ApplyProperty(L"BackColor");
    SetCaption(m_.Caption);
    if (m_.Mode == 2) OptionToggle(1);
    m_.DrawingDelayed = false;
    ResizeControl();
}

void ButtonModel::WriteProperties(PropertyBag& bag) const {
    bag.Write(L"Caption", m_.Caption, std::wstring());
    bag.Write(L"CapAlign", m_.CaptionAlign, 2);
    bag.Write(L"BackStyle", m_.ButtonStyle, 0);
    bag.Write(L"Shape", m_.ButtonShape, 0);
    bag.Write(L"Font", window_.Font);
    bag.Write(L"cFore", BagColour{window_.ForeColor}, BagColour{kButtonText});
    bag.Write(L"cFHover", BagColour{m_.HoverForeColor}, BagColour{kButtonText});
    bag.Write(L"cBhover", BagColour{m_.HoverBackColor}, BagColour{m_.BackColor});
    bag.Write(L"Focus", m_.ShowFocusRect, true);
    bag.Write(L"LockHover", m_.HoverColorLocks, 0);
    bag.Write(L"cGradient", BagColour{m_.GradientColor}, BagColour{kButtonFace});
    bag.Write(L"Gradient", m_.GradientMode, 0);
    bag.Write(L"CapStyle", m_.CaptionStyle, 0);
    bag.Write(L"Mode", m_.Mode);
    bag.Write(L"Value", m_.Value);
    bag.Write(L"ImgAlign", m_.PictureAlign, 0);
    bag.WritePicture(L"Image", m_.Picture);
    bag.Write(L"ImgSize", std::int32_t{m_.PictureSizePixels}, 16);
    bag.Write(L"Enabled", window_.Enabled, true);
    bag.Write(L"cBack", BagColour{m_.BackColor});
    bag.Write(L"mPointer", std::int32_t{window_.MousePointer}, 0);
    bag.WritePicture(L"mIcon", window_.MouseIcon);
}
