#pragma once
#include <cstdint>

// Names for the numbers the button stores and draws by. The stored values
// keep their integer types; these only name them.

// Bits of StateFlags.
inline constexpr std::uint8_t kDefaultLook = 1;  // the default-button focus mark is shown
inline constexpr std::uint8_t kHeld = 2;         // left button or space bar held on the button
inline constexpr std::uint8_t kPointerOver = 4;
inline constexpr std::uint8_t kPressedIn = kHeld | kPointerOver;

// Mode.
inline constexpr std::int32_t kCommandButton = 0;
inline constexpr std::int32_t kCheckBox = 1;
inline constexpr std::int32_t kOptionButton = 2;

// CaptionAlign.
inline constexpr std::int32_t kAlignLeft = 0;
inline constexpr std::int32_t kAlignRight = 1;
inline constexpr std::int32_t kCentred = 2;

// PictureAlign.
inline constexpr std::int32_t kPictureAtLeftEdge = 0;
inline constexpr std::int32_t kPictureLeftOfCaption = 1;
inline constexpr std::int32_t kPictureAtRightEdge = 2;
inline constexpr std::int32_t kPictureRightOfCaption = 3;
inline constexpr std::int32_t kPictureTop = 4;
inline constexpr std::int32_t kPictureBottom = 5;

// CaptionStyle.
inline constexpr std::int32_t kFlatCaption = 0;
inline constexpr std::int32_t kEmbossed = 1;
inline constexpr std::int32_t kEngraved = 2;

// ButtonShape.
inline constexpr std::int32_t kRectangle = 0;
inline constexpr std::int32_t kLeftSlant = 1;
inline constexpr std::int32_t kRightSlant = 2;
inline constexpr std::int32_t kBothSlants = 3;
inline constexpr std::int32_t kEllipse = 4;       // 4 and 5: ellipse with a shaded rim
inline constexpr std::int32_t kPlainEllipse = 6;  // ellipse with a black outline, no rim
inline constexpr std::int32_t kLastShape = 6;
inline constexpr std::int32_t kLastStyle = 7;

constexpr bool IsSlanted(std::int32_t shape) { return shape >= kLeftSlant && shape <= kBothSlants; }
constexpr bool IsElliptic(std::int32_t shape) { return shape >= kEllipse; }
