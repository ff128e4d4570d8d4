#include "controls/buttons/model/button_accessibility.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "controls/buttons/model/interaction_codes.h"
#include "controls/buttons/testing/recording_button.h"

void PrintTo(const AccessibleView& v, std::ostream* os) {
    *os << testing::PrintToString(v.name) << " role 0x" << std::hex << static_cast<int>(v.role) << " states 0x"
        << v.states << std::dec << " " << testing::PrintToString(v.shortcut) << " "
        << testing::PrintToString(v.defaultAction);
}

namespace {

// Names, roles and the plain states of real buttons are read through the
// system in ReaderTest.AReaderGetsNameRoleAndStatesOfRealButtons; these are
// the pressed states that need a held mouse button or key.
TEST(DescribeButtonTest, PressedFollowsTheHeldButtonOrKey) {
    const struct {
        const char* name;
        std::function<void(RecordingButton&)> setUp;
        bool focused;
        AccessibleView expected;
    } cases[] = {
        {"pressed under the pointer",
         [](RecordingButton& b) {
             b.Interaction().MouseMove(0, 0, 5, 5);
             b.Interaction().MouseDown(kLeftButton, 0, 5, 5);
         },
         false,
         {L"xoButton1", AccessibleRole::PushButton, kStateFocusable | kStatePressed | kStateHotTracked, L"", L"Press"}},
        {"held outside",
         [](RecordingButton& b) {
             b.Interaction().MouseMove(0, 0, 5, 5);
             b.Interaction().MouseDown(kLeftButton, 0, 5, 5);
             b.pointerOver = false;
             b.Interaction().CheckHover(kHoverTimerId);
         },
         false,
         {L"xoButton1", AccessibleRole::PushButton, kStateFocusable, L"", L"Press"}},
        {"space held",
         [](RecordingButton& b) { b.Interaction().KeyDown(kKeySpace, 0); },
         true,
         {L"xoButton1", AccessibleRole::PushButton, kStateFocusable | kStateFocused | kStatePressed, L"", L"Press"}},
    };
    for (const auto& c : cases) {
        Log log;
        RecordingHost host(log);
        RecordingButton button(host, log);
        button.InitProperties();
        c.setUp(button);
        EXPECT_EQ(DescribeButton(button, c.focused), c.expected) << c.name;
    }
}

}  // namespace
