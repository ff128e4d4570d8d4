#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "controls/buttons/model/button_platform.h"

// What OptionToggle is asked to do with the button's option group.
enum class GroupAction : std::int16_t { Leave = -1, UncheckOthers = 0, Join = 1, AnyChecked = 2 };

// An option group lives on its container window: "xo_OptCount" holds the
// number of members and "xo_Obj1" ... "xo_ObjN" their identities, in the
// order they joined. Both are removed when the last member leaves.
inline constexpr wchar_t kOptCountProperty[] = L"xo_OptCount";

// "xo_Obj" followed by index in decimal.
std::wstring OptionSlotName(int index);

// The identities in slots 1 to n.
std::vector<std::uintptr_t> GroupMembers(const WindowProperties& properties, std::uintptr_t container);

// Appends member to the group.
void JoinGroup(WindowProperties& properties, std::uintptr_t container, std::uintptr_t member);

// Takes member out and moves the later members one slot down. A member not
// in the group changes nothing.
void LeaveGroup(WindowProperties& properties, std::uintptr_t container, std::uintptr_t member);
