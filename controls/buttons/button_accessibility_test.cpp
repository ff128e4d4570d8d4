#include "controls/buttons/button_accessibility.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "controls/buttons/interaction_codes.h"
#include "controls/buttons/recording_button.h"

void PrintTo(const AccessibleView& v, std::ostream* os) {
    *os << testing::PrintToString(v.name) << " role 0x" << std::hex << static_cast<int>(v.role) << " states 0x"
        << v.states << std::dec << " " << testing::PrintToString(v.shortcut) << " "
        << testing::PrintToString(v.defaultAction);
}

namespace {

TEST(AccessibleNameTest, ReadsTheCaptionAsItIsShown) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"&Add", L"Add"},         {L"Tom && &Jerry", L"Tom & Jerry"}, {L"&&&X", L"&X"},
        {L"Done&", L"Done"},       {L"Save||As", L"Save As"},          {L"a|b", L"a|b"},
        {L"Plain", L"Plain"},      {L"", L""},
    };
    for (const auto& [caption, name] : cases)
        EXPECT_EQ(AccessibleName(caption), name) << testing::PrintToString(caption);
}

// A focused command button and a checked check box are read from real
// buttons in ReaderTest.AReaderGetsNameRoleAndStatesOfRealButtons.
TEST(DescribeButtonTest, RoleStatesShortcutAndActionFollowTheButton) {
    const struct {
        const char* name;
        std::function<void(RecordingButton&)> setUp;
        bool focused;
        AccessibleView expected;
    } cases[] = {
        {"unchecked check box", [](RecordingButton& b) { b.SetMode(kCheckBox); }, false,
         {L"xoButton1", AccessibleRole::CheckBox, kStateFocusable, L"", L"Check"}},
        {"disabled checked option button",
         [](RecordingButton& b) {
             b.SetCaption(L"&Custom name");
             b.SetMode(kOptionButton);
             b.SetValue(true);
             b.SetEnabled(false);
         },
         false, {L"Custom name", AccessibleRole::RadioButton, kStateUnavailable | kStateChecked, L"Alt+C", L"Check"}},
        {"pressed under the pointer",
         [](RecordingButton& b) {
             b.MouseMove(0, 0, 5, 5);
             b.MouseDown(kLeftButton, 0, 5, 5);
         },
         false,
         {L"xoButton1", AccessibleRole::PushButton, kStateFocusable | kStatePressed | kStateHotTracked, L"", L"Press"}},
        {"held outside",
         [](RecordingButton& b) {
             b.MouseMove(0, 0, 5, 5);
             b.MouseDown(kLeftButton, 0, 5, 5);
             b.pointerOver = false;
             b.CheckHover(kHoverTimerId);
         },
         false, {L"xoButton1", AccessibleRole::PushButton, kStateFocusable, L"", L"Press"}},
        {"space held", [](RecordingButton& b) { b.KeyDown(kKeySpace, 0); }, true,
         {L"xoButton1", AccessibleRole::PushButton, kStateFocusable | kStateFocused | kStatePressed, L"", L"Press"}},
        {"a caption without a mark keeps the earlier shortcut",
         [](RecordingButton& b) {
             b.SetCaption(L"&Go");
             b.SetCaption(L"Stop");
         },
         false, {L"Stop", AccessibleRole::PushButton, kStateFocusable, L"Alt+G", L"Press"}},
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
