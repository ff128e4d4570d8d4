#include "retrieval/download_win.h"

#include <gtest/gtest.h>
#include <shlwapi.h>
#include <wininet.h>

#include <algorithm>
#include <vector>

#include "platform/files_win.h"
#include "platform/handles_win.h"
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

std::vector<std::wstring> Listing(const TempFolder& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder / L"*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(find, &found));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

std::string Narrow(const std::vector<std::wstring>& names) {
    std::string text;
    for (const std::wstring& name : names) text += std::string(name.begin(), name.end()) + " ";
    return text;
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
        WindowSpec spec;
        spec.className = L"DurnwickDownloadTestTicker";
        spec.parent = HWND_MESSAGE;
        EXPECT_TRUE(CreateOwnWindow(spec));
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

TEST(DownloadFile, WritesExactlyTheServedBytes) {
    TestHttpServer server;
    struct Case {
        const char* path;
        std::string body;
        const wchar_t* padding;
    } cases[] = {
        {"/empty", "", L""},
        {"/text.txt", "line one\r\nline two\n", L""},
        {"/padded.txt", "blanks around the address", L"  "},
        {"/chunks.bin", Bytes(1'000'003), L""},
    };
    for (const Case& c : cases) {
        server.Serve(c.path, TestAnswer::Body(c.body));
        TempFolder folder;
        EXPECT_TRUE(DownloadFile(c.padding + server.Url(c.path) + c.padding, folder / L"out")) << c.path;
        EXPECT_TRUE(SameBytes(Content(folder / L"out"), c.body)) << c.path;
        EXPECT_EQ(Narrow(Listing(folder)), "out ") << c.path;
    }
}

TEST(DownloadFile, FailureLeavesTheTargetAsItWasAndNoTemporaryFile) {
    TestHttpServer server;
    server.Serve("/server-error", TestAnswer::Status(500));
    server.Serve("/cut", TestAnswer::CutShort(Bytes(600'000), 300'000));
    server.Serve("/cut-to-nothing", TestAnswer::CutShort(Bytes(1000), 0));
    TempFolder sources;
    const struct Case {
        const char* what;
        std::wstring address;
    } cases[] = {
        {"404", server.Url("/missing")},
        {"500", server.Url("/server-error")},
        {"body cut short", server.Url("/cut")},
        {"body cut before its first byte", server.Url("/cut-to-nothing")},
        {"unreachable host", server.UnreachableUrl("/a.txt")},
        {"no scheme", L"127.0.0.1/a.txt"},
        {"unknown scheme", L"gopher://127.0.0.1/a.txt"},
        {"missing local file", FileUrl(sources / L"nothing.txt")},
        {"local folder", FileUrl(sources.path())},
    };
    for (const Case& c : cases) {
        for (const bool existing : {false, true}) {
            TempFolder folder;
            const std::wstring target = folder / L"data.bin";
            if (existing) {
                ASSERT_TRUE(ReplaceFileContent(target, "old content"));
            }
            EXPECT_FALSE(DownloadFile(c.address, target)) << c.what;
            EXPECT_EQ(Narrow(Listing(folder)), existing ? "data.bin " : "") << c.what;
            EXPECT_EQ(Content(target), existing ? "old content" : "<no file>") << c.what;
        }
    }
}

TEST(DownloadFile, FetchesNothingWhenTheFolderCannotBeWritten) {
    TestHttpServer server;
    server.Serve("/a.txt", TestAnswer::Body("a"));
    TempFolder folder;
    EXPECT_FALSE(DownloadFile(server.Url("/a.txt"), folder / L"no such folder\\a.txt"));
    EXPECT_EQ(server.Requests("/a.txt"), 0);
}

TEST(DownloadFile, ReplacesAnExistingTarget) {
    TestHttpServer server;
    server.Serve("/data.csv", TestAnswer::Body("new"));
    TempFolder folder;
    ASSERT_TRUE(ReplaceFileContent(folder / L"data.csv", "old"));
    EXPECT_TRUE(DownloadFile(server.Url("/data.csv"), folder / L"data.csv"));
    EXPECT_EQ(Content(folder / L"data.csv"), "new");
    EXPECT_EQ(Narrow(Listing(folder)), "data.csv ");
}

TEST(DownloadFile, NeverReplacingTakesTheNextFreeSerialForFilesThatAppearedMeanwhile) {
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
    EXPECT_TRUE(DownloadFile(url, nextFreePath(), nextFreePath));
    EXPECT_EQ(Content(folder / L"data.csv"), "theirs");
    EXPECT_EQ(Content(folder / L"1_data.csv"), "theirs too");
    EXPECT_EQ(Content(folder / L"2_data.csv"), "new");
    EXPECT_EQ(asked, 2);

    // A name still free is used without asking.
    EXPECT_TRUE(DownloadFile(url, folder / L"3_data.csv", nextFreePath));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(Narrow(Listing(folder)), "1_data.csv 2_data.csv 3_data.csv data.csv ");
}

TEST(DownloadFile, SweepsLeftoversOfKilledTransfersButNotRunningOnes) {
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
    EXPECT_TRUE(DownloadFile(server.Url("/a.txt"), folder / L"a.txt"));
    // Closed first: a pending deletion would only show now.
    open = KernelHandle();
    EXPECT_EQ(Narrow(Listing(folder)), "a.txt ~durnwick-999998-1.part ~durnwick-notes.part ");
}

TEST(DownloadFile, HandlesWindowMessagesWhileTheTransferRuns) {
    TestHttpServer server;
    const std::string body = Bytes(300'000);
    server.Serve("/held.bin", TestAnswer::Held(body, 1000));
    bool tickedDuringTransfer = false;
    Ticker ticker([&] {
        if (!server.Holding("/held.bin")) return true;
        tickedDuringTransfer = true;
        server.Release("/held.bin");
        return false;
    });
    TempFolder folder;
    const DWORD start = GetTickCount();
    EXPECT_TRUE(DownloadFile(server.Url("/held.bin"), folder / L"held.bin"));
    EXPECT_TRUE(tickedDuringTransfer) << "no timer message was handled during the transfer";
    EXPECT_LT(GetTickCount() - start, TestHttpServer::kHoldLimitMs);
    EXPECT_TRUE(SameBytes(Content(folder / L"held.bin"), body));
}

TEST(DownloadFile, KeepsHandlingMessagesThroughASlowBody) {
    TestHttpServer server;
    const std::string body = Bytes(50'000);
    server.Serve("/slow.bin", TestAnswer::Slowly(body, 5'000, 25));
    int ticks = 0;
    Ticker ticker([&] { return ++ticks > 0; });
    TempFolder folder;
    EXPECT_TRUE(DownloadFile(server.Url("/slow.bin"), folder / L"slow.bin"));
    // Nine pauses of 25 ms leave room for several 10 ms ticks.
    EXPECT_GE(ticks, 3);
    EXPECT_TRUE(SameBytes(Content(folder / L"slow.bin"), body));
}

ULONGLONG ThreadCpuMs() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto ticks = [](FILETIME t) { return (ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    return (ticks(kernel) + ticks(user)) / 10'000;
}

TEST(DownloadFile, QuitDuringATransferNeitherSpinsNorGetsLost) {
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
    EXPECT_TRUE(DownloadFile(server.Url("/slow.txt"), folder / L"slow.txt"));
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

TEST(DownloadFile, CopiesFileAddresses) {
    TempFolder sources;
    TempFolder folder;
    const std::string bytes = Bytes(700'000);
    const std::wstring source = sources / L"monthly report.bin";
    ASSERT_TRUE(ReplaceFileContent(source, bytes));
    const std::wstring url = FileUrl(source);
    ASSERT_EQ(SchemeOf(url), AddressScheme::File);
    EXPECT_TRUE(DownloadFile(url, folder / L"copy.bin"));
    EXPECT_TRUE(SameBytes(Content(folder / L"copy.bin"), bytes));
    EXPECT_TRUE(SameBytes(Content(source), bytes));
    EXPECT_EQ(Narrow(Listing(folder)), "copy.bin ");
}

TEST(DownloadFile, ReusesOneConnectionForConsecutiveFiles) {
    TestHttpServer server;
    TempFolder folder;
    for (const char* path : {"/1", "/2", "/3", "/4", "/5"}) {
        server.Serve(path, TestAnswer::Body(path));
        EXPECT_TRUE(DownloadFile(server.Url(path), folder / L"f"));
    }
    EXPECT_EQ(server.Connections(), 1);
}

bool InInternetCache(const std::wstring& url) {
    DWORD size = 0;
    return !GetUrlCacheEntryInfoW(url.c_str(), nullptr, &size) && GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

TEST(DownloadFile, LeavesNothingInTheInternetCacheAndDropRemovesEntries) {
    TestHttpServer server;
    server.Serve("/cached.txt", TestAnswer::Body("x"));
    TempFolder folder;
    const std::wstring url = server.Url("/cached.txt");
    ASSERT_TRUE(DownloadFile(url, folder / L"cached.txt"));
    EXPECT_FALSE(InInternetCache(url));

    // An entry some other client left behind.
    wchar_t cacheFile[MAX_PATH];
    ASSERT_TRUE(CreateUrlCacheEntryW(url.c_str(), 1, L"txt", cacheFile, 0));
    ASSERT_TRUE(ReplaceFileContent(cacheFile, "x"));
    ASSERT_TRUE(CommitUrlCacheEntryW(url.c_str(), cacheFile, {}, {}, NORMAL_CACHE_ENTRY, nullptr, 0, nullptr, nullptr));
    ASSERT_TRUE(InInternetCache(url));
    DropFromInternetCache(url);
    EXPECT_FALSE(InInternetCache(url));
}

}  // namespace
