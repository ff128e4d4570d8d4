#include "retrieval/list_file_win.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "retrieval/queue_text.h"

namespace {

const std::wstring kUnicodeText = L"http://\u043F\u0440\u0438\u043C\u0435\u0440.example/\u6587\u4EF6.txt\r\nhttp://b/\r\n";

std::string Utf16(const std::wstring& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (wchar_t c : text) {
        const char high = static_cast<char>(c >> 8);
        const char low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

TEST(ListFileEncoding, PlainAddressesUseTheCodePageWithoutMark) {
    for (ListFileEncoding fallback : {ListFileEncoding::CodePage, ListFileEncoding::Utf8, ListFileEncoding::Utf16Le})
        EXPECT_EQ(EncodeListFile(L"http://a/x.txt\r\n", fallback), "http://a/x.txt\r\n");
}

TEST(ListFileEncoding, WhatTheCodePageCannotCarryKeepsTheFilesOwnEncoding) {
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
        const std::string bytes = EncodeListFile(kUnicodeText, c.fallback);
        EXPECT_EQ(bytes.substr(0, c.mark.size()), c.mark);
        const ListFileContent back = DecodeListFile(bytes);
        EXPECT_EQ(back.encoding, c.fallback == ListFileEncoding::CodePage ? ListFileEncoding::Utf8 : c.fallback);
        EXPECT_TRUE(AllReadable(back));
        EXPECT_EQ(LoadedText(back), kUnicodeText);
    }
}

TEST(ListFileDecoding, ReadsByByteOrderMark) {
    const std::wstring text = L"  http://a/\u00E9t\u00E9.txt\r\n\r\nhttp://\u2603/b  ";
    const struct Case {
        const char* what;
        std::string bytes;
        ListFileEncoding encoding;
    } cases[] = {
        {"UTF-16 LE", Utf16(text, false), ListFileEncoding::Utf16Le},
        {"UTF-16 BE", Utf16(text, true), ListFileEncoding::Utf16Be},
        {"UTF-8", "\xEF\xBB\xBF  http://a/\xC3\xA9t\xC3\xA9.txt\r\n\r\nhttp://\xE2\x98\x83/b  ", ListFileEncoding::Utf8},
    };
    for (const Case& c : cases) {
        const ListFileContent content = DecodeListFile(c.bytes);
        EXPECT_EQ(content.encoding, c.encoding) << c.what;
        EXPECT_TRUE(AllReadable(content)) << c.what;
        EXPECT_EQ(LoadedText(content), L"http://a/\u00E9t\u00E9.txt\r\n\r\nhttp://\u2603/b") << c.what;
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
        {"NUL byte", std::string("http://a/1\r\nhttp://b\0/2\r\nhttp://c/3\r\n", 35)},
        {"bad UTF-8", "\xEF\xBB\xBFhttp://a/1\r\nhttp://b/\xC3\x28\r\nhttp://c/3\r\n"},
        {"NUL character in UTF-16", Utf16(std::wstring(L"http://a/1\r\nhttp://b\0/2\r\nhttp://c/3\r\n", 35), false)},
    };
    for (const Case& c : cases) {
        const ListFileContent content = DecodeListFile(c.bytes);
        EXPECT_FALSE(AllReadable(content)) << c.what;
        EXPECT_EQ(UnreadableLines(content), 1u) << c.what;
        EXPECT_EQ(NonEmptyLines(LoadedText(content)), (std::vector<std::wstring>{L"http://a/1", L"http://c/3"}))
            << c.what;
    }
    // A last odd byte of a UTF-16 file belongs to no character.
    const ListFileContent odd = DecodeListFile(Utf16(L"http://a/1\r\nhttp://b/2", false) + "x");
    EXPECT_EQ(UnreadableLines(odd), 1u);
    EXPECT_EQ(LoadedText(odd), L"http://a/1");
}

}  // namespace
