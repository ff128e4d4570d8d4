#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "app/app_test_support_win.h"
#include "app/command_line.h"
#include "app/main_layout.h"
#include "app/settings_rules.h"
#include "app/settings_win.h"
#include "controls/systray/tray_record.h"
#include "platform/handles_win.h"
#include "platform/message_loop_win.h"
#include "platform/test_files_win.h"
#include "platform/test_program_win.h"
#include "retrieval/list_file_win.h"
#include "retrieval/test_http_server_win.h"

namespace {

constexpr UINT kExitCommand = 200;
constexpr UINT_PTR kScheduleTimer = 1;

// The real program, started from a folder of the test's own with a settings
// key of the test's own, so that its Exit can end a real process.
class RunningProgram {
public:
    RunningProgram(const TempFolder& folder, const std::wstring& settingsKey)
        : program_(CopyOfProgram(folder), std::wstring(kSettingsKeySwitch) + L" \"" + settingsKey + L"\"",
                   folder.path()) {
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

TEST(Exit, DuringAStalledTransferEndsTheProgramAtOnceAndLeavesNothingBehind) {
    TempFolder programFolder;
    TempFolder downloads;
    TestHttpServer server;
    server.Serve("/1.txt", TestAnswer::BodyStalls(std::string(10'000, 'x'), 100));
    server.Serve("/2.txt", TestAnswer::Body("two"));
    ASSERT_TRUE(ReplaceFileContent(downloads / L"1.txt", "good file"));
    ASSERT_TRUE(WriteListFile(ListFilePath(programFolder.path()),
                              server.Url("/1.txt") + L"\r\n" + server.Url("/2.txt") + L"\r\n", ListFileEncoding::CodePage));
    const std::wstring settingsKey = TestSettingsKey();
    const SettingsStore settings(settingsKey);
    settings.Save(kPathsSection, L"SaveTo", downloads.path());
    settings.Save(kOptionsSection, L"AutoDownloadInterval", L"1");

    {
        RunningProgram program(programFolder, settingsKey);
        ASSERT_TRUE(program.main());
        ASSERT_TRUE(program.tray());
        EXPECT_TRUE(ShellHoldsIcon(program.tray()));

        program.Command(idCmdAction);
        PostMessageW(program.main(), WM_TIMER, kScheduleTimer, 0);
        ASSERT_TRUE(PumpUntil([&] { return server.Holding("/1.txt"); }, 10000));
        // The transfer has begun writing its temporary file.
        EXPECT_NE(FolderListing(downloads.path()).find(".part "), std::string::npos) << FolderListing(downloads.path());

        PostMessageW(program.main(), WM_COMMAND, kExitCommand, 0);
        EXPECT_TRUE(program.EndsWithin(1000)) << "the program still runs a second after Exit";
        EXPECT_TRUE(program.EndsWithin(10000));
        EXPECT_FALSE(ShellHoldsIcon(program.tray()));
    }
    server.Release("/1.txt");
    EXPECT_EQ(server.Requests("/2.txt"), 0);
    EXPECT_EQ(FolderListing(downloads.path()), "1.txt ");
    EXPECT_EQ(FileBytes(downloads / L"1.txt"), "good file");
    RegDeleteTreeW(HKEY_CURRENT_USER, settingsKey.c_str());
}

}  // namespace
