#include "controls/buttons/model/option_group.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "controls/buttons/testing/recording_button.h"

namespace {

constexpr std::uintptr_t kContainer = 0x10A2C, kA = 0xA0, kB = 0xB0, kC = 0xC0, kStranger = 0xF0;

TEST(OptionSlotName, IsTheIndexInDecimalAfterXoObj) {
    EXPECT_EQ(OptionSlotName(1), L"xo_Obj1");
    EXPECT_EQ(OptionSlotName(12), L"xo_Obj12");
}

// The same on a real container window, with the buttons' own modes:
// OptionGroupsTest.LeavingMovesTheLaterSlotsDownAndTheLastLeaverTakesThePropertiesAway.
TEST(OptionGroup, MembersJoinAtTheEndAndLeaveWithoutAGap) {
    using Properties = std::map<std::wstring, std::uintptr_t>;
    const struct {
        const char* name;
        std::vector<std::uintptr_t> joined;
        std::uintptr_t leaver;  // 0: none leaves
        Properties expected;
    } cases[] = {
        {"joining appends", {kA, kB}, 0, {{L"xo_OptCount", 2}, {L"xo_Obj1", kA}, {L"xo_Obj2", kB}}},
        {"the first of three leaves", {kA, kB, kC}, kA, {{L"xo_OptCount", 2}, {L"xo_Obj1", kB}, {L"xo_Obj2", kC}}},
        {"the middle one leaves", {kA, kB, kC}, kB, {{L"xo_OptCount", 2}, {L"xo_Obj1", kA}, {L"xo_Obj2", kC}}},
        {"the last one leaves", {kA, kB, kC}, kC, {{L"xo_OptCount", 2}, {L"xo_Obj1", kA}, {L"xo_Obj2", kB}}},
        {"the only member leaves: nothing stays", {kA}, kA, {}},
        {"a button not in the group changes nothing", {kA}, kStranger, {{L"xo_OptCount", 1}, {L"xo_Obj1", kA}}},
    };
    for (const auto& c : cases) {
        MemoryProperties properties;
        for (std::uintptr_t member : c.joined) JoinGroup(properties, kContainer, member);
        if (c.leaver) LeaveGroup(properties, kContainer, c.leaver);
        EXPECT_EQ(properties.On(kContainer), c.expected) << c.name;
    }
}

}  // namespace
