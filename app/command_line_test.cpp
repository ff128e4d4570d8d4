#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsKeyFromArguments, TakesTheKeyAfterTheSwitchAndOtherwiseTheStandardOne) {
    const std::wstring standard = L"Software\\Tolvane";
    struct Case {
        std::vector<std::wstring> arguments;
        std::wstring expected;
    } cases[] = {
        {{L"durnwick.exe"}, standard},
        {{L"durnwick.exe", L"--settings-key", L"Software\\Tolvane-test-12-1"}, L"Software\\Tolvane-test-12-1"},
        {{L"--settings-key"}, standard},
        {{L"durnwick.exe", L"--settings-key", L""}, standard},
    };
    for (const Case& c : cases) EXPECT_EQ(SettingsKeyFromArguments(c.arguments, standard), c.expected);
}

}  // namespace
