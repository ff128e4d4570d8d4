#include "app/settings_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(LoadedInterval, RoundsAndClampsAndDefaultsTextToOne) {
    struct Case {
        const wchar_t* stored;
        int interval;
    } cases[] = {{L"61", 60}, {L"0", 1}, {L"2.5", 2}, {L"3.5", 4}, {L" 12 ", 12}, {L"", 1}, {L"5x", 1}, {L"nan", 1}};
    for (const Case& c : cases) EXPECT_EQ(LoadedInterval(c.stored), c.interval) << "stored: '" << c.stored << "'";
}

TEST(LoadedCheckValue, OnlyZeroClearsTheBox) {
    EXPECT_EQ(LoadedCheckValue(L" 0 "), 0);
    for (const wchar_t* ticked : {L"2", L"yes", L""}) EXPECT_EQ(LoadedCheckValue(ticked), 1) << ticked;
}

TEST(LoadedNamingChoice, ComparesAsANumber) {
    EXPECT_EQ(LoadedNamingChoice(L"1"), NamingConvention::OriginalName);
    EXPECT_EQ(LoadedNamingChoice(L"2.0"), NamingConvention::OriginalDateTime);
    EXPECT_EQ(LoadedNamingChoice(L" 3"), NamingConvention::Custom);
    for (const wchar_t* other : {L"4", L"2.5", L"custom"}) EXPECT_FALSE(LoadedNamingChoice(other).has_value()) << other;
}

}  // namespace
