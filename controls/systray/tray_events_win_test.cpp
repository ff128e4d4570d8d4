#include "controls/systray/tray_events.h"

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

// The expectations are written with the platform's own names, so a wrong
// number in the decoder cannot also hide in the test.
namespace {

TEST(TrayEvents, EachMouseMessageRaisesItsEventWithItsButton) {
    struct Case {
        long long message;
        TrayNotification expected;
    } cases[] = {
        {WM_MOUSEMOVE, {TrayEvent::MouseMouse, 0}},     {WM_LBUTTONDOWN, {TrayEvent::MouseDown, 1}},
        {WM_LBUTTONUP, {TrayEvent::MouseUp, 1}},        {WM_LBUTTONDBLCLK, {TrayEvent::DblClick, 1}},
        {WM_RBUTTONDOWN, {TrayEvent::MouseDown, 2}},    {WM_RBUTTONUP, {TrayEvent::MouseUp, 2}},
        {WM_RBUTTONDBLCLK, {TrayEvent::DblClick, 2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeTrayNotification(c.message), c.expected) << "message 0x" << std::hex << c.message;
}

TEST(TrayEvents, MiddleButtonWheelAndOtherNotificationsRaiseNothing) {
    const long long ignored[] = {
        0,
        WM_MOUSEMOVE - 1,
        WM_MBUTTONDOWN,
        WM_MBUTTONUP,
        WM_MBUTTONDBLCLK,
        WM_MOUSEWHEEL,
        WM_XBUTTONDOWN,
        WM_MOUSEHWHEEL,
        WM_CONTEXTMENU,
        NIN_SELECT,
        NIN_BALLOONSHOW,
        NIN_POPUPOPEN,
        (1LL << 32) | WM_LBUTTONDOWN,  // a left-button message in the high half must not alias
        -1,
    };
    for (long long message : ignored)
        EXPECT_EQ(DecodeTrayNotification(message), TrayNotification{}) << "message 0x" << std::hex << message;
}

}  // namespace
