#include "controls/systray/tray_events.h"

#include <gtest/gtest.h>

namespace {

TEST(DecodeTrayNotification, RaisesOneEventWithItsButtonPerMouseMessage) {
    struct Row {
        long long message;
        TrayNotification expected;
    };
    // clang-format off
    const Row rows[] = {
        {kMouseMove,              {TrayEvent::MouseMouse, 0}},
        {kLeftButtonDown,         {TrayEvent::MouseDown, 1}},
        {kLeftButtonUp,           {TrayEvent::MouseUp, 1}},
        {kLeftButtonDoubleClick,  {TrayEvent::DblClick, 1}},
        {kRightButtonDown,        {TrayEvent::MouseDown, 2}},
        {kRightButtonUp,          {TrayEvent::MouseUp, 2}},
        {kRightButtonDoubleClick, {TrayEvent::DblClick, 2}},
        {kMouseMove - 1,          {}},
        {kRightButtonDoubleClick + 1, {}},  // the middle button
        {(1LL << 32) | kRightButtonUp, {}},
    };
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(DecodeTrayNotification(row.message), row.expected) << "message 0x" << std::hex << row.message;
}

}  // namespace
