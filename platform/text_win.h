#pragma once
#include <optional>
#include <string>

// Conversions at the edges of the program: everything inside is UTF-16.
std::wstring WideFromCodePage(const std::string& bytes, unsigned codePage);

// Nothing when the bytes hold a sequence the code page does not define.
std::optional<std::wstring> StrictWideFromCodePage(const std::string& bytes, unsigned codePage);

// Converts to the code page; *lossless is false when some character had no
// exact counterpart in it.
std::string CodePageFromWide(const std::wstring& text, unsigned codePage, bool* lossless = nullptr);
