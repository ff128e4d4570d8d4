#include "platform/window_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/test_sequence.h"

namespace {

using Log = std::vector<std::string>;

// A window whose destruction work needs its own members: the log.
class LoggingWindow final : public Window {
public:
    LoggingWindow(Log& log, const WindowDescriptor& descriptor) : log_(log) { created = CreateOwnWindow(descriptor); }
    ~LoggingWindow() override { DestroyOwnWindow(); }

    bool created = false;
    int idSeenAtCreate = -1;

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        switch (msg) {
        case WM_CREATE:
            idSeenAtCreate = GetDlgCtrlID(hwnd());
            break;
        case WM_DESTROY:
            log_.push_back("destroy");
            break;
        case WM_NCDESTROY:
            log_.push_back("ncdestroy");
            break;
        }
        return DefaultProc(msg, wp, lp);
    }

    Log& log_;
};

WindowDescriptor TopLevel(const wchar_t* className) {
    WindowDescriptor descriptor;
    descriptor.className = className;
    descriptor.style = WS_OVERLAPPEDWINDOW;
    descriptor.bounds = {0, 0, 200, 100};
    return descriptor;
}

// Whichever goes first, the object runs its own destroy handling, and a
// window destroyed first leaves the object without one.
TEST(Window, DestroyingTheObjectOrTheWindowRunsItsOwnDestroyHandling) {
    for (const bool windowFirst : {false, true}) {
        Log log;
        {
            LoggingWindow window(log, TopLevel(L"DurnwickTestLogging"));
            ASSERT_TRUE(window.created);
            if (windowFirst) {
                DestroyWindow(window.hwnd());
                EXPECT_EQ(window.hwnd(), nullptr);
            }
        }
        EXPECT_TRUE(SameSequence(log, Log{"destroy", "ncdestroy"})) << windowFirst;
    }
}

TEST(Window, AChildHasItsIdAlreadyAtCreation) {
    Log log;
    LoggingWindow parent(log, TopLevel(L"DurnwickTestParent"));
    ASSERT_TRUE(parent.created);

    WindowDescriptor childDescriptor;
    childDescriptor.className = L"DurnwickTestChild";
    childDescriptor.style = WS_CHILD;
    childDescriptor.parent = parent.hwnd();
    childDescriptor.childId = 42;
    LoggingWindow child(log, childDescriptor);
    ASSERT_TRUE(child.created);

    EXPECT_EQ(child.idSeenAtCreate, 42) << "the id must be there from the start";
}

TEST(Window, FailedCreationIsReportedAndLeavesNoWindow) {
    Log log;
    WindowDescriptor orphan;
    orphan.className = L"DurnwickTestOrphan";
    orphan.style = WS_CHILD;  // a child needs a parent
    LoggingWindow window(log, orphan);
    EXPECT_FALSE(window.created);
    EXPECT_EQ(window.hwnd(), nullptr);
}

// An object that leaves its window to the base would route the window's last
// messages to a half-destroyed object; the base refuses that loudly.
class ForgetfulWindow final : public Window {
public:
    ForgetfulWindow() { created = CreateOwnWindow(TopLevel(L"DurnwickTestForgetful")); }
    bool created = false;
};

TEST(WindowDeathTest, ADerivedClassMustDestroyItsOwnWindow) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH({ ForgetfulWindow forgetful; }, "");
}

}  // namespace
