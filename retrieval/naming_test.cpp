#include "retrieval/naming.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

NamingRequest Request(const std::wstring& entry, NamingConvention convention = NamingConvention::OriginalName,
                      const std::wstring& folder = L"C:\\Downloads") {
    NamingRequest r;
    r.entry = entry;
    r.convention = convention;
    r.folder = folder;
    r.customName = L"data.csv";
    r.clock = [] { return LocalTime{2026, 12, 7, 1, 23, 45}; };
    r.exists = [](const std::wstring&) { return false; };
    return r;
}

std::wstring Path(const NamingRequest& r) { return TargetPath(r).value_or(L"<no name>"); }

TEST(OriginalName, FollowsTheExampleTable) {
    struct Case {
        const wchar_t* entry;
        const wchar_t* expected;
    } cases[] = {
        {L"http://example.com/files/report.pdf", L"C:\\Downloads\\report.pdf"},
        {L"http://example.com/news/", L"C:\\Downloads\\news.html"},
        {L"http://example.com/get.php?id=7", L"C:\\Downloads\\get.phpid=7"},
        {L"example.com", L"C:\\Downloads\\example.com"},
        {L"localhost", L"C:\\Downloads\\localhost.html"},
        {L"   http://example.com/x.txt   ", L"C:\\Downloads\\x.txt"},
        {L"http://h/w:e*i?r\"d<>|\u061F.txt", L"C:\\Downloads\\weird.txt"},
        {L"http://h/dir\\file.txt", L"C:\\Downloads\\dirfile.txt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Path(Request(c.entry)), c.expected) << "entry: " << std::wstring(c.entry).c_str();
}

TEST(OriginalName, EntryWithoutAnyTextOrOnlyDotsHasNoName) {
    for (const wchar_t* entry : {L"   ", L"  /  ", L"http://h/...", L".."})
        EXPECT_FALSE(TargetPath(Request(entry)).has_value()) << "entry: '" << entry << "'";
    EXPECT_FALSE(TargetPath(Request(L"/", NamingConvention::OriginalDateTime)).has_value());
}

TEST(OriginalName, DateTimeConventionPrefixesTheClockStamp) {
    EXPECT_EQ(Path(Request(L"http://example.com/report.pdf", NamingConvention::OriginalDateTime)),
              L"C:\\Downloads\\[07_12_26-01_23_45]report.pdf");
    EXPECT_EQ(DateTimeStamp({2000, 1, 2, 23, 4, 5}), L"02_01_00-23_04_05");
}

TEST(JoinPath, CollapsesDoubledBackslashesOncePerPair) {
    EXPECT_EQ(Path(Request(L"http://h/a.txt", NamingConvention::OriginalName, L"C:\\")), L"C:\\a.txt");
    EXPECT_EQ(JoinPath(L"C:\\x\\\\", L"a"), L"C:\\x\\\\a");
    EXPECT_EQ(JoinPath(L"\\\\server\\share", L"a"), L"\\server\\share\\a");
}

TEST(FileNameTooLong, CountsOnlyTheLastComponent) {
    const std::wstring longest(kMaxFileNameLength, L'a');
    EXPECT_FALSE(FileNameTooLong(L"C:\\" + std::wstring(300, L'd') + L"\\" + longest));
    EXPECT_TRUE(FileNameTooLong(L"C:\\Downloads\\" + longest + L"a"));
    EXPECT_TRUE(FileNameTooLong(longest + L"a"));
}

TEST(CustomName, TakesThePlainNameThenTheSmallestFreeSerial) {
    using Taken = std::function<bool(const std::wstring&)>;
    const auto files = [](std::set<std::wstring> names) {
        return [=](const std::wstring& p) { return names.count(p) > 0; };
    };
    struct Case {
        const wchar_t* folder;
        Taken exists;
        const wchar_t* expected;
    } cases[] = {
        {L"C:\\Downloads", files({}), L"C:\\Downloads\\data.csv"},
        {L"C:\\Downloads", files({L"C:\\Downloads\\data.csv", L"C:\\Downloads\\2_data.csv"}),
         L"C:\\Downloads\\1_data.csv"},
        // Numbers on past a thousand instead of overwriting.
        {L"C:\\Downloads",
         [](const std::wstring& p) {
             const std::wstring name = p.substr(p.rfind(L'\\') + 1);
             return name == L"data.csv" || std::stoi(name) <= 1000;
         },
         L"C:\\Downloads\\1001_data.csv"},
        // Serial candidates are not collapsed as the plain name is.
        {L"C:\\", files({L"C:\\data.csv"}), L"C:\\\\1_data.csv"},
    };
    for (const Case& c : cases) {
        NamingRequest r = Request(L"anything", NamingConvention::Custom, c.folder);
        r.exists = c.exists;
        EXPECT_EQ(Path(r), c.expected);
    }
}

TEST(CustomName, EmptyOrPathLikeCustomNameHasNoName) {
    for (const wchar_t* name : {L"", L"..", L"..\\escape.txt", L"sub/a.txt", L"C:a.txt"}) {
        NamingRequest r = Request(L"http://h/a.txt", NamingConvention::Custom);
        r.customName = name;
        // Every candidate "exists", as all do when a path leads back to one existing file.
        r.exists = [](const std::wstring&) { return true; };
        EXPECT_FALSE(TargetPath(r).has_value()) << "custom name: '" << std::wstring(name).c_str() << "'";
        EXPECT_FALSE(IsPlainFileName(name)) << "custom name: '" << std::wstring(name).c_str() << "'";
    }
    for (const wchar_t* name : {L"...x", L".hidden", L"x."})
        EXPECT_TRUE(IsPlainFileName(name)) << "custom name: '" << std::wstring(name).c_str() << "'";
}

TEST(CustomName, GivesUpRatherThanOverwriteWhenEverySerialIsTaken) {
    NamingRequest r = Request(L"x", NamingConvention::Custom);
    long long asked = 0;
    r.exists = [&asked](const std::wstring&) { return ++asked > 0; };
    EXPECT_FALSE(TargetPath(r).has_value());
    EXPECT_EQ(asked, kLastSerial + 1);
}

}  // namespace
