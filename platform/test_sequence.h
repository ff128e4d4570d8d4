#pragma once
// Test support: a sequence compared entry by entry, shown side by side.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <type_traits>
#include <vector>

// Compares a sequence of texts (a log, names in order) with the expected
// one; a mismatch shows both side by side with the differing rows marked.
// Wide characters outside ASCII show as '?'.
template <typename Text>
::testing::AssertionResult SameSequence(const std::vector<Text>& actual,
                                        const std::type_identity_t<std::vector<Text>>& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    const auto shown = [](const Text& text) {
        if constexpr (std::is_same_v<Text, std::string>) {
            return text;
        } else {
            std::string out;
            for (const auto c : text) out += c >= 0 && c < 128 ? static_cast<char>(c) : '?';
            return out;
        }
    };
    std::size_t width = 8;
    for (const Text& entry : expected) width = std::max(width, shown(entry).size());
    std::string table = "\n   " + std::string("expected").append(width - 8, ' ') + " | actual\n";
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const std::string left = i < expected.size() ? shown(expected[i]) : "";
        const std::string right = i < actual.size() ? shown(actual[i]) : "";
        const bool same = i < expected.size() && i < actual.size() && expected[i] == actual[i];
        table += (same ? "   " : " > ") + left + std::string(width - left.size(), ' ') + " | " + right + "\n";
    }
    return ::testing::AssertionFailure() << table;
}
