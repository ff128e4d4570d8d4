#include "retrieval/download.h"

#include <gtest/gtest.h>

namespace {

TEST(SchemeOf, KnowsTheFourFetchableKindsInAnyCase) {
    struct Case {
        const wchar_t* address;
        AddressScheme expected;
    } cases[] = {
        {L"HTTP://EXAMPLE.COM/", AddressScheme::Http},        {L"https://example.com", AddressScheme::Https},
        {L"Ftp://example.com/pub/x", AddressScheme::Ftp},     {L"FILE://server/share/x", AddressScheme::File},
        {L"http:/example.com", AddressScheme::Unsupported},   {L"httpx://example.com", AddressScheme::Unsupported},
        {L" http://example.com", AddressScheme::Unsupported},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SchemeOf(c.address), c.expected) << "address: '" << std::wstring(c.address).c_str() << "'";
}

TEST(TransferVerdict, OnlyAWholeTwoHundredAnswerSucceeds) {
    using F = DownloadFailure;
    const auto report = [](std::optional<unsigned> status, std::optional<std::wstring> length, std::uint64_t received,
                           bool reachedEnd) {
        TransferReport r;
        r.status = status;
        r.announcedLength = std::move(length);
        r.received = received;
        r.reachedEnd = reachedEnd;
        return r;
    };
    struct Case {
        const char* what;
        TransferReport report;
        F expected;
    } cases[] = {
        {"complete with length", report(200, L"10", 10, true), F::None},
        {"complete without length", report(200, std::nullopt, 123, true), F::None},
        {"other success status", report(206, L"5", 5, true), F::None},
        {"not modified", report(304, L"0", 0, true), F::HttpStatus},
        {"redirect that reached the end", report(302, L"18", 18, true), F::RedirectNotFollowed},
        {"multiple choices", report(300, std::nullopt, 0, true), F::HttpStatus},
        {"informational", report(199, std::nullopt, 0, true), F::HttpStatus},
        {"body cut short", report(200, L"10", 9, true), F::Incomplete},
        {"length that is no number", report(200, L"ten", 10, true), F::Incomplete},
        {"read error midway", report(200, L"10", 4, false), F::Incomplete},
        {"file shrank while copied", report(std::nullopt, L"7", 6, true), F::Incomplete},
    };
    for (const Case& c : cases) EXPECT_EQ(TransferVerdict(c.report), c.expected) << c.what;
}

TEST(TransferVerdict, ChunkedBodyIsWholeOnlyWhenTheRequestGaveItsConnectionUpWhileReading) {
    TransferReport r;
    r.status = 200;
    r.chunked = true;
    r.received = 500;
    r.reachedEnd = true;
    // A stray Content-Length does not count beside chunked framing.
    r.announcedLength = L"9999";
    for (const bool kept : {true, false}) {
        r.connectionToBeKept = kept;
        r.closedOnRelease = false;
        r.lastReadFull = true;
        EXPECT_EQ(TransferVerdict(r), DownloadFailure::None) << kept;
        r.closedOnRelease = true;
        r.lastReadFull = false;
        EXPECT_EQ(TransferVerdict(r), DownloadFailure::Incomplete) << kept;
        r.lastReadFull = true;
        EXPECT_EQ(TransferVerdict(r), kept ? DownloadFailure::Incomplete : DownloadFailure::EndUnknown) << kept;
    }
    r.closedOnRelease = false;
    r.reachedEnd = false;
    EXPECT_EQ(TransferVerdict(r), DownloadFailure::Incomplete);
}

TEST(TransferVerdict, AnHttpBodyWithoutALengthThatEndsAtOnceIsACutHead) {
    TransferReport r;
    r.status = 200;
    r.reachedEnd = true;
    EXPECT_EQ(TransferVerdict(r), DownloadFailure::HeaderCut);
    r.received = 1;
    EXPECT_EQ(TransferVerdict(r), DownloadFailure::None);
    r.received = 0;
    r.announcedLength = L"0";
    EXPECT_EQ(TransferVerdict(r), DownloadFailure::None) << "a whole empty body";
    r.announcedLength.reset();
    r.status = 204;
    EXPECT_EQ(TransferVerdict(r), DownloadFailure::None) << "no content by definition";
    r.status.reset();
    EXPECT_EQ(TransferVerdict(r), DownloadFailure::None) << "an empty ftp file";
}

TEST(HeadVerdict, ASuccessNeedsAStatusLineAndAHeaderBlock) {
    struct Case {
        AnswerHead head;
        DownloadFailure expected;
    } cases[] = {
        {{200, L"HTTP/1.1", L"OK", L"HTTP/1.1 200 OK\r\nServer: x\r\n\r\n"}, DownloadFailure::None},
        {{200, L"HTTP/1.1", L"OK", L"HTTP/1.1 200 OK\r\n\r\n"}, DownloadFailure::HeaderCut},
        {{200, L"HTTP/1.0", L"OK", L"HTTP/1.0 200 OK\r\n\r\n"}, DownloadFailure::NotHttp},
        // Failures say so by their status.
        {{404, L"HTTP/1.1", L"Not Found", L"HTTP/1.1 404 Not Found\r\n\r\n"}, DownloadFailure::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HeadVerdict(c.head), c.expected) << std::string(c.head.rawHeaders.begin(), c.head.rawHeaders.end());
}

TEST(CertificateProblem, NamesEachFailedCheckInWords) {
    EXPECT_EQ(CertificateProblem(kErrorInvalidCertificateAuthority, 0), L"the server's certificate is not trusted");
    EXPECT_EQ(CertificateProblem(kErrorCertificateNameInvalid, 0), L"the certificate is for another name");
    EXPECT_EQ(CertificateProblem(kErrorCertificateErrors,
                                 kCertificateAuthorityInvalidFlag | kCertificateDateInvalidFlag | 0x100),
              L"the server's certificate is not trusted; the certificate has expired or is not yet valid");
    EXPECT_EQ(CertificateProblem(kErrorCertificateErrors, 0), L"the server's certificate is not valid");
    EXPECT_EQ(CertificateProblem(12029, kCertificateNameInvalidFlag), std::nullopt) << "cannot connect";
}

TEST(ParseContentLength, ReadsAnyPlainDecimalThatFitsSixtyFourBits) {
    struct Case {
        std::wstring value;
        std::optional<std::uint64_t> expected;
    } cases[] = {
        {L" 42 ", 42},
        {std::wstring(200, L'0') + L"42", 42},
        {L"4294967296", 4294967296ull},
        {L"18446744073709551615", UINT64_MAX},
        {L"18446744073709551616", std::nullopt},
        {L"", std::nullopt},
        {L"+1", std::nullopt},
        {L"12a", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseContentLength(c.value), c.expected)
            << "value: '" << std::string(c.value.begin(), c.value.end()) << "'";
    }
}

TEST(FollowsRedirect, OnlyRedirectStatusesToWebAddresses) {
    struct Case {
        unsigned status;
        const wchar_t* location;
        bool expected;
    } cases[] = {
        {302, L"https://h/new", true},    {303, L"http://h/see-other", true}, {307, L"HTTP://H/temp", true},
        {308, L"http://h/perm", true},    {302, L"ftp://h/pub/file", false},  {304, L"http://h/same", false},
        {300, L"http://h/choice", false}, {200, L"http://h/ok", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FollowsRedirect(c.status, c.location), c.expected)
            << c.status << " to '" << std::wstring(c.location).c_str() << "'";
    }
}

TEST(TrickleWatch, FailsAPeriodWithTooFewBytesAndForgivesEarlierOnes) {
    TrickleWatch watch(1000, 100, 5000);
    EXPECT_TRUE(watch.Arrived(1, 5100));
    EXPECT_TRUE(watch.Arrived(50, 5900));  // the period is not over yet
    EXPECT_TRUE(watch.Arrived(60, 6000));  // 111 bytes in the first period
    EXPECT_TRUE(watch.Arrived(10, 6500));
    EXPECT_FALSE(watch.Arrived(10, 7000));  // 20 bytes in the second
    TrickleWatch fast(1000, 100, 0);
    for (std::uint64_t now = 0; now < 10'000; now += 10) ASSERT_TRUE(fast.Arrived(65536, now)) << now;
}

TEST(ReadSizer, GrowsWhileReadsComeBackQuicklyAndStartsOverAfterASlowOne) {
    ReadSizer sizer(256 * 1024, 20);
    EXPECT_EQ(sizer.Next(), 1u) << "the first read waits for one byte";
    sizer.Took(1, 0);
    EXPECT_EQ(sizer.Next(), 2u);
    for (int i = 0; i < 20; ++i) sizer.Took(sizer.Next(), 1);
    EXPECT_EQ(sizer.Next(), 256u * 1024) << "never past the largest read";
    sizer.Took(256 * 1024, 20);
    EXPECT_EQ(sizer.Next(), 256u * 1024) << "exactly quickMs is still quick";
    sizer.Took(256 * 1024, 21);
    EXPECT_EQ(sizer.Next(), 1u) << "a slow read starts over";
    // A trickle that answers each wait quickly only ever doubles what it gave.
    sizer.Took(3, 5);
    EXPECT_EQ(sizer.Next(), 6u);
    sizer.Took(0, 0);
    EXPECT_EQ(sizer.Next(), 1u) << "an empty read says the body has ended";
}

TEST(TemporaryName, IsRecognisedAndNothingElseIs) {
    EXPECT_TRUE(IsTemporaryName(TemporaryName(0, 0)));
    EXPECT_TRUE(IsTemporaryName(TemporaryName(UINT32_MAX, UINT32_MAX)));
    EXPECT_TRUE(IsTemporaryName(L"~DURNWICK-12-3.PART"));
    for (const wchar_t* name : {L"~durnwick-12-3.part.txt", L"~durnwick-12.part", L"~durnwick--3.part",
                                L"~durnwick-1a-3.part", L"~durnwick-1-2-3.part", L"durnwick-12-3.part"})
        EXPECT_FALSE(IsTemporaryName(name)) << std::wstring(name).c_str();
}

TEST(SiblingPath, ReplacesTheLastComponent) {
    struct Case {
        const wchar_t* path;
        const wchar_t* expected;
    } cases[] = {
        {L"C:\\Downloads\\report.pdf", L"C:\\Downloads\\x"},
        {L"C:report.pdf", L"C:x"},
        {L"C:/mixed\\dirs/a.txt", L"C:/mixed\\dirs/x"},
        {L"report.pdf", L"x"},
    };
    for (const Case& c : cases) EXPECT_EQ(SiblingPath(c.path, L"x"), c.expected);
}

}  // namespace
