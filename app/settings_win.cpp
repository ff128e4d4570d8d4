#include "app/settings_win.h"

#include <windows.h>

SettingsStore::SettingsStore(std::wstring application) : application_(std::move(application)) {}

std::wstring SettingsStore::SectionKey(const std::wstring& section) const {
    return L"Software\\" + application_ + L"\\" + section;
}

std::wstring SettingsStore::Get(const std::wstring& section, const std::wstring& key,
                                const std::wstring& fallback) const {
    const std::wstring subKey = SectionKey(section);
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, subKey.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS)
        return fallback;
    std::wstring value(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, subKey.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, value.data(),
                     &bytes) != ERROR_SUCCESS)
        return fallback;
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

void SettingsStore::Save(const std::wstring& section, const std::wstring& key, const std::wstring& value) const {
    RegSetKeyValueW(HKEY_CURRENT_USER, SectionKey(section).c_str(), key.c_str(), REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}
