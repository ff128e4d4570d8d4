#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

const std::wstring kStandard = L"Software\\Tolvane";

TEST(ParseCommandLine, TakesTheKeyAfterTheSwitchAndOtherwiseTheStandardOne) {
    struct Case {
        std::vector<std::wstring> arguments;
        std::wstring expected;
    } cases[] = {
        {{L"durnwick.exe"}, kStandard},
        {{L"durnwick.exe", L"--settings-key", L"Software\\Tolvane-test-12-1"}, L"Software\\Tolvane-test-12-1"},
        {{L"--settings-key"}, kStandard},
        {{L"durnwick.exe", L"--settings-key", L""}, kStandard},
        {{}, kStandard},
    };
    for (const Case& c : cases) {
        const ParsedCommandLine parsed = ParseCommandLine(c.arguments, kStandard);
        ASSERT_TRUE(parsed.request) << parsed.usageError;
        EXPECT_EQ(parsed.request->settingsKey, c.expected);
        EXPECT_FALSE(parsed.request->runOnce);
        EXPECT_FALSE(parsed.request->help);
    }
}

TEST(ParseCommandLine, ReadsTheUnattendedRunWithItsListInAnyOrder) {
    const ParsedCommandLine parsed = ParseCommandLine(
        {L"durnwick.exe", L"--list", L"C:\\lists\\night.txt", L"--settings-key", L"Software\\X", L"--run-once"},
        kStandard);
    ASSERT_TRUE(parsed.request) << parsed.usageError;
    EXPECT_TRUE(parsed.request->runOnce);
    EXPECT_TRUE(parsed.unattended);
    EXPECT_EQ(parsed.request->listFile, L"C:\\lists\\night.txt");
    EXPECT_EQ(parsed.request->settingsKey, L"Software\\X");

    for (const wchar_t* help : {L"--help", L"/?"}) {
        const ParsedCommandLine asked = ParseCommandLine({L"durnwick.exe", help}, kStandard);
        ASSERT_TRUE(asked.request);
        EXPECT_TRUE(asked.request->help);
        EXPECT_FALSE(asked.unattended);
    }
}

// A usage error under --run-once is reported as unattended, so that no
// message box waits for a user who is not there.
TEST(ParseCommandLine, RefusesWhatItCannotDoAndSaysWhetherAUserIsThere) {
    struct Case {
        std::vector<std::wstring> arguments;
        bool unattended;
    } cases[] = {
        {{L"durnwick.exe", L"--run-once", L"--lst", L"a.txt"}, true},
        {{L"durnwick.exe", L"--run-once", L"--list"}, true},
        {{L"durnwick.exe", L"--run-once", L"--list", L""}, true},
        {{L"durnwick.exe", L"--list", L"a.txt", L"--list", L"b.txt", L"--run-once"}, true},
        {{L"durnwick.exe", L"--list", L"a.txt"}, false},
        {{L"durnwick.exe", L"--settings-key"}, false},
        {{L"durnwick.exe", L"run-once"}, false},
    };
    for (const Case& c : cases) {
        const ParsedCommandLine parsed = ParseCommandLine(c.arguments, kStandard);
        EXPECT_FALSE(parsed.request) << c.arguments.size();
        EXPECT_FALSE(parsed.usageError.empty());
        EXPECT_EQ(parsed.unattended, c.unattended) << parsed.usageError;
    }
}

TEST(RunOnceExitCode, IsZeroOnlyWhenNothingFailed) {
    EXPECT_EQ(RunOnceExitCode(0), 0);
    EXPECT_EQ(RunOnceExitCode(1), 1);
    EXPECT_EQ(RunOnceExitCode(40), 1);
}

}  // namespace
