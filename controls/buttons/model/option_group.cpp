#include "controls/buttons/model/option_group.h"

#include <algorithm>

namespace {

// The count is kept as a 16-bit integer.
int MemberCount(const WindowProperties& properties, std::uintptr_t container) {
    return static_cast<std::int16_t>(properties.Get(container, kOptCountProperty));
}

}  // namespace

std::wstring OptionSlotName(int index) { return L"xo_Obj" + std::to_wstring(index); }

std::vector<std::uintptr_t> GroupMembers(const WindowProperties& properties, std::uintptr_t container) {
    std::vector<std::uintptr_t> members;
    const int count = MemberCount(properties, container);
    for (int i = 1; i <= count; ++i) members.push_back(properties.Get(container, OptionSlotName(i)));
    return members;
}

void JoinGroup(WindowProperties& properties, std::uintptr_t container, std::uintptr_t member) {
    const int count = std::max(MemberCount(properties, container), 0) + 1;
    properties.Set(container, kOptCountProperty, static_cast<std::uintptr_t>(count));
    properties.Set(container, OptionSlotName(count), member);
}

void LeaveGroup(WindowProperties& properties, std::uintptr_t container, std::uintptr_t member) {
    const std::vector<std::uintptr_t> members = GroupMembers(properties, container);
    const auto found = std::find(members.begin(), members.end(), member);
    if (found == members.end()) return;
    const int count = static_cast<int>(members.size());
    for (int i = static_cast<int>(found - members.begin()) + 1; i < count; ++i)
        properties.Set(container, OptionSlotName(i), members[i]);
    properties.Remove(container, OptionSlotName(count));
    if (count == 1)
        properties.Remove(container, kOptCountProperty);
    else
        properties.Set(container, kOptCountProperty, static_cast<std::uintptr_t>(count - 1));
}
