#include "platform/test_program_win.h"

#include <gtest/gtest.h>

namespace {

TEST(BuiltFilePath, PutsTheLinuxPathOnDriveZWithBackslashes) {
    EXPECT_EQ(BuiltFilePath(L"/work/build/app/durnwick.exe"), L"Z:\\work\\build\\app\\durnwick.exe");
}

TEST(StartedProgram, RunsWithItsArgumentsAndReportsHowItEnded) {
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const StartedProgram program(std::wstring(system) + L"\\cmd.exe", L"/c exit 7");
    ASSERT_TRUE(program);
    ASSERT_TRUE(program.EndsWithin(10000));
    EXPECT_EQ(program.ExitCode(), 7u);
    EXPECT_FALSE(StartedProgram(L"Z:\\no\\such\\program.exe", L""));
}

}  // namespace
