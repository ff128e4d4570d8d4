#include "retrieval/naming.h"

#include <gtest/gtest.h>

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
        {L"http://example.com/a//", L"C:\\Downloads\\.html"},
        {L"   http://example.com/x.txt   ", L"C:\\Downloads\\x.txt"},
        {L"http://h/a b%20c&d=e#f.txt", L"C:\\Downloads\\a b%20c&d=e#f.txt"},
        {L"http://h/w:e*i?r\"d<>|\u061F.txt", L"C:\\Downloads\\weird.txt"},
        {L"http://h/dir\\file.txt", L"C:\\Downloads\\dirfile.txt"},
    };
    for (const Case& c : cases) EXPECT_EQ(Path(Request(c.entry)), c.expected) << "entry: " << std::wstring(c.entry).c_str();
}

TEST(OriginalName, EntryWithoutAnyTextOrOnlyDotsHasNoName) {
    for (const wchar_t* entry : {L"", L"   ", L"/", L"  /  ", L"http://h/..", L"http://h/.", L"http://h/...", L".."})
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
    EXPECT_EQ(Path(Request(L"http://h/a.txt", NamingConvention::OriginalName, L"C:\\Downloads\\")),
              L"C:\\Downloads\\a.txt");
    EXPECT_EQ(JoinPath(L"C:\\x\\\\", L"a"), L"C:\\x\\\\a");
    EXPECT_EQ(JoinPath(L"\\\\server\\share", L"a"), L"\\server\\share\\a");
}

TEST(CustomName, TakesThePlainNameThenTheSmallestFreeSerial) {
    std::set<std::wstring> files;
    NamingRequest r = Request(L"anything", NamingConvention::Custom);
    r.exists = [&files](const std::wstring& p) { return files.count(p) > 0; };

    EXPECT_EQ(Path(r), L"C:\\Downloads\\data.csv");
    files = {L"C:\\Downloads\\data.csv", L"C:\\Downloads\\1_data.csv"};
    EXPECT_EQ(Path(r), L"C:\\Downloads\\2_data.csv");
    files = {L"C:\\Downloads\\data.csv", L"C:\\Downloads\\2_data.csv"};
    EXPECT_EQ(Path(r), L"C:\\Downloads\\1_data.csv");
}

TEST(CustomName, NumbersOnPastAThousandInsteadOfOverwriting) {
    NamingRequest r = Request(L"x", NamingConvention::Custom);
    r.exists = [](const std::wstring& p) {
        const size_t slash = p.rfind(L'\\');
        const std::wstring name = p.substr(slash + 1);
        if (name == L"data.csv") return true;
        return std::stoi(name) <= 1000;
    };
    EXPECT_EQ(Path(r), L"C:\\Downloads\\1001_data.csv");
}

TEST(CustomName, SerialCandidatesAreNotCollapsed) {
    NamingRequest r = Request(L"x", NamingConvention::Custom, L"C:\\");
    r.exists = [](const std::wstring& p) { return p == L"C:\\data.csv"; };
    EXPECT_EQ(Path(r), L"C:\\\\1_data.csv");
}

TEST(CustomName, EmptyOrPathLikeCustomNameHasNoName) {
    for (const wchar_t* name : {L"", L".", L"..", L"..\\escape.txt", L"x\\..\\..\\keep.txt", L"sub/a.txt",
                                L"C:a.txt", L"C:\\a.txt", L"\\\\server\\share\\a.txt", L"a:stream"}) {
        NamingRequest r = Request(L"http://h/a.txt", NamingConvention::Custom);
        r.customName = name;
        // Every candidate "exists", as all do when a path leads back to one existing file.
        r.exists = [](const std::wstring&) { return true; };
        EXPECT_FALSE(TargetPath(r).has_value()) << "custom name: '" << std::wstring(name).c_str() << "'";
        EXPECT_FALSE(IsPlainFileName(name)) << "custom name: '" << std::wstring(name).c_str() << "'";
    }
    for (const wchar_t* name : {L"data.csv", L"...x", L".hidden", L"a b.txt", L"x.", L"dat?.csv"})
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
