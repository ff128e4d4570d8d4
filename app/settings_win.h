#pragma once
#include <string>

// The per-user settings store: HKEY_CURRENT_USER\Software\<application>\<section>,
// every value a string.
class SettingsStore {
public:
    explicit SettingsStore(std::wstring application);

    std::wstring Get(const std::wstring& section, const std::wstring& key, const std::wstring& fallback) const;
    void Save(const std::wstring& section, const std::wstring& key, const std::wstring& value) const;

private:
    std::wstring SectionKey(const std::wstring& section) const;
    std::wstring application_;
};
