#pragma once
#include <cstdint>

#include "controls/buttons/model/button_codes.h"
#include "controls/buttons/model/colour.h"

// The keys the button persists its properties under, which are also the
// names of its change notifications, and their defaults. Keys are compared
// without regard to case.
namespace key {
inline constexpr wchar_t Caption[] = L"Caption";
inline constexpr wchar_t CaptionAlign[] = L"CapAlign";
inline constexpr wchar_t ButtonStyle[] = L"BackStyle";
inline constexpr wchar_t ButtonShape[] = L"Shape";
inline constexpr wchar_t GradientMode[] = L"Gradient";
inline constexpr wchar_t GradientColor[] = L"cGradient";
inline constexpr wchar_t ForeColor[] = L"cFore";
inline constexpr wchar_t Font[] = L"Font";
inline constexpr wchar_t ShowFocusRect[] = L"Focus";
inline constexpr wchar_t Mode[] = L"Mode";
inline constexpr wchar_t Value[] = L"Value";
inline constexpr wchar_t Picture[] = L"Image";
inline constexpr wchar_t PictureSize[] = L"ImgSize";
inline constexpr wchar_t PictureAlign[] = L"ImgAlign";
inline constexpr wchar_t HoverForeColor[] = L"cFHover";
inline constexpr wchar_t Enabled[] = L"Enabled";
inline constexpr wchar_t BackColor[] = L"cBack";
inline constexpr wchar_t HoverBackColor[] = L"cBHover";
inline constexpr wchar_t HoverColorLocks[] = L"LockHover";
inline constexpr wchar_t CaptionStyle[] = L"CapStyle";
inline constexpr wchar_t MouseIcon[] = L"mIcon";
inline constexpr wchar_t MousePointer[] = L"mPointer";
}  // namespace key

// Values a property has when its key is absent from a bag; a value equal
// to its default is not written.
inline constexpr std::int32_t kDefaultCaptionAlign = kCentred;
inline constexpr bool kDefaultShowFocusRect = true;
inline constexpr Colour kDefaultGradientColor = kButtonFace;
inline constexpr Colour kDefaultForeColor = kButtonText;
inline constexpr Colour kDefaultHoverForeColor = kButtonText;
inline constexpr std::int16_t kDefaultPictureSizePixels = 16;
