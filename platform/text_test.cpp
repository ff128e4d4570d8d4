#include "platform/text.h"

#include <gtest/gtest.h>

namespace {

TEST(TrimBlanks, TakesOnlySpacesFromBothEnds) {
    EXPECT_EQ(TrimBlanks(L"  a b  "), L"a b");
    EXPECT_EQ(TrimBlanks(L"\ta\t"), L"\ta\t");
    EXPECT_EQ(TrimBlanks(L"    "), L"");
}

TEST(TrimWhiteSpace, TakesTabsAndLineEndsToo) { EXPECT_EQ(TrimWhiteSpace(L" \t key = value \r\n"), L"key = value"); }

TEST(NoCase, ComparesWholeTextsAndPrefixes) {
    EXPECT_TRUE(EqualNoCase(L"cBhover", L"CBHOVER"));
    EXPECT_FALSE(EqualNoCase(L"Font", L"Fonts"));
    EXPECT_TRUE(StartsWithNoCase(L"HTTP://host/", L"http://"));
    EXPECT_FALSE(StartsWithNoCase(L"http:/", L"http://"));
    EXPECT_TRUE(ContainsNoCase(L"gzip, Chunked", L"chunked"));
    EXPECT_FALSE(ContainsNoCase(L"keep-alive", L"close"));
    EXPECT_FALSE(ContainsNoCase(L"clos", L"close"));
}

}  // namespace

TEST(DialogAccessKey, SkipsDoubledAmpersandsAndTakesTheFirstMark) {
    EXPECT_EQ(DialogAccessKey(L"Use &original file name"), L'o');
    EXPECT_EQ(DialogAccessKey(L"Tom && &Jerry"), L'J');
    EXPECT_EQ(DialogAccessKey(L"&&&a"), L'a');
    EXPECT_EQ(DialogAccessKey(L"Save && close"), L'\0');
    EXPECT_EQ(DialogAccessKey(L"Ends with &"), L'\0');
}
