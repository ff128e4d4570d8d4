#include "controls/buttons/option_group.h"

#include <gtest/gtest.h>

#include "controls/buttons/recording_button.h"

namespace {

constexpr std::uintptr_t kContainer = 0x4711;
using Members = std::vector<std::uintptr_t>;
using Values = std::map<std::wstring, std::uintptr_t>;

MemoryProperties GroupOf(const Members& members) {
    MemoryProperties properties;
    for (std::uintptr_t member : members) JoinGroup(properties, kContainer, member);
    return properties;
}

TEST(OptionGroupTest, SlotNumbersHaveNoLeadingZeros) {
    Members twelve;
    for (std::uintptr_t i = 1; i <= 12; ++i) twelve.push_back(0x100 + i);
    const MemoryProperties properties = GroupOf(twelve);
    EXPECT_EQ(properties.Get(kContainer, L"xo_Obj12"), 0x10Cu);
    EXPECT_EQ(GroupMembers(properties, kContainer), twelve);
}

TEST(OptionGroupTest, LaterMembersMoveDownWhenOneLeaves) {
    const struct {
        std::uintptr_t leaving;
        Values left;
    } cases[] = {
        {0xA, {{L"xo_OptCount", 2}, {L"xo_Obj1", 0xB}, {L"xo_Obj2", 0xC}}},
        {0xB, {{L"xo_OptCount", 2}, {L"xo_Obj1", 0xA}, {L"xo_Obj2", 0xC}}},
        {0xC, {{L"xo_OptCount", 2}, {L"xo_Obj1", 0xA}, {L"xo_Obj2", 0xB}}},
        {0xD, {{L"xo_OptCount", 3}, {L"xo_Obj1", 0xA}, {L"xo_Obj2", 0xB}, {L"xo_Obj3", 0xC}}},  // not a member
    };
    for (const auto& c : cases) {
        MemoryProperties properties = GroupOf({0xA, 0xB, 0xC});
        ASSERT_EQ(GroupMembers(properties, kContainer), (Members{0xA, 0xB, 0xC})) << "slots in the order of joining";
        LeaveGroup(properties, kContainer, c.leaving);
        EXPECT_EQ(properties.On(kContainer), c.left) << "leaving " << c.leaving;
    }
}

}  // namespace
