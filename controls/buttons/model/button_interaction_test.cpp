#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "controls/buttons/model/interaction_codes.h"
#include "controls/buttons/testing/recording_button.h"

namespace {

// One input step as the host delivers it, and the log it writes to.
using Step = std::function<void(RecordingButton&, Log&)>;

Step Move(std::int16_t buttons, float x, float y) {
    return [=](RecordingButton& b, Log&) { b.Interaction().MouseMove(buttons, 0, x, y); };
}
// A tick of the hover timer, with the pointer over the button's window or not.
Step Tick(bool pointerOver) {
    return [=](RecordingButton& b, Log&) {
        b.pointerOver = pointerOver;
        b.Interaction().CheckHover(kHoverTimerId);
    };
}
Step Key(std::int16_t key, bool down) {
    return [=](RecordingButton& b, Log&) { down ? b.Interaction().KeyDown(key, 0) : b.Interaction().KeyUp(key, 0); };
}
Step AccessKey(std::int16_t key) {
    return [=](RecordingButton& b, Log&) { b.Interaction().AccessKeyPress(key); };
}
// The look the renderers would draw from, and the button the next click sees.
const Step Look = [](RecordingButton& b, Log& log) {
    const ButtonMembers& m = b.Members();
    log.push_back(L"look " + LogNumber(m.StateFlags) + (m.Armed ? L" armed" : L"") + (m.Hovering ? L" hovering" : L"") +
                  (m.Value ? L" checked" : L"") + L" last " + LogNumber(m.LastMouseButton));
};

const Log kHoverStart = {L"MouseOnButton True", L"set xo_ClassID", L"set xo_TimerID", L"start timer 237 50ms",
                         L"redraw"};
const Log kHoverEnd = {L"stop timer 237", L"MouseOnButton False", L"redraw"};

Log Join(std::initializer_list<Log> parts) {
    Log joined;
    for (const Log& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

// What the real-input table (ButtonInput.MouseAndKeyboardRaiseTheEventsInOrder)
// cannot reach or does not log: hover ticks, redraws, the edges of the client
// area and the keys that leave a checked button alone.
TEST(InputSequenceTest, PointerKeyAndAccessKeySequences) {
    struct Scenario {
        const char* name;
        std::int32_t mode;
        bool checked;
        std::vector<Step> steps;
        Log expected;
    };
    // clang-format off
    const Scenario scenarios[] = {
        {"a tick that comes after hover ended does nothing", kCommandButton, false,
         {Move(0, 10, 10), Tick(false), Tick(false)}, Join({kHoverStart, {L"MouseMove 0 0 10 10"}, kHoverEnd})},
        {"captured moves a pixel outside start no hover; the right and bottom edges count as inside", kCommandButton,
         false, {Move(0, -1, 10), Move(0, 10, -1), Move(0, 101, 10), Move(0, 10, 31), Move(0, 100, 30), Look},
         Join({{L"MouseMove 0 0 -1 10", L"MouseMove 0 0 10 -1", L"MouseMove 0 0 101 10", L"MouseMove 0 0 10 31"},
               kHoverStart, {L"MouseMove 0 0 100 30", L"look 4 hovering last 0"}})},
        {"entering with the left button held arms the button", kCheckBox, false,
         {Move(1, 10, 10), Look, Tick(false), Look},
         Join({kHoverStart, {L"MouseMove 1 0 10 10", L"look 4 armed hovering last 0"}, kHoverEnd,
               {L"look 0 last 0"}})},
        {"an arrow key's release checks an unchecked option button", kOptionButton, false,
         {Key(kKeyDown, true), Key(kKeyDown, false), Key(kKeyDown, true), Key(kKeyDown, false)},
         {L"post key-down 40 0x00500001 to 0x10A2C", L"redraw", L"notify Value", L"Click",
          L"post key-down 40 0x00500001 to 0x10A2C"}},
        {"the access key toggles a check box", kCheckBox, false, {AccessKey(L'a')},
         {L"redraw", L"redraw", L"notify Value", L"Click"}},
        {"the access key of a checked option button", kOptionButton, true, {AccessKey(L'a')}, {L"redraw"}},
    };
    // clang-format on
    for (const Scenario& s : scenarios) {
        Log log;
        RecordingHost host(log);
        RecordingButton button(host, log);
        button.InitProperties();
        button.SetMode(s.mode);
        if (s.checked) button.SetValue(true);
        log.clear();
        for (const Step& step : s.steps) step(button, log);
        EXPECT_TRUE(SameSequence(log, s.expected)) << s.name;
    }
}

TEST(InteractionTest, AMouseUpHandlerThatChangesTheButtonStopsTheClick) {
    Log log;
    RecordingHost host(log);
    RecordingButton button(host, log);
    button.InitProperties();
    log.clear();
    struct RightOnRelease : RecordingEvents {
        using RecordingEvents::RecordingEvents;
        void MouseUp(std::int16_t& b, std::int16_t& shift, float& x, float& y) override {
            RecordingEvents::MouseUp(b, shift, x, y);
            b = kRightButton;
        }
    } listener(log);
    button.Listen(listener);
    button.Interaction().MouseDown(kLeftButton, 0, 5, 5);
    button.Interaction().MouseUp(kLeftButton, 0, 5, 5);
    button.Interaction().Click();
    EXPECT_EQ(button.Members().LastMouseButton, kRightButton);
    EXPECT_TRUE(SameSequence(
        log, {L"redraw", L"capture", L"MouseDown 1 0 5 5", L"release capture", L"redraw", L"MouseUp 1 0 5 5"}));
}

// Real input gives the focus first (OptionGroupsTest.AFrameAndTheFormHoldTwoIndependentGroups);
// the other order must not click twice either.
TEST(OptionButtonClick, InAnEmptyGroupItClicksOnceWhicheverOfFocusAndClickComesFirst) {
    for (bool focusFirst : {true, false}) {
        Log log;
        RecordingHost host(log);
        RecordingButton option(host, log);
        option.InitProperties();
        option.SetMode(kOptionButton);
        if (focusFirst) option.Interaction().GotFocus();
        option.Interaction().MouseDown(kLeftButton, 0, 5, 5);
        option.Interaction().MouseUp(kLeftButton, 0, 5, 5);
        option.Interaction().Click();
        if (!focusFirst) option.Interaction().GotFocus();
        EXPECT_EQ(std::count(log.begin(), log.end(), L"Click"), 1) << (focusFirst ? "focus first" : "click first");
        EXPECT_TRUE(option.Value());
    }
}

}  // namespace
