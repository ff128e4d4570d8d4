#pragma once
#include <string>
#include <vector>

inline constexpr wchar_t kSettingsKeySwitch[] = L"--settings-key";

// The settings key the program uses: the one given after "--settings-key"
// (tests start the program with a key of their own), else `standard`.
std::wstring SettingsKeyFromArguments(const std::vector<std::wstring>& arguments, const std::wstring& standard);
