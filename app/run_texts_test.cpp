#include "app/run_texts.h"

#include <gtest/gtest.h>

namespace {

TEST(TrayTipText, CountsTheFailingEntriesWithinTheShellsLimit) {
    EXPECT_EQ(TrayTipText(L"Downloading in 5 min(s).", 2), L"Durnwick - Downloading in 5 min(s). (2 failing)");
    EXPECT_EQ(TrayTipText(L"idle", 0), L"Durnwick - idle");

    // A schedule text too long for the tip is cut; the count stays whole.
    const std::wstring tip = TrayTipText(std::wstring(200, L'm'), 32767);
    EXPECT_EQ(tip.size(), kTrayTipLimit);
    EXPECT_EQ(tip.substr(tip.size() - 17), L"m (32767 failing)");
    // Never half of a surrogate pair.
    std::wstring pairs = L"a";
    for (int i = 0; i < 100; ++i) pairs += {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
    const std::wstring cut = TrayTipText(pairs, 1);
    EXPECT_LE(cut.size(), kTrayTipLimit);
    const size_t beforeSuffix = cut.size() - std::wstring(L" (1 failing)").size() - 1;
    EXPECT_TRUE(cut[beforeSuffix] >= 0xDC00 && cut[beforeSuffix] <= 0xDFFF) << "ends in a whole pair";
}

}  // namespace
