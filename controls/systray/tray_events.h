#pragma once
#include <cstdint>

// What the control raises for one mouse message the shell reports over its
// icon. Button is 1 for the left and 2 for the right button, 0 when the event
// has none.
enum class TrayEvent { None, MouseMouse, MouseDown, MouseUp, DblClick };

struct TrayNotification {
    TrayEvent event = TrayEvent::None;
    int button = 0;

    bool operator==(const TrayNotification&) const = default;
};

// The mouse messages the shell reports.
inline constexpr std::uint32_t kMouseMove = 0x200;
inline constexpr std::uint32_t kLeftButtonDown = 0x201;
inline constexpr std::uint32_t kLeftButtonUp = 0x202;
inline constexpr std::uint32_t kLeftButtonDoubleClick = 0x203;
inline constexpr std::uint32_t kRightButtonDown = 0x204;
inline constexpr std::uint32_t kRightButtonUp = 0x205;
inline constexpr std::uint32_t kRightButtonDoubleClick = 0x206;

// Decodes the callback's lParam. Middle button, wheel and anything else the
// shell may send raise nothing.
TrayNotification DecodeTrayNotification(long long mouseMessage);
