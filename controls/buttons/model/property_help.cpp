#include "controls/buttons/model/property_help.h"

#include <utility>

#include "platform/text.h"

std::wstring_view PropertyHelp(std::wstring_view property) {
    static constexpr std::pair<std::wstring_view, std::wstring_view> kHelp[] = {
        {L"BackColor", L"Button back color. See also ResetDefaultColors"},
        {L"ButtonShape", L"Rectangular or various diagonal shapes"},
        {L"ButtonStyle", L"Various operating system button styles"},
        {L"Caption", L"The caption of the button. Double pipe (||) is a line break."},
        {L"CaptionAlign", L"Horizontal alignment of caption on the button."},
        {L"CaptionStyle", L"Flat, Embossed or Engraved effects"},
        {L"Enabled", L"Determines if events are fired for this button."},
        {L"Font", L"Font used to display the caption."},
        {L"FontStyle", L"Various font attributes that can be changed directly."},
        {L"ForeColor", L"The color of the caption's font ."},
        {L"GradientColor", L"Secondary color used for gradient shades. The BackColor property is the primary color."},
        {L"GradientMode", L"Various directions to draw the gradient shading."},
        {L"HoverBackColor",
         L"Color of button background when mouse is hovering over it. Affects the HoverLockColors property."},
        {L"HoverColorLocks", L"Can ensure the hover colors match the caption and back colors. Click for more options."},
        {L"HoverForeColor",
         L"Color of button caption's text when mouse is hovering over it. Affects the HoverLockColors property."},
        {L"Mode", L"Command button, check box or option button mode"},
        {L"MouseIcon",
         L"Icon or cursor used to display when mouse is over the button. MousePointer must be set to Custom."},
        {L"MousePointer", L"Various optional mouse pointers to use when mouse is over the button"},
        {L"Picture", L"The image used to display on the button."},
        {L"PictureAlign", L"Alignment of the button image in relation to the caption and/or button."},
        {L"PictureSize", L"Size of button image. Last two options automatically center image."},
        {L"ResetDefaultColors",
         L"Resets button's back color and text color to Window's standard. The hover properties are also reset."},
        {L"ShowFocusRect",
         L"Allows or prevents a focus rectangle from being displayed. In design mode, this may always be displayed for "
         L"button set as Default."},
        {L"Value", L"Applicable to only check box or option button modes: True or False"},
    };
    for (const auto& [name, help] : kHelp)
        if (EqualNoCase(name, property)) return help;
    return {};
}
