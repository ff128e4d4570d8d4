#include "controls/systray/sys_tray_win.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/files_win.h"
#include "platform/message_loop_win.h"

namespace {

Icon LoadAsset(const wchar_t* name, int size) {
    const std::wstring path = ProgramFolder() + L"\\" + name;
    return Icon(static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
}

// A modify without flags changes nothing and succeeds only while the shell
// holds an icon for this window and id.
bool ShellHoldsIcon(HWND window) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof probe;
    probe.hWnd = window;
    probe.uID = 1;
    return Shell_NotifyIconW(NIM_MODIFY, &probe);
}

// Appends every event the control raises, as text.
struct Recorder {
    explicit Recorder(ctxSysTray& tray) {
        tray.MouseMouse = [this](int x, int y) {
            events.push_back("MouseMouse");
            lastPosition = {x, y};
        };
        tray.MouseDown = [this](int button, int shift, int x, int y) {
            events.push_back("MouseDown " + std::to_string(button));
            lastShift = shift;
            lastPosition = {x, y};
        };
        tray.MouseUp = [this](int button, int shift, int, int) {
            events.push_back("MouseUp " + std::to_string(button));
            lastShift = shift;
        };
        tray.DblClick = [this](int button) { events.push_back("DblClick " + std::to_string(button)); };
    }
    bool WaitFor(std::size_t count) {
        return PumpUntil([&] { return events.size() >= count; }, 3000);
    }

    std::vector<std::string> events;
    POINT lastPosition{-1, -1};
    int lastShift = -1;
};

class SysTray : public ::testing::Test {
protected:
    void SetUp() override {
        tray = std::make_unique<ctxSysTray>();
        ASSERT_TRUE(tray->hwnd());
        Icon icon = LoadAsset(L"tray.ico", GetSystemMetrics(SM_CXSMICON));
        ASSERT_TRUE(icon) << "tray.ico did not load";
        tray->TrayIcon(std::move(icon));
    }

    std::unique_ptr<ctxSysTray> tray;
};

TEST_F(SysTray, AddPutsTheIconInTheTrayAndRemoveTakesItOut) {
    ASSERT_FALSE(ShellHoldsIcon(tray->hwnd()));
    ASSERT_EQ(tray->AddIconToSystray(L"Durnwick - version 2.0"), TrayResult::Accepted);
    EXPECT_TRUE(tray->IconInTray());
    EXPECT_TRUE(ShellHoldsIcon(tray->hwnd()));

    EXPECT_EQ(tray->UpdateIcon(L"Durnwick - Idle"), TrayResult::Accepted);
    EXPECT_EQ(tray->Popup(L"Download complete in: now", L"Durnwick", 1), TrayResult::Accepted);
    EXPECT_EQ(tray->HidePopUp(), TrayResult::Accepted);
    EXPECT_EQ(tray->HidePopUp(), TrayResult::Accepted) << "with no balloon showing";
    EXPECT_TRUE(tray->IconInTray());

    EXPECT_EQ(tray->RemoveIconFromSystray(), TrayResult::Accepted);
    EXPECT_FALSE(tray->IconInTray());
    EXPECT_FALSE(ShellHoldsIcon(tray->hwnd()));
    EXPECT_EQ(tray->RemoveIconFromSystray(), TrayResult::Refused) << "second delete";
}

TEST_F(SysTray, NothingIsSentBeforeAnAddOrWithoutAPicture) {
    EXPECT_EQ(tray->UpdateIcon(L"tip"), TrayResult::Refused);
    EXPECT_EQ(tray->Popup(L"m", L"t", 1), TrayResult::Refused);
    EXPECT_EQ(tray->HidePopUp(), TrayResult::Refused);
    tray->TrayIcon(Icon());
    EXPECT_EQ(tray->AddIconToSystray(L"tip"), TrayResult::NoPicture);
    EXPECT_EQ(tray->UpdateIcon(L"tip"), TrayResult::NoPicture);
    EXPECT_FALSE(tray->IconInTray());
    EXPECT_FALSE(ShellHoldsIcon(tray->hwnd()));
    EXPECT_EQ(tray->Readd(), TrayResult::NotRequested) << "the failed add asked for nothing";
}

// Wine drops the icons of a destroyed top-level window by itself but not
// those of a message-only one, so this catches a missing delete.
TEST_F(SysTray, DestroyingTheControlRemovesItsIconUnlessTheOwnerDidAlready) {
    for (const bool removedFirst : {false, true}) {
        if (!tray) SetUp();
        ASSERT_EQ(tray->AddIconToSystray(L"tip"), TrayResult::Accepted);
        const HWND window = tray->hwnd();
        if (removedFirst) {
            EXPECT_EQ(tray->RemoveIconFromSystray(), TrayResult::Accepted);
        }
        tray.reset();
        EXPECT_FALSE(IsWindow(window));
        EXPECT_FALSE(ShellHoldsIcon(window)) << removedFirst;
    }
}

TEST_F(SysTray, ReaddBringsBackAnIconTheShellLost) {
    ASSERT_EQ(tray->AddIconToSystray(L"Durnwick - version 2.0"), TrayResult::Accepted);
    ASSERT_EQ(tray->UpdateIcon(L"Durnwick - Downloading in 2 min(s)."), TrayResult::Accepted);
    ASSERT_EQ(tray->Popup(L"Download complete in: now", L"Durnwick", 1), TrayResult::Accepted);
    NOTIFYICONDATAW lost{};
    lost.cbSize = sizeof lost;
    lost.hWnd = tray->hwnd();
    lost.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &lost)) << "the shell forgetting the icon";

    EXPECT_EQ(tray->Readd(), TrayResult::Accepted);
    EXPECT_TRUE(ShellHoldsIcon(tray->hwnd()));
    EXPECT_EQ(FieldText(tray->Record().szTip), L"Durnwick - Downloading in 2 min(s).") << "the current tip";
    EXPECT_EQ(FieldText(tray->Record().szInfo), L"") << "the balloon is not shown twice";
    EXPECT_EQ(tray->Record().dwInfoFlags, 0u);
    EXPECT_EQ(tray->Readd(), TrayResult::Accepted) << "icon still held";
    EXPECT_TRUE(tray->IconInTray());

    tray->RemoveIconFromSystray();
    EXPECT_EQ(tray->Readd(), TrayResult::NotRequested);
    EXPECT_FALSE(ShellHoldsIcon(tray->hwnd()));
}

TEST_F(SysTray, PostedNotificationsRaiseTheirEventsInOrder) {
    Recorder recorder(*tray);
    const LPARAM sent[] = {
        WM_MOUSEMOVE, WM_LBUTTONDOWN,   WM_LBUTTONUP,  WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_MBUTTONDOWN,
        WM_MBUTTONUP, WM_MBUTTONDBLCLK, WM_MOUSEWHEEL, WM_CONTEXTMENU,   WM_USER,      WM_RBUTTONDOWN,
        WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_RBUTTONUP,  WM_XBUTTONDOWN,   WM_MOUSEMOVE,
    };
    for (LPARAM message : sent) PostMessageW(tray->hwnd(), WM_MOUSEMOVE, 1, message);
    const std::vector<std::string> expected = {
        "MouseMouse",  "MouseDown 1", "MouseUp 1",  "DblClick 1", "MouseUp 1",
        "MouseDown 2", "MouseUp 2",   "DblClick 2", "MouseUp 2",  "MouseMouse",
    };
    recorder.WaitFor(expected.size());
    DoEvents();
    EXPECT_EQ(recorder.events, expected);
}

TEST_F(SysTray, EventsCarryThePointerPositionAndShiftState) {
    Recorder recorder(*tray);
    ASSERT_TRUE(SetCursorPos(40, 60));
    BYTE keys[256]{};
    ASSERT_TRUE(GetKeyboardState(keys));
    BYTE held[256];
    std::copy(std::begin(keys), std::end(keys), held);
    held[VK_SHIFT] = held[VK_CONTROL] = 0x80;
    ASSERT_TRUE(SetKeyboardState(held));
    PostMessageW(tray->hwnd(), WM_MOUSEMOVE, 1, WM_LBUTTONDOWN);
    recorder.WaitFor(1);
    SetKeyboardState(keys);
    EXPECT_EQ(recorder.lastShift, 1 | 2);
    EXPECT_EQ(recorder.lastPosition.x, 40);
    EXPECT_EQ(recorder.lastPosition.y, 60);
}

}  // namespace
