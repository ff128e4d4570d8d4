#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "controls/buttons/interaction_codes.h"
#include "controls/buttons/recording_button.h"

namespace {

// One input step as the host delivers it, and the log it writes to.
using Step = std::function<void(RecordingButton&, Log&)>;

Step Move(std::int16_t buttons, float x, float y) {
    return [=](RecordingButton& b, Log&) { b.MouseMove(buttons, 0, x, y); };
}
// A tick of the hover timer, with the pointer over the button's window or not.
Step Tick(bool pointerOver) {
    return [=](RecordingButton& b, Log&) {
        b.pointerOver = pointerOver;
        b.CheckHover(kHoverTimerId);
    };
}
Step Key(std::int16_t key, bool down) {
    return [=](RecordingButton& b, Log&) { down ? b.KeyDown(key, 0) : b.KeyUp(key, 0); };
}
Step AccessKey(std::int16_t key) {
    return [=](RecordingButton& b, Log&) { b.AccessKeyPress(key); };
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
         {Key(40, true), Key(40, false), Key(40, true), Key(40, false)},
         {L"post key-down 40 0x00500001 to 0x10A2C", L"redraw", L"notify Value", L"Click",
          L"post key-down 40 0x00500001 to 0x10A2C"}},
        {"Escape on an option button does nothing", kOptionButton, false, {AccessKey(27)}, {}},
        {"the access key toggles a check box", kCheckBox, false, {AccessKey(L'a')},
         {L"redraw", L"redraw", L"notify Value", L"Click"}},
        {"the access key of a checked option button", kOptionButton, true, {AccessKey(L'a')}, {L"redraw"}},
    };
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

class InteractionTest : public ::testing::Test {
protected:
    void SetUp() override {
        button.InitProperties();
        log.clear();
    }
    const ButtonMembers& m() const { return button.Members(); }

    Log log;
    RecordingHost host{log};
    RecordingButton button{host, log};
};

TEST_F(InteractionTest, EnterOnTheDefaultButtonClicksOnlyACommandButton) {
    button.SetShowFocusRect(true);
    host.displayAsDefault = true;
    button.AmbientChanged(L"DisplayAsDefault");
    log.clear();
    button.AccessKeyPress(kKeyEnter);
    EXPECT_TRUE(SameSequence(log, {L"Click"})) << "no redraw: it shows the default look already";

    button.SetMode(kCheckBox);
    ASSERT_EQ(m().StateFlags & kDefaultLook, kDefaultLook);
    log.clear();
    button.AccessKeyPress(kKeyEnter);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(button.Value());
}

TEST_F(InteractionTest, AMouseUpHandlerThatChangesTheButtonStopsTheClick) {
    struct RightOnRelease : RecordingEvents {
        using RecordingEvents::RecordingEvents;
        void MouseUp(std::int16_t& b, std::int16_t& shift, float& x, float& y) override {
            RecordingEvents::MouseUp(b, shift, x, y);
            b = kRightButton;
        }
    } listener(log);
    button.Listen(listener);
    button.MouseDown(1, 0, 5, 5);
    button.MouseUp(1, 0, 5, 5);
    button.Click();
    EXPECT_EQ(m().LastMouseButton, kRightButton);
    EXPECT_TRUE(SameSequence(log, {L"redraw", L"capture", L"MouseDown 1 0 5 5", L"release capture", L"redraw",
                                   L"MouseUp 1 0 5 5"}));
}

TEST_F(InteractionTest, APressThatSeesNoReleaseIsLetGoOfWithoutAClick) {
    for (bool mouse : {true, false}) {
        mouse ? button.MouseDown(1, 0, 10, 10) : button.KeyDown(kKeySpace, 0);
        log.clear();
        button.CancelPress();
        EXPECT_TRUE(SameSequence(log, {L"release capture", L"redraw"}));
        EXPECT_EQ(m().StateFlags & kHeld, 0);
        EXPECT_FALSE(m().Armed);
        log.clear();
        button.CancelPress();
        button.KeyUp(kKeySpace, 0);
        EXPECT_TRUE(SameSequence(log, {L"KeyUp 32 0"})) << "nothing held: no redraw and no click";
    }
}

TEST_F(InteractionTest, EndingInteractionStopsTheTimerAndLetsGoOfTheMouse) {
    button.MouseMove(0, 0, 5, 5);
    button.MouseDown(1, 0, 5, 5);
    log.clear();
    button.EndInteraction();
    EXPECT_TRUE(SameSequence(log, {L"stop timer 237", L"release capture"}));
    EXPECT_FALSE(m().Hovering);

    log.clear();
    button.EndInteraction();
    EXPECT_TRUE(log.empty()) << "nothing left to end";
}

// Option buttons sharing containers through one property store. Slots,
// loading, leaving and focus are run on real windows in the groups tests.
class OptionGroupsTest : public ::testing::Test {
protected:
    struct Member {
        Log log;
        std::unique_ptr<RecordingHost> host;
        std::unique_ptr<RecordingButton> button;
    };

    static constexpr std::uintptr_t kFrame = 0xF00, kForm = 0xF0F;

    RecordingButton& Add(std::uintptr_t container) {
        auto& member = *members_.emplace_back(std::make_unique<Member>());
        member.host = std::make_unique<RecordingHost>(member.log);
        member.host->container = container;
        member.button = std::make_unique<RecordingButton>(*member.host, member.log, properties);
        member.button->InitProperties();
        member.button->SetMode(kOptionButton);
        member.log.clear();
        return *member.button;
    }
    RecordingButton& operator[](std::size_t i) { return *members_[i]->button; }
    Log& LogOf(std::size_t i) { return members_[i]->log; }
    void Remove(std::size_t i) { members_[i]->button.reset(); }

    static void ClickOn(RecordingButton& b) {
        b.MouseDown(1, 0, 5, 5);
        b.MouseUp(1, 0, 5, 5);
        b.Click();
    }
    std::vector<bool> Values(std::initializer_list<std::size_t> which) {
        std::vector<bool> values;
        for (std::size_t i : which) values.push_back((*this)[i].Value());
        return values;
    }

    MemoryProperties properties;

private:
    std::vector<std::unique_ptr<Member>> members_;
};

TEST_F(OptionGroupsTest, CheckingOneUnchecksTheOthersWithoutTheirClick) {
    for (int i = 0; i < 3; ++i) Add(kFrame);
    ClickOn((*this)[1]);
    EXPECT_EQ(Values({0, 1, 2}), (std::vector<bool>{false, true, false}));
    ClickOn((*this)[2]);
    EXPECT_EQ(Values({0, 1, 2}), (std::vector<bool>{false, false, true}));
    EXPECT_TRUE(SameSequence(LogOf(1), {L"redraw", L"capture", L"MouseDown 1 0 5 5", L"release capture",
                                        L"MouseUp 1 0 5 5", L"redraw", L"notify Value", L"Click", L"redraw",
                                        L"notify Value"}));
}

TEST_F(OptionGroupsTest, ClickingAnUncheckedMemberOfAnEmptyGroupClicksOnceWhicheverComesFirst) {
    Add(kFrame);
    Add(kFrame);
    Add(kForm);
    Add(kForm);
    // Focus before the click step, as a press that takes the focus gives it.
    (*this)[0].GotFocus();
    ClickOn((*this)[0]);
    // The click step before the focus.
    ClickOn((*this)[2]);
    (*this)[2].GotFocus();
    for (std::size_t i : {0, 2}) {
        EXPECT_EQ(std::count(LogOf(i).begin(), LogOf(i).end(), L"Click"), 1) << "member " << i;
        EXPECT_TRUE((*this)[i].Value());
    }
}

TEST_F(OptionGroupsTest, ASlotNamingADeadButtonIsSkipped) {
    for (int i = 0; i < 3; ++i) Add(kFrame);
    ClickOn((*this)[0]);
    Remove(1);  // gone without leaving, as a host that skips the teardown would do
    ClickOn((*this)[2]);
    EXPECT_EQ(Values({0, 2}), (std::vector<bool>{false, true}));
    (*this)[2].GotFocus();
    EXPECT_TRUE((*this)[2].Value());
}

}  // namespace
