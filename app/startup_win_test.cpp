#include "app/startup_win.h"

#include <gtest/gtest.h>

#include "app/app_test_support_win.h"
#include "platform/message_loop_win.h"

namespace {

TEST(Startup, MainWindowAppearsOnlyAfterTheSplashTimeAndTheSplashThenGoes) {
    TestEnvironment env;
    Startup startup(env.environment());
    const DWORD shown = GetTickCount();
    startup.Begin();
    HWND splash = startup.splash().hwnd();
    ASSERT_TRUE(IsWindowVisible(splash));

    const auto mainVisible = [&] { return startup.main() && IsWindowVisible(startup.main()->hwnd()); };
    ASSERT_TRUE(PumpUntil(mainVisible, 10000));
    EXPECT_GE(GetTickCount() - shown, frmSplash::kTimer1IntervalMs);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(splash); }, 2000));
}

}  // namespace
