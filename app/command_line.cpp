#include "app/command_line.h"

std::wstring SettingsKeyFromArguments(const std::vector<std::wstring>& arguments, const std::wstring& standard) {
    for (size_t i = 0; i + 1 < arguments.size(); ++i)
        if (arguments[i] == kSettingsKeySwitch && !arguments[i + 1].empty()) return arguments[i + 1];
    return standard;
}
