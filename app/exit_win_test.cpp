#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "app/app_test_support_win.h"
#include "app/command_line.h"
#include "app/main_layout.h"
#include "app/settings_rules.h"
#include "app/settings_win.h"
#include "platform/message_loop_win.h"
#include "platform/test_files_win.h"
#include "platform/test_program_win.h"
#include "retrieval/list_file_win.h"
#include "retrieval/run_log_win.h"
#include "retrieval/test_http_server_win.h"

namespace {

constexpr UINT kExitCommand = 200;
constexpr UINT_PTR kScheduleTimer = 1;

// Exit from the tray menu, and closing the window: the program ends at once,
// and the log says the entry in flight was cancelled.
TEST(Exit, DuringAStalledTransferEndsTheProgramAtOnceAndLeavesNothingBehind) {
    for (const bool closeWindow : {false, true}) {
        TempFolder programFolder;
        TempFolder downloads;
        TestHttpServer server;
        server.Serve("/1.txt", TestAnswer::BodyStalls(std::string(10'000, 'x'), 100));
        server.Serve("/2.txt", TestAnswer::Body("two"));
        ASSERT_TRUE(ReplaceFileContent(downloads / L"1.txt", "good file"));
        ASSERT_TRUE(WriteListFile(ListFilePath(programFolder.path()),
                                  server.Url("/1.txt") + L"\r\n" + server.Url("/2.txt") + L"\r\n",
                                  ListFileEncoding::CodePage));
        const std::wstring settingsKey = TestSettingsKey();
        const SettingsStore settings(settingsKey);
        settings.Save(kPathsSection, L"SaveTo", downloads.path());
        settings.Save(kOptionsSection, L"AutoDownloadInterval", L"1");

        {
            // The real program, from a folder and with a settings key of the test's own.
            const std::wstring exe = programFolder / L"durnwick.exe";
            ASSERT_TRUE(CopyFileW(BuiltFilePath(DURNWICK_EXE).c_str(), exe.c_str(), FALSE)) << GetLastError();
            const std::wstring arguments = std::wstring(kSettingsKeySwitch) + L" \"" + settingsKey + L"\"";
            StartedProgram program(exe, arguments, programFolder.path());
            HWND main = program.WaitForWindow(L"DurnwickMain", 20000);
            ASSERT_TRUE(main);
            HWND tray = FindWindowExW(HWND_MESSAGE, nullptr, L"DurnwickTrayControl", nullptr);
            EXPECT_TRUE(ShellHoldsIcon(tray));

            SendMessageW(main, WM_COMMAND, MAKEWPARAM(idCmdAction, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(main, idCmdAction)));
            PostMessageW(main, WM_TIMER, kScheduleTimer, 0);
            ASSERT_TRUE(PumpUntil([&] { return server.Holding("/1.txt"); }, 10000));
            // The transfer has begun writing its temporary file.
            EXPECT_NE(FolderListing(downloads.path()).find(".part "), std::string::npos)
                << FolderListing(downloads.path());

            if (closeWindow)
                PostMessageW(main, WM_CLOSE, 0, 0);
            else
                PostMessageW(main, WM_COMMAND, kExitCommand, 0);
            EXPECT_TRUE(program.EndsWithin(1000)) << "the program still runs a second after " << closeWindow;
            EXPECT_TRUE(program.EndsWithin(10000));
            EXPECT_FALSE(ShellHoldsIcon(tray));
        }
        server.Release("/1.txt");
        EXPECT_EQ(server.Requests("/2.txt"), 0);
        EXPECT_EQ(FolderListing(downloads.path()), "1.txt ");
        EXPECT_EQ(FileBytes(downloads / L"1.txt"), "good file");
        const std::wstring log = ReadRunLog(RunLogPath(programFolder.path()));
        EXPECT_NE(log.find(L"\t" + server.Url("/1.txt") + L"\tcancelled\t"), std::wstring::npos) << closeWindow;
        EXPECT_EQ(log.find(L"2.txt"), std::wstring::npos) << closeWindow;
        RegDeleteTreeW(HKEY_CURRENT_USER, settingsKey.c_str());
    }
}

}  // namespace
