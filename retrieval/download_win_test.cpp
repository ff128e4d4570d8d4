#include "retrieval/download_win.h"

#include <gtest/gtest.h>
#include <shlwapi.h>
#include <wininet.h>

#include <algorithm>
#include <optional>

#include "platform/files_win.h"
#include "platform/handles_win.h"
#include "platform/test_files_win.h"
#include "platform/window_win.h"
#include "retrieval/download.h"
#include "retrieval/naming_win.h"
#include "retrieval/test_http_server_win.h"

namespace {

// Every byte value, in an order that shows misplaced chunks.
std::string Bytes(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
    return bytes;
}

std::string Content(const std::wstring& path) {
    std::string bytes;
    return ReadWholeFile(path, bytes) ? bytes : "<no file>";
}

testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
    if (actual == expected) return testing::AssertionSuccess();
    const auto diverge = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    return testing::AssertionFailure() << actual.size() << " bytes instead of " << expected.size()
                                       << ", first difference at " << (diverge.first - actual.begin());
}

std::wstring FileUrl(const std::wstring& path) {
    wchar_t url[INTERNET_MAX_URL_LENGTH];
    DWORD length = INTERNET_MAX_URL_LENGTH;
    return SUCCEEDED(UrlCreateFromPathW(path.c_str(), url, &length, 0)) ? url : L"<no url>";
}

// A message-only window whose 10 ms timer calls `tick` until it returns false.
class Ticker : public Window {
public:
    explicit Ticker(std::function<bool()> tick) : tick_(std::move(tick)) {
        WindowDescriptor descriptor;
        descriptor.className = L"DurnwickDownloadTestTicker";
        descriptor.parent = HWND_MESSAGE;
        EXPECT_TRUE(CreateOwnWindow(descriptor));
        SetTimer(hwnd(), 1, 10, nullptr);
    }
    ~Ticker() override { DestroyOwnWindow(); }

protected:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg != WM_TIMER) return DefaultProc(msg, wp, lp);
        if (!tick_()) KillTimer(hwnd(), 1);
        return 0;
    }

private:
    std::function<bool()> tick_;
};

bool Fetch(const std::wstring& address, const std::wstring& target,
           const std::function<std::wstring()>& nextFreePath = {}) {
    Downloader downloader;
    return downloader.Download(address, target, nextFreePath).Succeeded();
}

TEST(Downloader, WritesExactlyTheServedBytesOverAnyOldFile) {
    TestHttpServer server;
    TempFolder sources;
    const std::string copied = Bytes(700'000);
    ASSERT_TRUE(ReplaceFileContent(sources / L"monthly report.bin", copied));
    ASSERT_EQ(SchemeOf(FileUrl(sources / L"monthly report.bin")), AddressScheme::File);
    struct Case {
        const char* path;
        std::string body;
        std::wstring address;
        const char* old = nullptr;
    } cases[] = {
        {"/empty", "", server.Url("/empty")},
        {"/text.txt", "line one\r\nline two\n", server.Url("/text.txt"), "old"},
        {"/padded.txt", "blanks around the address", L"  " + server.Url("/padded.txt") + L"  "},
        {"/chunks.bin", Bytes(1'000'003), server.Url("/chunks.bin")},
        {"file address", copied, FileUrl(sources / L"monthly report.bin"), "old"},
    };
    for (const Case& c : cases) {
        server.Serve(c.path, TestAnswer::Body(c.body));
        TempFolder folder;
        if (c.old) {
            ASSERT_TRUE(ReplaceFileContent(folder / L"out", c.old));
        }
        EXPECT_TRUE(Fetch(c.address, folder / L"out")) << c.path;
        EXPECT_TRUE(SameBytes(Content(folder / L"out"), c.body)) << c.path;
        EXPECT_EQ(FolderListing(folder.path()), "out ") << c.path;
    }
    EXPECT_TRUE(SameBytes(Content(sources / L"monthly report.bin"), copied)) << "the source stays";
}

TEST(Downloader, FetchesNothingWhenTheFolderCannotBeWritten) {
    TestHttpServer server;
    server.Serve("/a.txt", TestAnswer::Body("a"));
    TempFolder folder;
    EXPECT_FALSE(Fetch(server.Url("/a.txt"), folder / L"no such folder\\a.txt"));
    EXPECT_EQ(server.Requests("/a.txt"), 0);
}

TEST(Downloader, NeverReplacingTakesTheNextFreeSerialForFilesThatAppearedMeanwhile) {
    TestHttpServer server;
    server.Serve("/data.csv", TestAnswer::Held("new", 1));
    TempFolder folder;
    const std::wstring url = server.Url("/data.csv");
    int asked = 0;
    const auto nextFreePath = [&] {
        ++asked;
        return *TargetPathOnDisk(url, NamingConvention::Custom, L"data.csv", folder.path());
    };
    // Another program writes the chosen name and the next serial while the
    // transfer is on.
    Ticker ticker([&] {
        if (!server.Holding("/data.csv")) return true;
        EXPECT_TRUE(ReplaceFileContent(folder / L"data.csv", "theirs"));
        EXPECT_TRUE(ReplaceFileContent(folder / L"1_data.csv", "theirs too"));
        server.Release("/data.csv");
        return false;
    });
    EXPECT_TRUE(Fetch(url, nextFreePath(), nextFreePath));
    EXPECT_EQ(Content(folder / L"data.csv"), "theirs");
    EXPECT_EQ(Content(folder / L"1_data.csv"), "theirs too");
    EXPECT_EQ(Content(folder / L"2_data.csv"), "new");
    EXPECT_EQ(asked, 2);

    // A name still free is used without asking.
    EXPECT_TRUE(Fetch(url, folder / L"3_data.csv", nextFreePath));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(FolderListing(folder.path()), "1_data.csv 2_data.csv 3_data.csv data.csv ");
}

TEST(Downloader, SweepsLeftoversOfKilledTransfersButNotRunningOnes) {
    TestHttpServer server;
    server.Serve("/a.txt", TestAnswer::Body("a"));
    TempFolder folder;
    ASSERT_TRUE(ReplaceFileContent(folder / TemporaryName(999999, 3), "partial"));
    ASSERT_TRUE(ReplaceFileContent(folder / L"~durnwick-notes.part", "not ours"));
    // Another instance's transfer in progress holds its file open.
    const std::wstring running = folder / TemporaryName(999998, 1);
    KernelHandle open(CreateFileW(running.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(open);
    EXPECT_TRUE(Fetch(server.Url("/a.txt"), folder / L"a.txt"));
    // Closed first: a pending deletion would only show now.
    open = KernelHandle();
    EXPECT_EQ(FolderListing(folder.path()), "a.txt ~durnwick-999998-1.part ~durnwick-notes.part ");
}

ULONGLONG ThreadCpuMs() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto ticks = [](FILETIME t) { return (ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    return (ticks(kernel) + ticks(user)) / 10'000;
}

TEST(Downloader, QuitDuringATransferNeitherSpinsNorGetsLost) {
    TestHttpServer server;
    // Ten pieces with 25 ms between them.
    server.Serve("/slow.txt", TestAnswer::Slowly("0123456789", 1, 25));
    bool posted = false;
    Ticker ticker([&] {
        PostQuitMessage(3);
        posted = true;
        return false;
    });
    TempFolder folder;
    const ULONGLONG cpuBefore = ThreadCpuMs();
    const ULONGLONG wallBefore = GetTickCount64();
    EXPECT_TRUE(Fetch(server.Url("/slow.txt"), folder / L"slow.txt"));
    const ULONGLONG cpuSpent = ThreadCpuMs() - cpuBefore;
    const ULONGLONG wallSpent = GetTickCount64() - wallBefore;
    ASSERT_TRUE(posted);
    // Processor time, not elapsed time: a busy machine slows the transfer but
    // does not make a waiting thread burn more. A spinning wait burns a large
    // share of the elapsed time even with the other core loaded.
    const ULONGLONG allowed = std::max<ULONGLONG>(50, wallSpent / 10);
    EXPECT_LT(cpuSpent, allowed) << cpuSpent << " ms of processor time in " << wallSpent
                                 << " ms: the wait spun on the pending quit";
    EXPECT_EQ(Content(folder / L"slow.txt"), "0123456789");
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 3u);
}

TEST(Downloader, ReusesOneConnectionForConsecutiveFiles) {
    TestHttpServer server;
    TempFolder folder;
    Downloader downloader;
    for (const char* path : {"/1", "/2", "/3", "/4", "/5"}) {
        server.Serve(path, TestAnswer::Body(path));
        EXPECT_TRUE(downloader.Download(server.Url(path), folder / L"f").Succeeded());
    }
    EXPECT_EQ(server.Connections(), 1);
}

bool InInternetCache(const std::wstring& url) {
    DWORD size = 0;
    return !GetUrlCacheEntryInfoW(url.c_str(), nullptr, &size) && GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

TEST(Downloader, LeavesNothingInTheInternetCache) {
    TestHttpServer server;
    server.Serve("/cached.txt", TestAnswer::Body("x"));
    TempFolder folder;
    const std::wstring url = server.Url("/cached.txt");
    ASSERT_TRUE(Fetch(url, folder / L"cached.txt"));
    EXPECT_FALSE(InInternetCache(url));
}

// Room for a busy machine, less than the stall limit: a case that waits out
// a stall twice, or hangs, takes longer.
constexpr std::uint64_t kSlackMs = 800;

// In the order of DownloadFailure, for readable messages.
const char* FailureName(DownloadFailure failure) {
    static const char* const names[] = {"none",
                                        "unsupported address",
                                        "control character",
                                        "cannot write",
                                        "target read-only",
                                        "network",
                                        "timed out",
                                        "too slow",
                                        "http status",
                                        "redirect not followed",
                                        "too many redirects",
                                        "not http",
                                        "header cut",
                                        "incomplete",
                                        "end unknown",
                                        "empty answer",
                                        "cancelled"};
    const auto i = static_cast<size_t>(failure);
    return i < std::size(names) ? names[i] : "?";
}

TestAnswer CutChunked(std::string body, size_t sent) {
    TestAnswer a = TestAnswer::Chunked(std::move(body));
    a.pieceBytes = 100;
    a.cutAfter = sent;
    return a;
}

TestAnswer LengthText(std::string text, std::string body, size_t sent) {
    TestAnswer a = TestAnswer::CutShort(std::move(body), sent);
    a.contentLength = std::move(text);
    return a;
}

// Every failure leaves an old target as it was, or no target at all, and
// no temporary file; none waits out a stall twice or hangs.
TEST(Downloader, NoBadAnswerEverReplacesAGoodFileAndNoneHangs) {
    TestHttpServer server;
    TestAnswer notModified = TestAnswer::Body("");
    notModified.status = 304;
    TempFolder sources;
    const struct Case {
        std::wstring address;
        std::optional<TestAnswer> answer;
        // None: any failure.
        DownloadFailure expected;
        // WinINet may report a stall in its own words.
        DownloadFailure orElse = expected;
    } cases[] = {
        {server.Url("/missing"), std::nullopt, DownloadFailure::HttpStatus},
        {server.Url("/cut"), TestAnswer::CutShort(Bytes(600'000), 300'000), DownloadFailure::None},
        {server.UnreachableUrl("/a.txt"), std::nullopt, DownloadFailure::Network},
        {L"127.0.0.1/a.txt", std::nullopt, DownloadFailure::UnsupportedAddress},
        {FileUrl(sources / L"nothing.txt"), std::nullopt, DownloadFailure::None},
        {server.Url("/silent"), TestAnswer::Silent(), DownloadFailure::TimedOut},
        {server.Url("/stalled-head"), TestAnswer::HeadStalls(20), DownloadFailure::TimedOut},
        {server.Url("/trickling-head"), TestAnswer::HeadTrickles(40), DownloadFailure::TimedOut},
        {server.Url("/stalled-body"), TestAnswer::BodyStalls(Bytes(10'000), 100), DownloadFailure::TimedOut},
        {server.Url("/trickle"), TestAnswer::Slowly(Bytes(100'000), 1, 30), DownloadFailure::TooSlow},
        // Reads grow on the fast start; the one the trickle leaves waiting is given up.
        {server.Url("/fast-then-trickle"), TestAnswer::FastThenSlowly(Bytes(4'000'100), 4'000'000, 1, 40),
         DownloadFailure::TimedOut, DownloadFailure::TooSlow},
        {server.Url("/loop"), TestAnswer::Redirect(302, "/loop"), DownloadFailure::TooManyRedirects},
        {server.Url("/to-file"), TestAnswer::Redirect(302, "file:///C:/windows/win.ini"),
         DownloadFailure::RedirectNotFollowed},
        {server.Url("/nowhere"), TestAnswer::Redirect(301, ""), DownloadFailure::RedirectNotFollowed},
        {server.Url("/not-modified"), notModified, DownloadFailure::HttpStatus},
        {server.Url("/chunked-cut"), CutChunked(Bytes(1000), 500), DownloadFailure::Incomplete},
        {server.Url("/huge-length-cut"), LengthText("18446744073709551716", Bytes(100), 50),
         DownloadFailure::Incomplete},
    };
    for (const Case& c : cases) {
        const std::wstring url = c.address;
        if (c.answer) server.Serve(std::string(url.begin() + url.find(L'/', 7), url.end()), *c.answer);
    }
    Downloader downloader(kTestTransferLimits);
    for (const Case& c : cases) {
        const std::string what(c.address.begin(), c.address.end());
        for (const bool existing : {true, false}) {
            TempFolder folder;
            const std::wstring target = folder / L"data.bin";
            if (existing) {
                ASSERT_TRUE(ReplaceFileContent(target, "good file"));
            }
            const DownloadOutcome outcome = downloader.Download(c.address, target);
            EXPECT_FALSE(outcome.Succeeded()) << what;
            if (c.expected != DownloadFailure::None && outcome.failure != c.orElse) {
                EXPECT_STREQ(FailureName(outcome.failure), FailureName(c.expected)) << what;
            }
            EXPECT_LT(outcome.elapsedMs, kTestTransferLimits.connectMs + kTestTransferLimits.stallMs + kSlackMs)
                << what;
            if (outcome.failure == DownloadFailure::TimedOut) {
                EXPECT_EQ(OutcomeText(outcome), L"timed out (no data for 1 s)") << what;
            }
            EXPECT_EQ(Content(target), existing ? "good file" : "<no file>") << what;
            EXPECT_EQ(FolderListing(folder.path()), existing ? "data.bin " : "") << what;
        }
    }
    EXPECT_EQ(server.Requests("/loop"), 2 * (kMaxRedirects + 1));
    // And the downloader still works after all of that.
    server.Serve("/fine", TestAnswer::Body("fine"));
    TempFolder folder;
    EXPECT_TRUE(downloader.Download(server.Url("/fine"), folder / L"fine.txt").Succeeded());
}

// A chain of exactly the redirect limit, in every form a location takes:
// a path, a whole address and a name relative to the current one.
TEST(Downloader, FollowsRedirectChainsUpToTheLimitAndTakesWholeBodiesInAnyFraming) {
    TestHttpServer server;
    const std::string body = Bytes(300'000);
    const auto hop = [](int n) { return "/hop" + std::to_string(n); };
    const std::wstring third = server.Url(hop(2));
    server.Serve(hop(0), TestAnswer::Redirect(301, hop(1)));
    server.Serve(hop(1), TestAnswer::Redirect(302, std::string(third.begin(), third.end())));
    server.Serve(hop(2), TestAnswer::Redirect(307, hop(3).substr(1)));
    for (int n = 3; n < kMaxRedirects; ++n) server.Serve(hop(n), TestAnswer::Redirect(302, hop(n + 1)));
    server.Serve(hop(kMaxRedirects), TestAnswer::Body(body));
    TestAnswer chunked = TestAnswer::Chunked(body);
    chunked.pieceBytes = 7000;
    server.Serve("/chunked", chunked);
    Downloader downloader(kTestTransferLimits);
    for (const std::string& path : {hop(0), std::string("/chunked")}) {
        TempFolder folder;
        const DownloadOutcome outcome = downloader.Download(server.Url(path), folder / L"out.bin");
        EXPECT_TRUE(outcome.Succeeded()) << path << ": " << FailureName(outcome.failure);
        EXPECT_EQ(OutcomeText(outcome), L"OK, HTTP 200") << path;
        EXPECT_EQ(outcome.bytes, body.size()) << path;
        EXPECT_TRUE(SameBytes(Content(folder / L"out.bin"), body)) << path;
    }
    EXPECT_EQ(server.Requests(hop(kMaxRedirects)), 1);
}

TEST(Downloader, CancelEndsAStalledTransferAtOnceAndItsTemporaryFileGoes) {
    TestHttpServer server;
    server.Serve("/stalled", TestAnswer::BodyStalls(Bytes(10'000), 100));
    server.Serve("/later", TestAnswer::Body("later"));
    TempFolder folder;
    ASSERT_TRUE(ReplaceFileContent(folder / L"data.bin", "good file"));
    // A stall this long would end the transfer by itself only well after Cancel.
    TransferLimits patient = kTestTransferLimits;
    patient.stallMs = 2500;
    {
        Downloader downloader(patient);
        Ticker ticker([&] {
            if (!server.Holding("/stalled")) return true;
            downloader.Cancel();
            return false;
        });
        const DownloadOutcome outcome = downloader.Download(server.Url("/stalled"), folder / L"data.bin");
        EXPECT_STREQ(FailureName(outcome.failure), "cancelled");
        EXPECT_LT(outcome.elapsedMs, patient.stallMs);
        EXPECT_STREQ(FailureName(downloader.Download(server.Url("/later"), folder / L"later.txt").failure),
                     "cancelled");
    }
    EXPECT_EQ(server.Requests("/later"), 0);
    EXPECT_EQ(Content(folder / L"data.bin"), "good file");
    EXPECT_EQ(FolderListing(folder.path()), "data.bin ");
}

// The head and the start of a chunked body that a server means to close after.
std::string ClosingChunkedHead() {
    return "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n";
}

// Answers no sound server gives, each written as it stands and then cut off:
// none replaces a good file, none leaves a temporary file, and each says why.
TEST(Downloader, BrokenAnswersKeepTheGoodFileAndSayWhy) {
    TestHttpServer server;
    const std::string binary("\0\0\x01\x14\x0a\x14\xff\xfe\x80garbage", 16);
    const std::string secondChunkCut = ChunkedBytes({Bytes(100)}, false) + "64\r\n" + Bytes(50);
    const struct Case {
        const char* path;
        TestAnswer answer;
        const wchar_t* words;
    } cases[] = {
        {"/cut-head", TestAnswer::Raw("HTTP/1.1 200 OK\r\nContent-Type: text/pl"),
         L"the answer ended inside its header block"},
        {"/cut-later-header", TestAnswer::Raw("HTTP/1.1 200 OK\r\nServer: test\r\nContent-Type: text/pl"),
         L"the answer ended inside its header block"},
        {"/not-http", TestAnswer::Raw("SSH-2.0-OpenSSH_9.2p1 Debian-2\r\n" + binary),
         L"not an HTTP answer (no status line)"},
        {"/chunked-close-cut", TestAnswer::Raw(ClosingChunkedHead() + secondChunkCut), L"incomplete body, HTTP 200"},
        {"/empty", TestAnswer::Body(""), L"empty answer, kept the previous file"},
    };
    for (const Case& c : cases) server.Serve(c.path, c.answer);
    Downloader downloader(kTestTransferLimits);
    for (const Case& c : cases) {
        TempFolder folder;
        const std::wstring target = folder / L"data.bin";
        ASSERT_TRUE(ReplaceFileContent(target, "good file"));
        const DownloadOutcome outcome = downloader.Download(server.Url(c.path), target);
        EXPECT_EQ(OutcomeText(outcome), c.words) << c.path;
        EXPECT_TRUE(SameBytes(Content(target), "good file")) << c.path;
        EXPECT_EQ(FolderListing(folder.path()), "data.bin ") << c.path;
        EXPECT_EQ(server.Requests(c.path), 1) << c.path;
    }
}

// Whole chunked bodies after which the server closes, of lengths that end
// the last read short of full, and one that arrives a piece at a time.
TEST(Downloader, TakesAChunkedBodyWholeWhenItsFinalChunkCameBeforeTheClose) {
    TestHttpServer server;
    const std::string small = Bytes(1000);
    const std::string large = Bytes(600'000);
    std::vector<std::string> pieces;
    for (size_t at = 0; at < large.size(); at += 7000) pieces.push_back(large.substr(at, 7000));
    server.Serve("/small", TestAnswer::Raw(ClosingChunkedHead() + ChunkedBytes({small}, true)));
    server.Serve("/large", TestAnswer::Raw(ClosingChunkedHead() + ChunkedBytes(pieces, true)));
    TestAnswer slowly = TestAnswer::Raw(ClosingChunkedHead() + ChunkedBytes({small.substr(0, 300)}, true));
    slowly.pieceBytes = 40;
    slowly.pauseMs = 5;
    server.Serve("/slowly", slowly);
    Downloader downloader(kTestTransferLimits);
    for (const auto& [path, body] :
         {std::pair{"/small", small}, {"/large", large}, {"/slowly", small.substr(0, 300)}}) {
        TempFolder folder;
        const DownloadOutcome outcome = downloader.Download(server.Url(path), folder / L"out.bin");
        EXPECT_EQ(OutcomeText(outcome), L"OK, HTTP 200") << path;
        EXPECT_TRUE(SameBytes(Content(folder / L"out.bin"), body)) << path;
    }
}

TEST(Downloader, KeepsAReadOnlyTargetWithoutAsking) {
    TestHttpServer server;
    server.Serve("/a.txt", TestAnswer::Body("new"));
    TempFolder folder;
    const std::wstring target = folder / L"a.txt";
    ASSERT_TRUE(ReplaceFileContent(target, "keep me"));
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    Downloader downloader(kTestTransferLimits);
    EXPECT_EQ(OutcomeText(downloader.Download(server.Url("/a.txt"), target)), L"target is read-only");
    EXPECT_EQ(server.Requests("/a.txt"), 0);
    EXPECT_EQ(Content(target), "keep me");
    EXPECT_EQ(FolderListing(folder.path()), "a.txt ");
    // Made read-only while the transfer is on.
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    server.Serve("/a.txt", TestAnswer::Held("new", 1));
    Ticker ticker([&] {
        if (!server.Holding("/a.txt")) return true;
        SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
        server.Release("/a.txt");
        return false;
    });
    EXPECT_EQ(OutcomeText(downloader.Download(server.Url("/a.txt"), target)), L"target is read-only");
    EXPECT_EQ(Content(target), "keep me");
    EXPECT_EQ(FolderListing(folder.path()), "a.txt ");
}

std::string RequestTargetOf(const TestHttpServer& server, size_t index) {
    const std::vector<ReceivedRequest> received = server.Received();
    return index < received.size() ? received[index].Target() : "<no request>";
}

TEST(Downloader, SendsEachAddressAsAUri) {
    TestHttpServer server;
    server.Serve("/f/%E6%97%A5.txt", TestAnswer::Body("nichi"));
    server.Serve("/n/frag.txt", TestAnswer::Body("fragment"));
    server.Serve("/q?x=%C3%A9", TestAnswer::Body("query"));
    const struct Case {
        std::wstring address;
        std::string target;
        std::string body;
    } cases[] = {
        {server.Url("") + L"/f/\u65E5.txt", "/f/%E6%97%A5.txt", "nichi"},
        {server.Url("/f/%E6%97%A5.txt"), "/f/%E6%97%A5.txt", "nichi"},
        {server.Url("/n/frag.txt#top"), "/n/frag.txt", "fragment"},
        {server.Url("/q?x=") + L"\u00E9", "/q?x=%C3%A9", "query"},
    };
    Downloader downloader(kTestTransferLimits);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        TempFolder folder;
        EXPECT_TRUE(downloader.Download(c.address, folder / L"out").Succeeded()) << c.target;
        EXPECT_EQ(RequestTargetOf(server, i), c.target);
        EXPECT_EQ(Content(folder / L"out"), c.body) << c.target;
    }
    // A lone CR would end the request line and start a header of its own.
    TempFolder folder;
    const DownloadOutcome outcome =
        downloader.Download(server.Url("/n/inj2.txt") + L"\rX-Injected: yes", folder / L"out");
    EXPECT_EQ(OutcomeText(outcome), L"address holds a control character");
    EXPECT_EQ(server.Received().size(), std::size(cases));
}

TEST(Downloader, SendsCredentialsOnlyWithTheAddressTheyCameIn) {
    TestHttpServer server;
    server.Serve("/private", TestAnswer::BasicAuth("user:p@ss w\xC3\xB6rd", "secret"));
    server.Serve("/moved", TestAnswer::Redirect(302, "/private"));
    server.Serve("/public", TestAnswer::Body("public"));
    const std::wstring withCredentials = L"http://user:p%40ss%20w\u00F6rd@" + server.Url("/moved").substr(7);
    TempFolder folder;
    {
        Downloader downloader(kTestTransferLimits);
        EXPECT_EQ(OutcomeText(downloader.Download(withCredentials, folder / L"private")), L"OK, HTTP 200");
        EXPECT_EQ(Content(folder / L"private"), "secret");
        EXPECT_TRUE(downloader.Download(server.Url("/public"), folder / L"public").Succeeded());
        EXPECT_EQ(OutcomeText(downloader.Download(server.Url("/private"), folder / L"private")), L"failed, HTTP 401");
    }
    // A later run, with a downloader of its own, in the same process.
    Downloader later(kTestTransferLimits);
    EXPECT_TRUE(later.Download(server.Url("/public"), folder / L"public").Succeeded());
    // Each request's target, and whether it carried an Authorization header.
    std::vector<std::pair<std::string, bool>> seen;
    for (const ReceivedRequest& request : server.Received())
        seen.emplace_back(request.Target(), request.Header("Authorization").has_value());
    const std::vector<std::pair<std::string, bool>> expected = {
        {"/moved", true}, {"/private", true}, {"/public", false}, {"/private", false}, {"/public", false}};
    EXPECT_EQ(seen, expected);
}

// Points the prefix's proxy setting at the test server for as long as it lives.
class ProxyThrough {
public:
    explicit ProxyThrough(const std::wstring& server) {
        RegCreateKeyExW(HKEY_CURRENT_USER, kInternetSettings, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                        nullptr);
        DWORD enable = 1;
        RegSetValueExW(key_, L"ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&enable), sizeof enable);
        RegSetValueExW(key_, L"ProxyServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(server.c_str()),
                       static_cast<DWORD>((server.size() + 1) * sizeof(wchar_t)));
    }
    ProxyThrough(const ProxyThrough&) = delete;
    ProxyThrough& operator=(const ProxyThrough&) = delete;
    ~ProxyThrough() {
        RegDeleteValueW(key_, L"ProxyEnable");
        RegDeleteValueW(key_, L"ProxyServer");
        RegCloseKey(key_);
    }

private:
    static constexpr wchar_t kInternetSettings[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
    HKEY key_ = nullptr;
};

// Through a proxy the whole address goes in the request line, so the test
// server sees the host as it was sent, although no such host exists.
TEST(Downloader, SendsAHostOutsideAsciiInItsIdnaForm) {
    TestHttpServer server;
    server.Serve("http://xn--bcher-kva.example:80/f/%E6%97%A5.txt", TestAnswer::Body("books"));
    const std::wstring proxy = server.Url("");
    const ProxyThrough through(proxy.substr(7));
    Downloader downloader(kTestTransferLimits);
    TempFolder folder;
    const DownloadOutcome outcome =
        downloader.Download(L"http://b\u00FCcher.example/f/\u65E5.txt#part", folder / L"out");
    EXPECT_EQ(OutcomeText(outcome), L"OK, HTTP 200");
    EXPECT_EQ(RequestTargetOf(server, 0), "http://xn--bcher-kva.example:80/f/%E6%97%A5.txt");
    EXPECT_EQ(Content(folder / L"out"), "books");
}

// The body of a 299 is read and kept; a 300 leaves the old file.
TEST(Downloader, TheSuccessRangeEndsAt299) {
    TestHttpServer server;
    const struct {
        int status;
        const char* path;
        const wchar_t* words;
        const char* kept;
    } cases[] = {{299, "/299", L"OK, HTTP 299", "the answer"},
                 {300, "/300", L"failed, HTTP 300", "good file"},
                 // Not asked whether anything changed, so it tells nothing.
                 {304, "/304", L"failed, HTTP 304", "good file"}};
    Downloader downloader(kTestTransferLimits);
    for (const auto& c : cases) {
        TestAnswer answer = TestAnswer::Body("the answer");
        answer.status = c.status;
        server.Serve(c.path, answer);
        TempFolder folder;
        ASSERT_TRUE(ReplaceFileContent(folder / L"data.bin", "good file"));
        EXPECT_EQ(OutcomeText(downloader.Download(server.Url(c.path), folder / L"data.bin")), c.words) << c.status;
        EXPECT_EQ(Content(folder / L"data.bin"), c.kept) << c.status;
        EXPECT_EQ(FolderListing(folder.path()), "data.bin ") << c.status;
    }
}

// The hash of "report body", as sha256sum gives it.
constexpr char kReportHash[] = "fc54daf6865cec6354a8ada602faade2a408b3acbe4d2357274d21f7cd0cb9e1";
constexpr char kMonday[] = "Mon, 07 Dec 2026 01:23:45 GMT";

// kMonday as the file system keeps it.
FILETIME Monday() { return FileTimeOf({2026, 12, 1, 7, 1, 23, 45, 0}); }

TEST(Downloader, AnswersWhatTheCopyItStoredWasAndAsksOnlyForAChangeWhenToldOfIt) {
    TestHttpServer server;
    server.Serve("/report.pdf", TestAnswer::Validated("report body", "\"v1\"", kMonday));
    TempFolder folder;
    const std::wstring target = folder / L"report.pdf";
    Downloader downloader(kTestTransferLimits);

    const DownloadOutcome first = downloader.Download(server.Url("/report.pdf"), target);
    EXPECT_EQ(OutcomeText(first), L"OK, HTTP 200");
    EXPECT_EQ(first.etag, L"\"v1\"");
    EXPECT_EQ(first.lastModified, L"Mon, 07 Dec 2026 01:23:45 GMT");
    EXPECT_EQ(first.sha256, kReportHash);
    EXPECT_EQ(first.storedPath, target);
    EXPECT_TRUE(SameTime(ModifiedTime(target), Monday())) << "the server's date is the file's";
    EXPECT_FALSE(server.Received().back().Header("If-None-Match"));
    EXPECT_FALSE(server.Received().back().Header("If-Modified-Since"));

    KnownCopy known{first.etag, first.lastModified, first.sha256, true};
    const DownloadOutcome second = downloader.Download(server.Url("/report.pdf"), target, {}, known);
    EXPECT_EQ(OutcomeText(second), L"unchanged, HTTP 304");
    EXPECT_TRUE(second.unchanged);
    EXPECT_EQ(second.bytes, 0u);
    EXPECT_EQ(second.storedPath, L"");
    EXPECT_EQ(server.Received().back().Header("If-None-Match"), "\"v1\"");
    EXPECT_EQ(server.Received().back().Header("If-Modified-Since"), kMonday);
    EXPECT_EQ(Content(target), "report body");
    EXPECT_EQ(FolderListing(folder.path()), "report.pdf ");

    // Where a copy is stored every run, a 304 would leave nothing to store.
    known.keepUnchanged = false;
    const DownloadOutcome copy = downloader.Download(server.Url("/report.pdf"), folder / L"copy.pdf", {}, known);
    EXPECT_EQ(OutcomeText(copy), L"unchanged, HTTP 200");
    EXPECT_EQ(copy.storedPath, folder / L"copy.pdf");
    EXPECT_FALSE(server.Received().back().Header("If-None-Match"));
    EXPECT_EQ(Content(folder / L"copy.pdf"), "report body");
}

// The hash tells what the server would not: the same bytes again leave the
// file as it was, date and all, over http and file addresses alike.
TEST(Downloader, TheSameBytesAgainLeaveAKeptCopyUntouchedAndAChangedBodyReplacesIt) {
    TestHttpServer server;
    TestAnswer ignoring = TestAnswer::Validated("report body", "\"v1\"", kMonday);
    ignoring.ignoresConditions = true;
    server.Serve("/report.pdf", ignoring);
    TempFolder sources;
    ASSERT_TRUE(ReplaceFileContent(sources / L"report.pdf", "report body"));
    Downloader downloader(kTestTransferLimits);
    const KnownCopy known{L"\"v1\"", L"", kReportHash, true};
    for (const std::wstring& address : {server.Url("/report.pdf"), FileUrl(sources / L"report.pdf")}) {
        TempFolder folder;
        const std::wstring target = folder / L"report.pdf";
        ASSERT_TRUE(ReplaceFileContent(target, "report body"));
        const FILETIME before = ModifiedTime(target);
        const DownloadOutcome outcome = downloader.Download(address, target, {}, known);
        EXPECT_TRUE(outcome.unchanged);
        EXPECT_EQ(outcome.storedPath, L"");
        EXPECT_TRUE(SameTime(ModifiedTime(target), before));
        EXPECT_EQ(FolderListing(folder.path()), "report.pdf ") << "no temporary file stays";
    }

    server.Serve("/report.pdf", TestAnswer::Validated("new report", "\"v2\"", kMonday));
    TempFolder folder;
    ASSERT_TRUE(ReplaceFileContent(folder / L"report.pdf", "report body"));
    const DownloadOutcome changed = downloader.Download(server.Url("/report.pdf"), folder / L"report.pdf", {}, known);
    EXPECT_EQ(OutcomeText(changed), L"OK, HTTP 200");
    EXPECT_EQ(Content(folder / L"report.pdf"), "new report");
}

}  // namespace
