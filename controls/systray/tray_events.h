#pragma once

// What the control raises for one mouse message the shell reports over its
// icon. Button is 1 for the left and 2 for the right button, 0 when the event
// has none.
enum class TrayEvent { None, MouseMouse, MouseDown, MouseUp, DblClick };

struct TrayNotification {
    TrayEvent event = TrayEvent::None;
    int button = 0;

    bool operator==(const TrayNotification&) const = default;
};

// Decodes the callback's lParam. Middle button, wheel and anything else the
// shell may send raise nothing.
TrayNotification DecodeTrayNotification(long long mouseMessage);
