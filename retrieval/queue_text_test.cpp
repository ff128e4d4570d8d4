#include "retrieval/queue_text.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::wstring>;

TEST(NonEmptyLines, SplitsOnlyAtCrLfAndSkipsEmptyPieces) {
    EXPECT_EQ(NonEmptyLines(L"a\r\n\r\nb\r\n"), (Lines{L"a", L"b"}));
    EXPECT_EQ(NonEmptyLines(L"a\nb\nc"), (Lines{L"a\nb\nc"}));
    EXPECT_EQ(NonEmptyLines(L"a\rb\r\n"), (Lines{L"a\rb"}));
    EXPECT_EQ(NonEmptyLines(L"  \r\nx"), (Lines{L"  ", L"x"}));
    EXPECT_EQ(NonEmptyLines(L"\r\n\r\n"), Lines{});
    EXPECT_EQ(NonEmptyLines(L""), Lines{});
    EXPECT_EQ(NonEmptyLines(L"\r\r\n\n"), (Lines{L"\r", L"\n"}));
}

TEST(ListFile, TextEndsEveryLineAndReloadsWithoutEmptyEntries) {
    const std::wstring text = ListFileText({L"a", L"b"});
    EXPECT_EQ(text, L"a\r\nb\r\n");
    // A file saved with trailing blank lines and padding reloads to the same queue.
    EXPECT_EQ(NonEmptyLines(TrimSpaces(L"  a\r\nb\r\n\r\n\r\n  ")), (Lines{L"a", L"b"}));
}

TEST(TrimSpaces, RemovesOnlyBlanks) {
    EXPECT_EQ(TrimSpaces(L"  a b  "), L"a b");
    EXPECT_EQ(TrimSpaces(L"\r\n a \r\n"), L"\r\n a \r\n");
    EXPECT_EQ(TrimSpaces(L"   "), L"");
}

TEST(StatusTexts, AreWrittenInPlainDecimal) {
    EXPECT_EQ(QueuedStatusText(3), L"3 file(s) queued for download");
    EXPECT_EQ(DownloadingFileText(1, 3), L"Downloading file 1 of 3");
    EXPECT_EQ(CountdownText(L"12"), L"Downloading in 12 min(s).");
}

}  // namespace
