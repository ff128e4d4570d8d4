#include "app/settings_rules.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "platform/text.h"
#include "retrieval/schedule.h"

std::optional<double> ParseNumber(const std::wstring& text) {
    const std::wstring trimmed(TrimBlanks(text));
    if (trimmed.empty()) return std::nullopt;
    wchar_t* end = nullptr;
    const double value = std::wcstod(trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

int LoadedInterval(const std::wstring& stored) {
    const std::optional<double> value = ParseNumber(stored);
    if (!value) return kMinInterval;
    return static_cast<int>(std::clamp(std::nearbyint(*value), double{kMinInterval}, double{kMaxInterval}));
}

int LoadedCheckValue(const std::wstring& stored) {
    const std::optional<double> value = ParseNumber(stored);
    return value && *value == 0 ? 0 : 1;
}

std::optional<NamingConvention> LoadedNamingChoice(const std::wstring& stored) {
    const std::optional<double> value = ParseNumber(stored);
    if (value == 1.0) return NamingConvention::OriginalName;
    if (value == 2.0) return NamingConvention::OriginalDateTime;
    if (value == 3.0) return NamingConvention::Custom;
    return std::nullopt;
}
