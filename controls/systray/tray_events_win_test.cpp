#include "controls/systray/tray_events.h"

#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

// The expectations are written with the platform's own names, so a wrong
// number in the decoder cannot also hide in the test.
namespace {

TEST(TrayEvents, NotificationsOutsideTheMouseMessagesRaiseNothing) {
    // clang-format off
    const long long ignored[] = {
        WM_MOUSEMOVE - 1, NIN_SELECT, NIN_BALLOONSHOW, -1,
        (1LL << 32) | WM_LBUTTONDOWN,  // a left-button message in the high half must not alias
    };
    // clang-format on
    for (long long message : ignored)
        EXPECT_EQ(DecodeTrayNotification(message), TrayNotification{}) << "message 0x" << std::hex << message;
}

}  // namespace
