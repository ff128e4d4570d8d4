#include "retrieval/list_file_win.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "retrieval/queue_text.h"

namespace {

TEST(ListFileEncoding, PlainAddressesUseTheCodePageWithoutMark) {
    const std::string bytes = EncodeListFile(L"http://a/x.txt\r\n");
    EXPECT_EQ(bytes, "http://a/x.txt\r\n");
}

TEST(ListFileEncoding, UnicodeAddressRoundTripsThroughUtf8WithMark) {
    const std::wstring text = L"http://\u043F\u0440\u0438\u043C\u0435\u0440.example/\u6587\u4EF6.txt\r\nhttp://b/\r\n";
    const std::string bytes = EncodeListFile(text);
    ASSERT_GE(bytes.size(), 3u);
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(DecodeListFile(bytes), text);
}

TEST(ListFile, SurvivesARealWriteAndRead) {
    TempFolder folder;
    const std::wstring path = ListFilePath(folder.path());
    const std::wstring text = ListFileText({L"http://a/1", L"  ", L"http://\u00E9t\u00E9/\u2603"});
    ASSERT_TRUE(WriteListFile(path, text));
    std::wstring back;
    ASSERT_TRUE(ReadListFile(path, back));
    EXPECT_EQ(back, text);
    EXPECT_EQ(NonEmptyLines(std::wstring(TrimBlanks(back))).size(), 3u);
}

}  // namespace
