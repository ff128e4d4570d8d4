#include "retrieval/queue_text.h"

#include <gtest/gtest.h>

#include "platform/text.h"

namespace {

using Lines = std::vector<std::wstring>;

TEST(NonEmptyLines, SplitsOnlyAtCrLfAndSkipsEmptyPieces) {
    EXPECT_EQ(NonEmptyLines(L"a\r\n\r\nb\r\n"), (Lines{L"a", L"b"}));
    EXPECT_EQ(NonEmptyLines(L"a\nb\nc"), (Lines{L"a\nb\nc"}));
    EXPECT_EQ(NonEmptyLines(L"  \r\nx"), (Lines{L"  ", L"x"}));
    EXPECT_EQ(NonEmptyLines(L"\r\r\n\n"), (Lines{L"\r", L"\n"}));
}

TEST(AfterLines, CountsOnlyCrLfAndStopsAtTheEnd) {
    const std::wstring text = L"a\r\nb\nc\r\n\r\nd";
    EXPECT_EQ(AfterLines(text, 0, 2), 8u) << "a lone LF ends no line";
    EXPECT_EQ(AfterLines(text, 3, 2), 10u) << "an empty line is a line";
    EXPECT_EQ(AfterLines(text, 9, 5), text.size());
    EXPECT_EQ(AfterLines(text, 99, 1), text.size());
}

}  // namespace
