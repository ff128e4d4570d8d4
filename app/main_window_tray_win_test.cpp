#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "app/app_test_support_win.h"
#include "app/main_window_win.h"
#include "platform/message_loop_win.h"
#include "retrieval/test_http_server_win.h"

namespace {

void Notify(frmMain& form, UINT mouseMessage) {
    PostMessageW(form.Tray().hwnd(), kTrayCallbackMessage, 0, mouseMessage);
    DoEvents();
}

std::wstring Tip(frmMain& form) { return FieldText(form.Tray().Record().szTip); }
std::wstring Balloon(frmMain& form) { return FieldText(form.Tray().Record().szInfo); }

class TrayTest : public ::testing::Test {
protected:
    frmMain& Open() {
        form_ = std::make_unique<frmMain>(env_.environment());
        EXPECT_TRUE(form_->Show());
        return *form_;
    }
    void QueueAndStart(const std::wstring& address) {
        SetWindowTextW(form_->Control(idTxtPath), downloads_.path().c_str());
        SetWindowTextW(form_->Control(idTxtURLs), address.c_str());
        Click(*form_, idCmdAdd);
        Click(*form_, idCmdAction);
    }

    TestEnvironment env_;
    TempFolder downloads_;
    std::unique_ptr<frmMain> form_;
};

TEST_F(TrayTest, IconComesWithTheWindowAndGoesWhenItCloses) {
    frmMain& form = Open();
    HWND trayWindow = form.Tray().hwnd();
    EXPECT_TRUE(ShellHoldsIcon(trayWindow));
    EXPECT_EQ(Tip(form), L"Durnwick - version 2.0");
    SendMessageW(form.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(form.hwnd()));
    EXPECT_FALSE(ShellHoldsIcon(trayWindow));
}

TEST_F(TrayTest, MinimisingHidesAndADoubleClickOfEitherButtonBringsTheWindowBack) {
    frmMain& form = Open();
    for (UINT doubleClick : {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK}) {
        ShowWindow(form.hwnd(), SW_MINIMIZE);
        EXPECT_FALSE(IsWindowVisible(form.hwnd()));
        Notify(form, doubleClick);
        EXPECT_TRUE(IsWindowVisible(form.hwnd())) << doubleClick;
        EXPECT_FALSE(IsIconic(form.hwnd())) << doubleClick;
    }
}

TEST_F(TrayTest, WithoutAnIconMinimisingKeepsTheWindowOnTheTaskbar) {
    frmMain& form = Open();
    form.Tray().RemoveIconFromSystray();
    ShowWindow(form.hwnd(), SW_MINIMIZE);
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    EXPECT_TRUE(IsIconic(form.hwnd()));
}

TEST_F(TrayTest, TooltipFollowsTheScheduleAndComesBackWhenTheShellRestarts) {
    frmMain& form = Open();
    Notify(form, WM_MOUSEMOVE);
    EXPECT_EQ(Tip(form), L"Durnwick - Idle");
    QueueAndStart(L"http://127.0.0.1:9/x");
    EXPECT_EQ(Tip(form), L"Durnwick - Downloading in 1 min(s).");
    // The shell forgets the icon, as a restarted shell has.
    NOTIFYICONDATAW gone{};
    gone.cbSize = sizeof gone;
    gone.hWnd = form.Tray().hwnd();
    gone.uID = kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
    SendMessageW(form.hwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ShellHoldsIcon(form.Tray().hwnd()));
    EXPECT_EQ(Tip(form), L"Durnwick - Downloading in 1 min(s).");
    Click(form, idCmdAction);
    EXPECT_EQ(Tip(form), L"Durnwick - idle");
}

TEST_F(TrayTest, RightButtonReleaseOpensTheTrayMenuAndLeftDoesNot) {
    frmMain& form = Open();
    static std::vector<std::wstring> menus;
    menus.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (!menu || !IsWindowVisible(menu)) return;
        HMENU items = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
        wchar_t text[32] = {};
        GetMenuStringW(items, 0, text, 32, MF_BYPOSITION);
        menus.push_back(text);
        EndMenu();
    });
    Notify(form, WM_LBUTTONUP);
    Notify(form, WM_RBUTTONUP);
    KillTimer(nullptr, timer);
    EXPECT_EQ(menus, std::vector<std::wstring>{L"E&xit"});
    EXPECT_TRUE(IsWindow(form.hwnd()));
}

TEST_F(TrayTest, OnlyACompleteRunWithMessagesTickedShowsTheBalloon) {
    TestHttpServer server;
    server.Serve("/a.txt", TestAnswer::Body("a"));
    frmMain& form = Open();
    QueueAndStart(server.Url("/a.txt"));
    form.tmrAutoUpdater_Timer();
    EXPECT_EQ(Balloon(form).rfind(L"Download complete in: ", 0), 0u) << Balloon(form);
    EXPECT_GT(Balloon(form).size(), std::wstring(L"Download complete in: ").size());
    EXPECT_EQ(FieldText(form.Tray().Record().szInfoTitle), L"Durnwick");
    EXPECT_EQ(form.Tray().Record().dwInfoFlags, 1u);

    form.Tray().HidePopUp();
    Click(form, idChkShowMessages);
    form.tmrAutoUpdater_Timer();
    EXPECT_EQ(Balloon(form), L"");
    EXPECT_EQ(server.Requests("/a.txt"), 2);
}

}  // namespace
