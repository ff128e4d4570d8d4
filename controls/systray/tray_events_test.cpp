#include "controls/systray/tray_events.h"

#include <gtest/gtest.h>

namespace {

TEST(TrayEvents, EachMouseMessageRaisesItsEventWithItsButton) {
    struct Case {
        long long message;
        TrayNotification expected;
    } cases[] = {
        {0x200, {TrayEvent::MouseMouse, 0}}, {0x201, {TrayEvent::MouseDown, 1}},
        {0x202, {TrayEvent::MouseUp, 1}},    {0x203, {TrayEvent::DblClick, 1}},
        {0x204, {TrayEvent::MouseDown, 2}},  {0x205, {TrayEvent::MouseUp, 2}},
        {0x206, {TrayEvent::DblClick, 2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeTrayNotification(c.message), c.expected) << "message 0x" << std::hex << c.message;
}

TEST(TrayEvents, MiddleButtonWheelAndOtherNotificationsRaiseNothing) {
    const long long ignored[] = {
        0,       0x1FF,   0x207 /* WM_MBUTTONDOWN */, 0x208, 0x209, 0x20A /* WM_MOUSEWHEEL */,
        0x20B /* WM_XBUTTONDOWN */, 0x20E /* WM_MOUSEHWHEEL */, 0x7B /* WM_CONTEXTMENU */,
        0x400 /* NIN_SELECT */, 0x402 /* NIN_BALLOONSHOW */, 0x406 /* NIN_POPUPOPEN */,
        0x100000201LL /* a left-button message in the high half must not alias */, -1,
    };
    for (long long message : ignored)
        EXPECT_EQ(DecodeTrayNotification(message), TrayNotification{}) << "message 0x" << std::hex << message;
}

}  // namespace
