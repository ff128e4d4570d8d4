#pragma once
#include <optional>
#include <string>

#include "retrieval/naming.h"

// How stored setting texts become control values. The program only ever
// writes valid values; these rules decide what a hand-edited store loads as.

// The program's settings key under HKEY_CURRENT_USER.
inline constexpr wchar_t kSettingsKey[] = L"Software\\Tolvane";
inline constexpr wchar_t kPathsSection[] = L"Paths";
inline constexpr wchar_t kOptionsSection[] = L"Options";

// The keys the window and the unattended run both read.
inline constexpr wchar_t kSaveToKey[] = L"SaveTo";
inline constexpr wchar_t kSaveNameKey[] = L"SaveName";
inline constexpr wchar_t kCustomNameKey[] = L"CustomName";
inline constexpr wchar_t kSkipUnchangedKey[] = L"SkipUnchanged";

inline constexpr wchar_t kDefaultSaveTo[] = L"C:\\";
inline constexpr wchar_t kDefaultSaveName[] = L"1";
inline constexpr wchar_t kDefaultCustomName[] = L"Downloaded file.txt";
inline constexpr wchar_t kDefaultInterval[] = L"1";
inline constexpr wchar_t kDefaultTicked[] = L"1";
inline constexpr wchar_t kDefaultSkipUnchanged[] = L"0";

// The text as a number, blanks around it allowed; nothing when it is no number.
std::optional<double> ParseNumber(const std::wstring& text);

// Rounded and brought into 1 to 60; a text that is no number loads as 1.
int LoadedInterval(const std::wstring& stored);

// "0" clears the box; every other value loads as ticked, the default.
int LoadedCheckValue(const std::wstring& stored);

// 1, 2 or 3 select a convention; anything else keeps the design-time choice.
std::optional<NamingConvention> LoadedNamingChoice(const std::wstring& stored);
