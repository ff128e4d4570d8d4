#include <gtest/gtest.h>

#include <windows.h>

#include "app/app_test_support_win.h"
#include "app/command_line.h"
#include "app/settings_rules.h"
#include "app/settings_win.h"
#include "platform/message_loop_win.h"
#include "platform/test_files_win.h"
#include "platform/test_program_win.h"
#include "retrieval/download_state.h"
#include "retrieval/list_file_win.h"
#include "retrieval/run_log_win.h"
#include "retrieval/test_http_server_win.h"

namespace {

constexpr DWORD kRunDeadlineMs = 30000;

// The real program in a folder of the test's own, run unattended.
class RunOnceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CopyFileW(BuiltFilePath(DURNWICK_EXE).c_str(), exe_.c_str(), FALSE)) << GetLastError();
        env_.StoreSetting(kPathsSection, L"SaveTo", downloads_.path());
    }
    std::wstring Arguments(const std::wstring& more) const {
        return std::wstring(kSettingsKeySwitch) + L" \"" + SettingsKey() + L"\" " + more;
    }
    std::wstring SettingsKey() const { return env_.environment().settingsKey; }
    void WriteList(const std::wstring& path, const std::vector<std::wstring>& entries, ListFileEncoding encoding) {
        std::wstring text;
        for (const std::wstring& entry : entries) text += entry + L"\r\n";
        ASSERT_TRUE(ReplaceFileContent(path, EncodeListFile(text, encoding)));
    }
    // Runs it to its end; a window of the program or a dialog on the way is a failure.
    DWORD RunToEnd(const std::wstring& arguments) {
        StartedProgram program(exe_, Arguments(arguments), programFolder_.path());
        EXPECT_TRUE(program);
        bool windowSeen = false;
        std::pair<DWORD, bool*> watched(program.id(), &windowSeen);
        PumpUntil(
            [&] {
                EnumWindows(
                    [](HWND window, LPARAM context) -> BOOL {
                        auto& [id, seen] = *reinterpret_cast<std::pair<DWORD, bool*>*>(context);
                        DWORD owner = 0;
                        GetWindowThreadProcessId(window, &owner);
                        if (owner == id && IsWindowVisible(window)) *seen = true;
                        return TRUE;
                    },
                    reinterpret_cast<LPARAM>(&watched));
                return program.EndsWithin(0);
            },
            kRunDeadlineMs);
        EXPECT_FALSE(windowSeen) << "an unattended run showed a window";
        EXPECT_TRUE(program.EndsWithin(0));
        return program.ExitCode();
    }

    TestEnvironment env_;
    TempFolder programFolder_;
    TempFolder downloads_;
    TestHttpServer server_;
    const std::wstring exe_ = programFolder_ / L"durnwick.exe";
};

TEST_F(RunOnceTest, OneFailingAddressExitsOneDownloadsTheRestAndLeavesTheListAlone) {
    server_.Serve("/a.txt", TestAnswer::Body("alpha"));
    server_.Serve("/gone.txt", TestAnswer::Status(404));
    server_.Serve("/b.txt", TestAnswer::Body("beta"));
    const std::wstring list = ListFilePath(programFolder_.path());
    WriteList(list, {server_.Url("/a.txt"), server_.Url("/gone.txt"), server_.Url("/b.txt")},
              ListFileEncoding::CodePage);
    const std::string listBefore = FileBytes(list) + "\r\n\r\n";  // a rewrite would drop these
    ASSERT_TRUE(ReplaceFileContent(list, listBefore));

    EXPECT_EQ(RunToEnd(kRunOnceSwitch), 1u);
    EXPECT_EQ(FileBytes(downloads_ / L"a.txt"), "alpha");
    EXPECT_EQ(FileBytes(downloads_ / L"b.txt"), "beta");
    EXPECT_EQ(FolderListing(downloads_.path()), "a.txt b.txt ");
    EXPECT_EQ(FileBytes(list), listBefore);
    const std::wstring log = ReadRunLog(RunLogPath(programFolder_.path()));
    EXPECT_NE(log.find(server_.Url("/gone.txt") + L"\t"), std::wstring::npos) << log;
    // The window's queue shows these results at its next start.
    const RememberedResults results =
        ParseStateFile(FileBytes(programFolder_ / kStateFileName)).value_or(StateFile{}).results;
    ASSERT_TRUE(results.contains(server_.Url("/gone.txt")));
    EXPECT_EQ(results.at(server_.Url("/gone.txt")).result, EntryResult::Failed);
    EXPECT_EQ(results.at(server_.Url("/a.txt")).result, EntryResult::Downloaded);

    server_.Serve("/gone.txt", TestAnswer::Body("back"));
    EXPECT_EQ(RunToEnd(kRunOnceSwitch), 0u) << ReadRunLog(RunLogPath(programFolder_.path()));
    EXPECT_EQ(FileBytes(downloads_ / L"gone.txt"), "back");
}

TEST_F(RunOnceTest, AnotherListInUtf16IsReadAndAMissingFolderOrListOrBadArgumentGiveTwo) {
    server_.Serve("/wide.txt", TestAnswer::Body("wide"));
    const std::wstring other = downloads_ / L"..\\" + L"other-list-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    const std::wstring list = programFolder_ / L"night.txt";
    const std::wstring wide = server_.Url("/wide.txt") + L"\r\n";
    ASSERT_TRUE(ReplaceFileContent(
        list, "\xFF\xFE" + std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t))));
    ASSERT_EQ(FileBytes(list).substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(RunToEnd(std::wstring(kRunOnceSwitch) + L" --list \"" + list + L"\""), 0u);
    EXPECT_EQ(FileBytes(downloads_ / L"wide.txt"), "wide");
    EXPECT_FALSE(PathExists(ListFilePath(programFolder_.path())));

    EXPECT_EQ(RunToEnd(std::wstring(kRunOnceSwitch) + L" --list \"" + other + L"\""), 2u) << "a list that is not there";
    EXPECT_EQ(RunToEnd(std::wstring(kRunOnceSwitch) + L" --lst x"), 2u);
    env_.StoreSetting(kPathsSection, L"SaveTo", downloads_ / L"missing");
    EXPECT_EQ(RunToEnd(std::wstring(kRunOnceSwitch) + L" --list \"" + list + L"\""), 2u);
    EXPECT_EQ(server_.Requests("/wide.txt"), 1);
}

// While one instance downloads the queue, another exits with 3 and fetches nothing.
TEST_F(RunOnceTest, ASecondInstanceWhileOneRunsExitsThreeAndNothingIsFetchedTwice) {
    server_.Serve("/slow.txt", TestAnswer::Held("slow", 1));
    WriteList(ListFilePath(programFolder_.path()), {server_.Url("/slow.txt")}, ListFileEncoding::CodePage);
    StartedProgram first(exe_, Arguments(kRunOnceSwitch), programFolder_.path());
    ASSERT_TRUE(PumpUntil([&] { return server_.Holding("/slow.txt"); }, kRunDeadlineMs));

    EXPECT_EQ(RunToEnd(kRunOnceSwitch), 3u);
    // An interactive start says so in a message box before it exits.
    {
        StartedProgram second(exe_, Arguments(L""), programFolder_.path());
        HWND box = second.WaitForWindow(L"#32770", kRunDeadlineMs);
        ASSERT_TRUE(box);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(second.EndsWithin(kRunDeadlineMs));
        EXPECT_EQ(second.ExitCode(), 3u);
    }
    server_.Release("/slow.txt");
    EXPECT_TRUE(first.EndsWithin(kRunDeadlineMs));
    EXPECT_EQ(first.ExitCode(), 0u);
    EXPECT_EQ(server_.Requests("/slow.txt"), 1);
    EXPECT_EQ(FileBytes(downloads_ / L"slow.txt"), "slow");
}

}  // namespace
