#include "retrieval/address.h"

#include <gtest/gtest.h>

namespace {

std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

TEST(PercentEncodeNonAscii, EncodesUtf8BytesAndLeavesAsciiAsItIs) {
    struct Case {
        const wchar_t* text;
        const wchar_t* expected;
    } cases[] = {
        {L"/f/\u65E5\u672C.txt?q=\u00E9", L"/f/%E6%97%A5%E6%9C%AC.txt?q=%C3%A9"},
        {L"/f/%E6%97%A5.txt?a=%zz&b=100%", L"/f/%E6%97%A5.txt?a=%zz&b=100%"},
        {L"/\U0001F600", L"/%F0%9F%98%80"},
        // A lone surrogate has no UTF-8 form: it becomes U+FFFD.
        {L"/\xD800x", L"/%EF%BF%BDx"},
    };
    for (const Case& c : cases) EXPECT_EQ(PercentEncodeNonAscii(c.text), c.expected) << Narrow(c.expected);
}

TEST(PercentDecode, TakesOnlyWholeEscapes) {
    EXPECT_EQ(PercentDecode(L"p%40ss%3a%C3%A9"), "p@ss:\xC3\xA9");
    EXPECT_EQ(PercentDecode(L"%zz%4%"), "%zz%4%");
}

TEST(SplitAddress, FindsUserHostPortAndTheRest) {
    const auto parts = SplitAddress(L"http://user:pa:ss@x@\u4F8B.jp:8080/a?b#c");
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->scheme, L"http://");
    EXPECT_EQ(parts->userInfo, L"user:pa:ss@x");
    EXPECT_EQ(parts->host, L"\u4F8B.jp");
    EXPECT_EQ(parts->port, L":8080");
    EXPECT_EQ(parts->rest, L"/a?b#c");
    const auto literal = SplitAddress(L"https://[::1]:443?x");
    ASSERT_TRUE(literal);
    EXPECT_EQ(literal->host, L"[::1]");
    EXPECT_EQ(literal->port, L":443");
    EXPECT_EQ(literal->rest, L"?x");
    const auto bare = SplitAddress(L"http://host");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->host, L"host");
    EXPECT_TRUE(bare->userInfo.empty() && bare->port.empty() && bare->rest.empty());
    // An "@" after the authority belongs to the path.
    EXPECT_TRUE(SplitAddress(L"http://h/a@b")->userInfo.empty());
    for (const wchar_t* address : {L"127.0.0.1/a", L"http:/x", L"://x", L"/a://b"})
        EXPECT_FALSE(SplitAddress(address)) << Narrow(address);
}

TEST(MaskedAddress, HidesOnlyThePassword) {
    EXPECT_EQ(MaskedAddress(L"http://user:secret@h:81/x?p=1"), L"http://user:***@h:81/x?p=1");
    EXPECT_EQ(MaskedAddress(L"ftp://user:@h/"), L"ftp://user:***@h/");
    for (const wchar_t* address : {L"http://user@h/", L"http://h/a:b@c", L"not an address"})
        EXPECT_EQ(MaskedAddress(address), address);
}

}  // namespace
