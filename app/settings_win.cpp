#include "app/settings_win.h"

#include <windows.h>

SettingsStore::SettingsStore(std::wstring root) : root_(std::move(root)) {}

std::wstring SettingsStore::SectionKey(const std::wstring& section) const { return root_ + L"\\" + section; }

std::wstring SettingsStore::Get(const std::wstring& section, const std::wstring& key,
                                const std::wstring& fallback) const {
    const std::wstring subKey = SectionKey(section);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, subKey.c_str(), key.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type, nullptr,
                     &bytes) != ERROR_SUCCESS)
        return fallback;
    if (type == REG_DWORD) {
        DWORD number = 0;
        bytes = sizeof number;
        if (RegGetValueW(HKEY_CURRENT_USER, subKey.c_str(), key.c_str(), RRF_RT_REG_DWORD, nullptr, &number, &bytes) !=
            ERROR_SUCCESS)
            return fallback;
        return std::to_wstring(number);
    }
    std::wstring value(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, subKey.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, value.data(), &bytes) !=
        ERROR_SUCCESS)
        return fallback;
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

void SettingsStore::Save(const std::wstring& section, const std::wstring& key, const std::wstring& value) const {
    RegSetKeyValueW(HKEY_CURRENT_USER, SectionKey(section).c_str(), key.c_str(), REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}
