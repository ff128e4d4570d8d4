#include "controls/buttons/button_platform_win.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "controls/buttons/interaction_codes.h"
#include "controls/buttons/recording_button.h"
#include "controls/buttons/test_hover_ticks_win.h"
#include "controls/buttons/test_window_win.h"
#include "controls/buttons/window_properties_win.h"
#include "platform/message_loop_win.h"

namespace {

// A recording button whose hover tracking runs on a real window: the
// window properties, the timer and the pointer test are the system's.
class WindowedButton final : public RecordingButton {
public:
    WindowedButton(ButtonHost& host, Log& log, HWND window) : RecordingButton(host, log), window_(window) {}

protected:
    void StartHoverTimer(std::uint32_t timerId, std::uint32_t intervalMs) override {
        RecordingButton::StartHoverTimer(timerId, intervalMs);
        SetTimer(window_, timerId, intervalMs, HoverTimerProc);
    }
    void StopHoverTimer(std::uint32_t timerId) override {
        RecordingButton::StopHoverTimer(timerId);
        KillTimer(window_, timerId);
    }
    bool PointerOverOwnWindow() const override { return PointerOver(window_); }
    PixelPoint CursorClientPosition() const override { return ::CursorClientPosition(window_); }
    std::uintptr_t OwnWindow() const override { return reinterpret_cast<std::uintptr_t>(window_); }
    WindowProperties& Properties() override { return store_; }

private:
    HWND window_;
    WindowPropertyStore store_;
};

constexpr RECT kButtonBounds{200, 200, 300, 240};
constexpr POINT kOnButton{250, 220};
constexpr POINT kAway{600, 600};
constexpr DWORD kDeadlineMs = 2000;

class HoverTimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SetCursorPos(kOnButton.x, kOnButton.y));
        ASSERT_TRUE(PumpUntil([&] { return PointerOver(window.hwnd()); }, kDeadlineMs));
        button->InitProperties();
        button->MouseMove(0, 0, 50, 20);
        ASSERT_TRUE(button->Members().Hovering);
    }
    void TearDown() override {
        if (button) button->EndInteraction();
    }
    bool Hovering() const { return button->Members().Hovering; }

    TestWindow window{kButtonBounds};
    TickCounter counter{window.hwnd()};
    Log log;
    RecordingHost host{log};
    std::unique_ptr<WindowedButton> button = std::make_unique<WindowedButton>(host, log, window.hwnd());
};

TEST_F(HoverTimerTest, TicksWhileThePointerStaysAndStopsWhenItLeaves) {
    ASSERT_TRUE(PumpUntil([&] { return counter.ticks() >= 3; }, kDeadlineMs));
    EXPECT_TRUE(Hovering());
    const PixelPoint at = CursorClientPosition(window.hwnd());
    EXPECT_EQ(at.x, kOnButton.x - kButtonBounds.left);
    EXPECT_EQ(at.y, kOnButton.y - kButtonBounds.top);

    SetCursorPos(kAway.x, kAway.y);
    const DWORD left = GetTickCount();
    ASSERT_TRUE(PumpUntil([&] { return !Hovering(); }, kDeadlineMs));
    EXPECT_LE(GetTickCount() - left, 500u) << "hover ends within a few ticks";
    EXPECT_EQ(std::count(log.begin(), log.end(), L"MouseOnButton False"), 1);
    EXPECT_FALSE(KillTimer(window.hwnd(), kHoverTimerId)) << "the tick that ended hover stopped its timer";
}

// A window popping up over a hovered button ends its hover: a row of
// ButtonInput.MouseAndKeyboardRaiseTheEventsInOrder.

TEST_F(HoverTimerTest, ATimerThatOutlivedItsButtonStops) {
    button.reset();  // gone without ending its interaction
    const int before = counter.ticks();
    ASSERT_TRUE(PumpUntil([&] { return counter.ticks() > before; }, kDeadlineMs));
    EXPECT_FALSE(KillTimer(window.hwnd(), kHoverTimerId)) << "the first tick without a button stopped the timer";
}

}  // namespace
