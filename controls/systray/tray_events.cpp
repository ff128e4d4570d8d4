#include "controls/systray/tray_events.h"

TrayNotification DecodeTrayNotification(long long mouseMessage) {
    switch (mouseMessage) {
    case kMouseMove:
        return {TrayEvent::MouseMouse, 0};
    case kLeftButtonDown:
        return {TrayEvent::MouseDown, 1};
    case kLeftButtonUp:
        return {TrayEvent::MouseUp, 1};
    case kLeftButtonDoubleClick:
        return {TrayEvent::DblClick, 1};
    case kRightButtonDown:
        return {TrayEvent::MouseDown, 2};
    case kRightButtonUp:
        return {TrayEvent::MouseUp, 2};
    case kRightButtonDoubleClick:
        return {TrayEvent::DblClick, 2};
    default:
        return {};
    }
}
