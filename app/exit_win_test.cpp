#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "app/app_test_support_win.h"
#include "app/main_layout.h"
#include "app/settings_rules.h"
#include "app/settings_win.h"
#include "controls/systray/tray_record.h"
#include "platform/handles_win.h"
#include "platform/message_loop_win.h"
#include "platform/test_program_win.h"
#include "retrieval/list_file_win.h"
#include "retrieval/test_http_server_win.h"

namespace {

constexpr UINT kExitCommand = 200;
constexpr UINT_PTR kScheduleTimer = 1;

// The real program, started from a folder of the test's own with the real
// settings key, so that its Exit can end a real process.
class RunningProgram {
public:
    RunningProgram(const TempFolder& folder) : program_(CopyOfProgram(folder), L"", folder.path()) {
        main_ = program_.WaitForWindow(L"DurnwickMain", 20000);
        tray_ = FindWindowExW(HWND_MESSAGE, nullptr, L"DurnwickTrayControl", nullptr);
    }
    HWND main() const { return main_; }
    HWND tray() const { return tray_; }
    void Command(int id) const {
        SendMessageW(main_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(main_, id)));
    }
    bool EndsWithin(DWORD ms) const { return program_.EndsWithin(ms); }

private:
    static std::wstring CopyOfProgram(const TempFolder& folder) {
        const std::wstring exe = folder / L"durnwick.exe";
        EXPECT_TRUE(CopyFileW(BuiltFilePath(DURNWICK_EXE).c_str(), exe.c_str(), FALSE)) << GetLastError();
        return exe;
    }

    StartedProgram program_;
    HWND main_ = nullptr;
    HWND tray_ = nullptr;
};


TEST(Exit, DuringARunEndsTheProgramAtOnceWithNoFurtherDownloadAndNoIconLeft) {
    TempFolder programFolder;
    TempFolder downloads;
    TestHttpServer server;
    server.Serve("/1.txt", TestAnswer::Held("one", 1));
    server.Serve("/2.txt", TestAnswer::Body("two"));
    ASSERT_TRUE(WriteListFile(ListFilePath(programFolder.path()),
                              server.Url("/1.txt") + L"\r\n" + server.Url("/2.txt") + L"\r\n"));
    const SettingsStore settings(kSettingsApp);
    settings.Save(kPathsSection, L"SaveTo", downloads.path());
    settings.Save(kOptionsSection, L"AutoDownloadInterval", L"1");

    {
        RunningProgram program(programFolder);
        ASSERT_TRUE(program.main());
        ASSERT_TRUE(program.tray());
        EXPECT_TRUE(ShellHoldsIcon(program.tray()));

        program.Command(idCmdAction);
        PostMessageW(program.main(), WM_TIMER, kScheduleTimer, 0);
        ASSERT_TRUE(PumpUntil([&] { return server.Holding("/1.txt"); }, 10000));

        PostMessageW(program.main(), WM_COMMAND, kExitCommand, 0);
        EXPECT_TRUE(program.EndsWithin(10000));
        EXPECT_FALSE(ShellHoldsIcon(program.tray()));
    }
    server.Release("/1.txt");
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(server.Requests("/2.txt"), 0);
    EXPECT_EQ(FileBytes(downloads / L"1.txt"), "<missing>");
    RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\") + kSettingsApp).c_str());
}

}  // namespace
