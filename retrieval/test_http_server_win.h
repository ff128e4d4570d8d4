#pragma once
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "retrieval/download.h"

// Transfer limits short enough for tests: every stalled answer of the server
// below ends by one of these.
inline constexpr TransferLimits kTestTransferLimits{1000, 1000, 64, kMaxRedirects};
// How the test server answers one path.
struct TestAnswer {
    int status = 200;
    std::string body;
    // Extra header lines, such as "Location: /next".
    std::vector<std::string> headers;
    // The Content-Length header's text; by default the body's size.
    std::optional<std::string> contentLength;
    // Chunked framing instead of a Content-Length.
    bool chunked = false;
    // Body bytes sent before the connection is dropped; the header still
    // announces the whole body, and a chunked body lacks its final chunk.
    size_t cutAfter = std::string::npos;
    // The body goes out in pieces of this size (0: at once), with a pause
    // between pieces.
    size_t pieceBytes = 0;
    DWORD pauseMs = 0;
    // Body bytes sent at once before the pieces begin.
    size_t sentAtOnce = 0;
    // After the first piece the rest waits for Release() (at most kHoldLimitMs).
    bool held = false;
    // Bytes of the head sent before the answer stalls until the server stops
    // (0: the request is read and nothing is sent).
    std::optional<size_t> headStallsAfter;
    // The head goes out a byte at a time with this pause between bytes.
    DWORD headPauseMs = 0;
    // After the first piece of the body nothing more is sent until the server stops.
    bool bodyStalls = false;
    // Written byte for byte in place of an answer (in pieces when pieceBytes
    // is set), then the connection is closed: for answers no sound server gives.
    std::optional<std::string> raw;
    // "user:password": without these Basic credentials the request gets a 401
    // with a Basic challenge.
    std::optional<std::string> basicCredentials;
    // Validators sent with the answer (empty: none). A request whose
    // If-None-Match names the ETag, or that has no If-None-Match and whose
    // If-Modified-Since is the Last-Modified text, gets 304 Not Modified,
    // unless the server is told to ignore conditions.
    std::string etag;
    std::string lastModified;
    bool ignoresConditions = false;

    static TestAnswer Body(std::string body);
    static TestAnswer Status(int status);
    static TestAnswer CutShort(std::string body, size_t sent);
    static TestAnswer Slowly(std::string body, size_t pieceBytes, DWORD pauseMs);
    static TestAnswer FastThenSlowly(std::string body, size_t sentAtOnce, size_t pieceBytes, DWORD pauseMs);
    static TestAnswer Held(std::string body, size_t sentFirst);
    static TestAnswer Silent();
    static TestAnswer HeadStalls(size_t sentFirst);
    static TestAnswer HeadTrickles(DWORD pauseMs);
    static TestAnswer BodyStalls(std::string body, size_t sentFirst);
    static TestAnswer Redirect(int status, const std::string& location);
    static TestAnswer Chunked(std::string body);
    static TestAnswer Raw(std::string bytes);
    static TestAnswer BasicAuth(std::string credentials, std::string body);
    static TestAnswer Validated(std::string body, std::string etag, std::string lastModified);
};

// A chunked body as it goes on the wire, each piece one chunk, with the final
// empty chunk or without it.
std::string ChunkedBytes(const std::vector<std::string>& pieces, bool finalChunk);

// A request as the server read it.
struct ReceivedRequest {
    std::string line;                  // "GET /path HTTP/1.1"
    std::vector<std::string> headers;  // "Name: value", in order
    std::string Target() const;        // "/path"
    // The value of the first header of that name (in any case).
    std::optional<std::string> Header(const std::string& name) const;
};

// A small HTTP/1.1 server on a free loopback port, running in threads of the
// test process from construction to destruction. Keeps connections alive
// between requests; unknown paths get 404.
class TestHttpServer {
public:
    // A held answer goes on by itself after this long, so a broken test fails
    // instead of hanging.
    static constexpr DWORD kHoldLimitMs = 5000;

    TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;
    ~TestHttpServer();

    // A held answer served anew waits for a new Release().
    void Serve(const std::string& path, TestAnswer answer);
    void Release(const std::string& path);
    // True while an answer for the path waits for Release() or stalls; false
    // from the moment Release() is called.
    bool Holding(const std::string& path) const;
    int Requests(const std::string& path) const;
    int Connections() const;
    // Every request so far, in the order they came.
    std::vector<ReceivedRequest> Received() const;

    std::wstring Url(const std::string& path) const;
    // An address on a loopback port that is taken but where nobody listens.
    std::wstring UnreachableUrl(const std::string& path) const;

private:
    void AcceptConnections();
    void Converse(SOCKET client);
    bool Answer(SOCKET client, const ReceivedRequest& request);
    bool SendBody(SOCKET client, const std::string& path, const TestAnswer& answer);
    bool WaitUntilReadable(SOCKET s);
    void WaitForRelease(const std::string& path, DWORD limitMs);

    std::atomic<bool> stopping_ = false;
    SOCKET listener_ = INVALID_SOCKET;
    SOCKET reserved_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    unsigned short closedPort_ = 0;

    mutable std::mutex mutex_;
    std::condition_variable released_;
    std::map<std::string, TestAnswer> answers_;
    std::map<std::string, int> requests_;
    std::vector<ReceivedRequest> received_;
    std::set<std::string> releasedPaths_;
    std::multiset<std::string> holdingPaths_;
    std::set<SOCKET> clients_;
    int connections_ = 0;
    std::vector<std::thread> conversations_;
    std::thread acceptor_;
};
