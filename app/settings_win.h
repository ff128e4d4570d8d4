#pragma once
#include <string>

// The per-user settings store: HKEY_CURRENT_USER\<root>\<section>. Values are
// written as strings; numbers an administrator's script stored as REG_DWORD
// are read as their decimal text.
class SettingsStore {
public:
    // root: a key under HKEY_CURRENT_USER, kSettingsKey for the program.
    explicit SettingsStore(std::wstring root);

    std::wstring Get(const std::wstring& section, const std::wstring& key, const std::wstring& fallback) const;
    void Save(const std::wstring& section, const std::wstring& key, const std::wstring& value) const;

private:
    std::wstring SectionKey(const std::wstring& section) const;
    std::wstring root_;
};
