#include "gallery/event_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(EventText, NamesTheButtonTheEventAndItsArguments) {
    std::vector<std::wstring> lines;
    EventText text(L"Go", [&](const std::wstring& line) { lines.push_back(line); });
    std::int16_t button = 1, shift = 4, key = 32;
    float x = 12, y = 7.5f;
    bool on = true;
    text.MouseDown(button, shift, x, y);
    text.KeyUp(key, shift);
    text.MouseOnButton(on);
    text.Click();
    const std::vector<std::wstring> expected{L"Go: MouseDown(1, 4, 12, 7.5)", L"Go: KeyUp(32, 4)",
                                             L"Go: MouseOnButton(True)", L"Go: Click"};
    EXPECT_EQ(lines, expected);
}

}  // namespace
