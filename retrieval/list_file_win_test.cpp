#include "retrieval/list_file_win.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "retrieval/queue_text.h"

namespace {

// Bytes written out by hand, NULs included, so that no reader or writer of
// the program decides what the file holds.
template <size_t N>
std::string Raw(const char (&bytes)[N]) {
    return std::string(bytes, N - 1);
}

TEST(ListFileEncoding, PlainTextTakesTheCodePageAndOtherTextKeepsTheFilesOwnEncoding) {
    const std::wstring unicode = L"http://\u043F\u0440.example/\u6587.txt\r\nhttp://b/\r\n";
    const struct Case {
        ListFileEncoding fallback;
        std::string mark;
    } cases[] = {
        {ListFileEncoding::CodePage, "\xEF\xBB\xBF"},
        {ListFileEncoding::Utf8, "\xEF\xBB\xBF"},
        {ListFileEncoding::Utf16Le, "\xFF\xFE"},
        {ListFileEncoding::Utf16Be, "\xFE\xFF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeListFile(L"http://a/x.txt\r\n", c.fallback), "http://a/x.txt\r\n");
        const std::string bytes = EncodeListFile(unicode, c.fallback);
        EXPECT_EQ(bytes.substr(0, c.mark.size()), c.mark);
        const ListFileContent back = DecodeListFile(bytes);
        EXPECT_EQ(back.encoding, c.fallback == ListFileEncoding::CodePage ? ListFileEncoding::Utf8 : c.fallback);
        EXPECT_TRUE(AllReadable(back));
        EXPECT_EQ(LoadedText(back), unicode);
    }
}

// " é", an empty line and "☃ ": blanks around the text go, the lines stay.
TEST(ListFileDecoding, ReadsByByteOrderMark) {
    const struct Case {
        const char* what;
        std::string bytes;
        ListFileEncoding encoding;
    } cases[] = {
        {"UTF-16 LE", Raw("\xFF\xFE \0\xE9\0\r\0\n\0\r\0\n\0\x03\x26 \0"), ListFileEncoding::Utf16Le},
        {"UTF-16 BE", Raw("\xFE\xFF\0 \0\xE9\0\r\0\n\0\r\0\n\x26\x03\0 "), ListFileEncoding::Utf16Be},
        {"UTF-8", "\xEF\xBB\xBF \xC3\xA9\r\n\r\n\xE2\x98\x83 ", ListFileEncoding::Utf8},
    };
    for (const Case& c : cases) {
        const ListFileContent content = DecodeListFile(c.bytes);
        EXPECT_EQ(content.encoding, c.encoding) << c.what;
        EXPECT_TRUE(AllReadable(content)) << c.what;
        EXPECT_EQ(LoadedText(content), L"\u00E9\r\n\r\n\u2603") << c.what;
    }
    const ListFileContent plain = DecodeListFile("http://a/1\r\nhttp://b/2\r\n");
    EXPECT_EQ(plain.encoding, ListFileEncoding::CodePage);
    EXPECT_EQ(LoadedText(plain), L"http://a/1\r\nhttp://b/2\r\n");
}

TEST(ListFileDecoding, OnlyTheLinesThatCannotBeReadAreLeftOut) {
    const struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"NUL byte", Raw("a\r\nb\0\r\nc")},
        {"bad UTF-8",
         "\xEF\xBB\xBF"
         "a\r\nb\xC3\x28\r\nc"},
        {"NUL character in UTF-16", Raw("\xFF\xFE"
                                        "a\0\r\0\n\0\0\0\r\0\n\0c\0")},
    };
    for (const Case& c : cases) {
        const ListFileContent content = DecodeListFile(c.bytes);
        EXPECT_EQ(UnreadableLines(content), 1u) << c.what;
        EXPECT_EQ(NonEmptyLines(LoadedText(content)), (std::vector<std::wstring>{L"a", L"c"})) << c.what;
    }
    // A last odd byte of a UTF-16 file belongs to no character.
    const ListFileContent odd =
        DecodeListFile(Raw("\xFF\xFE"
                           "a\0\r\0\n\0b\0x"));
    EXPECT_EQ(UnreadableLines(odd), 1u);
    EXPECT_EQ(LoadedText(odd), L"a");
}

}  // namespace
