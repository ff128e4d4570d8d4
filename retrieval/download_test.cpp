#include "retrieval/download.h"

#include <gtest/gtest.h>

namespace {

TEST(SchemeOf, KnowsTheFourFetchableKindsInAnyCase) {
    struct Case {
        const wchar_t* address;
        AddressScheme expected;
    } cases[] = {
        {L"http://example.com/a.txt", AddressScheme::Http},
        {L"HTTP://EXAMPLE.COM/", AddressScheme::Http},
        {L"https://example.com", AddressScheme::Https},
        {L"Ftp://example.com/pub/x", AddressScheme::Ftp},
        {L"file:///C:/data/x.txt", AddressScheme::File},
        {L"FILE://server/share/x", AddressScheme::File},
        {L"example.com/a.txt", AddressScheme::Unsupported},
        {L"http:/example.com", AddressScheme::Unsupported},
        {L"httpx://example.com", AddressScheme::Unsupported},
        {L"mailto:someone@example.com", AddressScheme::Unsupported},
        {L" http://example.com", AddressScheme::Unsupported},
        {L"", AddressScheme::Unsupported},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SchemeOf(c.address), c.expected) << "address: '" << std::wstring(c.address).c_str() << "'";
}

TEST(TransferSucceeded, NeedsTheWholeBodyAndNoErrorStatus) {
    struct Case {
        const char* what;
        TransferReport report;
        bool expected;
    } cases[] = {
        {"complete with length", {200, 10, 10, true}, true},
        {"complete without length", {200, std::nullopt, 123, true}, true},
        {"empty body announced empty", {200, 0, 0, true}, true},
        {"redirect-range status", {304, std::nullopt, 0, true}, true},
        {"highest success-range status", {399, 5, 5, true}, true},
        {"not found", {404, 9, 9, true}, false},
        {"first error status", {400, 0, 0, true}, false},
        {"server error", {500, std::nullopt, 0, true}, false},
        {"body cut short", {200, 10, 9, true}, false},
        {"more than announced", {200, 10, 11, true}, false},
        {"read error midway", {200, 10, 4, false}, false},
        {"read error with no length", {200, std::nullopt, 4, false}, false},
        {"file copied", {std::nullopt, 7, 7, true}, true},
        {"file shrank while copied", {std::nullopt, 7, 6, true}, false},
        {"ftp complete", {std::nullopt, std::nullopt, 1 << 20, true}, true},
    };
    for (const Case& c : cases) EXPECT_EQ(TransferSucceeded(c.report), c.expected) << c.what;
}

TEST(ParseContentLength, AcceptsOnlyPlainDecimalNumbers) {
    struct Case {
        const wchar_t* value;
        std::optional<std::uint64_t> expected;
    } cases[] = {
        {L"0", 0},
        {L"209715200", 209715200},
        {L" 42 ", 42},
        {L"18446744073709551615", UINT64_MAX},
        {L"18446744073709551616", std::nullopt},
        {L"99999999999999999999", std::nullopt},
        {L"", std::nullopt},
        {L"  ", std::nullopt},
        {L"-1", std::nullopt},
        {L"+1", std::nullopt},
        {L"12a", std::nullopt},
        {L"1 2", std::nullopt},
        {L"0x10", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseContentLength(c.value), c.expected) << "value: '" << std::wstring(c.value).c_str() << "'";
}

TEST(TemporaryName, IsRecognisedAndNothingElseIs) {
    EXPECT_EQ(TemporaryName(4242, 7), L"~durnwick-4242-7.part");
    EXPECT_TRUE(IsTemporaryName(TemporaryName(0, 0)));
    EXPECT_TRUE(IsTemporaryName(TemporaryName(UINT32_MAX, UINT32_MAX)));
    EXPECT_TRUE(IsTemporaryName(L"~DURNWICK-12-3.PART"));
    for (const wchar_t* name : {L"~durnwick-12-3.part.txt", L"~durnwick-12.part", L"~durnwick--3.part",
                                L"~durnwick-12-.part", L"~durnwick-1a-3.part", L"~durnwick-1-2-3.part",
                                L"durnwick-12-3.part", L"~durnwick-notes.part", L"~durnwick-.part", L"report.pdf"})
        EXPECT_FALSE(IsTemporaryName(name)) << std::wstring(name).c_str();
}

TEST(SiblingPath, ReplacesTheLastComponent) {
    struct Case {
        const wchar_t* path;
        const wchar_t* expected;
    } cases[] = {
        {L"C:\\Downloads\\report.pdf", L"C:\\Downloads\\x"},
        {L"C:\\report.pdf", L"C:\\x"},
        {L"C:report.pdf", L"C:x"},
        {L"\\\\server\\share\\a.txt", L"\\\\server\\share\\x"},
        {L"C:/mixed\\dirs/a.txt", L"C:/mixed\\dirs/x"},
        {L"report.pdf", L"x"},
    };
    for (const Case& c : cases) EXPECT_EQ(SiblingPath(c.path, L"x"), c.expected);
}

}  // namespace
