#include "retrieval/test_http_server_win.h"

#include <wincrypt.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

// How often blocked waits look at the stop flag.
constexpr long kPollMs = 20;
// A stalled answer gives up after this long, so nothing outlives a broken test for good.
constexpr DWORD kStallLimitMs = 60000;
constexpr char kRealm[] = "durnwick test";

const char* Reason(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 304:
        return "Not Modified";
    case 401:
        return "Unauthorized";
    case 307:
        return "Temporary Redirect";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Other";
    }
}

bool SendAll(SOCKET s, const char* data, size_t size) {
    while (size > 0) {
        const int sent = send(s, data, static_cast<int>(std::min<size_t>(size, 1 << 20)), 0);
        if (sent <= 0) return false;
        data += sent;
        size -= sent;
    }
    return true;
}

SOCKET BoundLoopbackSocket(unsigned short& port) {
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof(address);
    if (s == INVALID_SOCKET || bind(s, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return INVALID_SOCKET;
    port = ntohs(address.sin_port);
    return s;
}

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::string Base64(const std::string& bytes) {
    const auto* data = reinterpret_cast<const BYTE*>(bytes.data());
    const DWORD flags = CRYPT_STRING_BASE64 | CRYPT_STRING_NOCRLF;
    DWORD length = 0;
    CryptBinaryToStringA(data, static_cast<DWORD>(bytes.size()), flags, nullptr, &length);
    std::string text(length, '\0');
    CryptBinaryToStringA(data, static_cast<DWORD>(bytes.size()), flags, text.data(), &length);
    text.resize(length);
    return text;
}

// The server's rule (RFC 9110, 13.2.2): If-None-Match decides when it is
// there; If-Modified-Since counts only without it.
bool NotModified(const TestAnswer& answer, const ReceivedRequest& request) {
    if (answer.ignoresConditions || answer.status != 200) return false;
    if (const std::optional<std::string> match = request.Header("If-None-Match"))
        return !answer.etag.empty() && *match == answer.etag;
    const std::optional<std::string> since = request.Header("If-Modified-Since");
    return since && !answer.lastModified.empty() && *since == answer.lastModified;
}

// "GET /path HTTP/1.1" CR LF, then "Name: value" lines, up to the blank line.
ReceivedRequest ParseHead(const std::string& head) {
    ReceivedRequest request;
    size_t start = 0;
    for (size_t end; (end = head.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::string line = head.substr(start, end - start);
        if (start == 0)
            request.line = std::move(line);
        else
            request.headers.push_back(std::move(line));
    }
    return request;
}

}  // namespace

TestAnswer TestAnswer::Body(std::string body) {
    TestAnswer a;
    a.body = std::move(body);
    return a;
}

TestAnswer TestAnswer::Status(int status) {
    TestAnswer a;
    a.status = status;
    a.body = "<html>error " + std::to_string(status) + "</html>";
    return a;
}

TestAnswer TestAnswer::CutShort(std::string body, size_t sent) {
    TestAnswer a = Body(std::move(body));
    a.cutAfter = sent;
    return a;
}

TestAnswer TestAnswer::Slowly(std::string body, size_t pieceBytes, DWORD pauseMs) {
    TestAnswer a = Body(std::move(body));
    a.pieceBytes = pieceBytes;
    a.pauseMs = pauseMs;
    return a;
}

TestAnswer TestAnswer::FastThenSlowly(std::string body, size_t sentAtOnce, size_t pieceBytes, DWORD pauseMs) {
    TestAnswer a = Slowly(std::move(body), pieceBytes, pauseMs);
    a.sentAtOnce = sentAtOnce;
    return a;
}

TestAnswer TestAnswer::Held(std::string body, size_t sentFirst) {
    TestAnswer a = Body(std::move(body));
    a.pieceBytes = sentFirst;
    a.held = true;
    return a;
}

TestAnswer TestAnswer::Silent() { return HeadStalls(0); }

TestAnswer TestAnswer::HeadStalls(size_t sentFirst) {
    TestAnswer a = Body("never sent");
    a.headStallsAfter = sentFirst;
    return a;
}

TestAnswer TestAnswer::HeadTrickles(DWORD pauseMs) {
    TestAnswer a = Body("late");
    a.headPauseMs = pauseMs;
    return a;
}

TestAnswer TestAnswer::BodyStalls(std::string body, size_t sentFirst) {
    TestAnswer a = Body(std::move(body));
    a.pieceBytes = sentFirst;
    a.bodyStalls = true;
    return a;
}

TestAnswer TestAnswer::Redirect(int status, const std::string& location) {
    TestAnswer a = Body("<html>moved</html>");
    a.status = status;
    if (!location.empty()) a.headers.push_back("Location: " + location);
    return a;
}

TestAnswer TestAnswer::Chunked(std::string body) {
    TestAnswer a = Body(std::move(body));
    a.chunked = true;
    return a;
}

TestAnswer TestAnswer::Raw(std::string bytes) {
    TestAnswer a;
    a.raw = std::move(bytes);
    return a;
}

TestAnswer TestAnswer::BasicAuth(std::string credentials, std::string body) {
    TestAnswer a = Body(std::move(body));
    a.basicCredentials = std::move(credentials);
    return a;
}

TestAnswer TestAnswer::Validated(std::string body, std::string etag, std::string lastModified) {
    TestAnswer a = Body(std::move(body));
    a.etag = std::move(etag);
    a.lastModified = std::move(lastModified);
    return a;
}

std::string ChunkedBytes(const std::vector<std::string>& pieces, bool finalChunk) {
    std::string bytes;
    for (const std::string& piece : pieces) {
        char length[20];
        snprintf(length, sizeof length, "%zx\r\n", piece.size());
        bytes += length + piece + "\r\n";
    }
    return finalChunk ? bytes + "0\r\n\r\n" : bytes;
}

std::string ReceivedRequest::Target() const {
    const size_t start = line.find(' ') + 1;
    return line.substr(start, line.find(' ', start) - start);
}

std::optional<std::string> ReceivedRequest::Header(const std::string& name) const {
    for (const std::string& header : headers) {
        if (header.size() > name.size() && header[name.size()] == ':' &&
            _strnicmp(header.c_str(), name.c_str(), name.size()) == 0) {
            const size_t value = header.find_first_not_of(' ', name.size() + 1);
            return value == std::string::npos ? "" : header.substr(value);
        }
    }
    return std::nullopt;
}

TestHttpServer::TestHttpServer() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = BoundLoopbackSocket(port_);
    reserved_ = BoundLoopbackSocket(closedPort_);
    if (listener_ != INVALID_SOCKET) listen(listener_, SOMAXCONN);
    acceptor_ = std::thread([this] { AcceptConnections(); });
}

TestHttpServer::~TestHttpServer() {
    {
        // Under the lock, so a waiter cannot miss the wake-up below.
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    acceptor_.join();
    {
        std::lock_guard lock(mutex_);
        // Wakes conversations blocked in send.
        for (SOCKET client : clients_) shutdown(client, SD_BOTH);
    }
    released_.notify_all();
    for (std::thread& conversation : conversations_) conversation.join();
    closesocket(listener_);
    closesocket(reserved_);
    WSACleanup();
}

void TestHttpServer::Serve(const std::string& path, TestAnswer answer) {
    std::lock_guard lock(mutex_);
    answers_[path] = std::move(answer);
    releasedPaths_.erase(path);
}

void TestHttpServer::Release(const std::string& path) {
    {
        std::lock_guard lock(mutex_);
        releasedPaths_.insert(path);
    }
    released_.notify_all();
}

bool TestHttpServer::Holding(const std::string& path) const {
    std::lock_guard lock(mutex_);
    // Released counts at once, though the sending thread may not have woken yet.
    return holdingPaths_.contains(path) && !releasedPaths_.contains(path);
}

int TestHttpServer::Requests(const std::string& path) const {
    std::lock_guard lock(mutex_);
    const auto found = requests_.find(path);
    return found == requests_.end() ? 0 : found->second;
}

int TestHttpServer::Connections() const {
    std::lock_guard lock(mutex_);
    return connections_;
}

std::vector<ReceivedRequest> TestHttpServer::Received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

std::wstring TestHttpServer::Url(const std::string& path) const {
    return L"http://127.0.0.1:" + std::to_wstring(port_) + Widen(path);
}

std::wstring TestHttpServer::UnreachableUrl(const std::string& path) const {
    return L"http://127.0.0.1:" + std::to_wstring(closedPort_) + Widen(path);
}

bool TestHttpServer::WaitUntilReadable(SOCKET s) {
    while (!stopping_) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(s, &readable);
        timeval timeout{0, kPollMs * 1000};
        const int ready = select(0, &readable, nullptr, nullptr, &timeout);
        if (ready != 0) return ready > 0;
    }
    return false;
}

void TestHttpServer::AcceptConnections() {
    while (WaitUntilReadable(listener_)) {
        const SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) continue;
        // The head and the body go out in separate sends; without this the
        // body waits for the client's delayed acknowledgement.
        const BOOL noDelay = TRUE;
        setsockopt(client, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&noDelay), sizeof(noDelay));
        std::lock_guard lock(mutex_);
        clients_.insert(client);
        ++connections_;
        conversations_.emplace_back([this, client] { Converse(client); });
    }
}

void TestHttpServer::Converse(SOCKET client) {
    std::string received;
    char chunk[4096];
    for (;;) {
        const size_t end = received.find("\r\n\r\n");
        if (end == std::string::npos) {
            if (!WaitUntilReadable(client)) break;
            const int got = recv(client, chunk, sizeof(chunk), 0);
            if (got <= 0) break;
            received.append(chunk, got);
            continue;
        }
        const ReceivedRequest request = ParseHead(received.substr(0, end + 2));
        received.erase(0, end + 4);
        if (!Answer(client, request)) break;
    }
    {
        std::lock_guard lock(mutex_);
        clients_.erase(client);
    }
    closesocket(client);
}

bool TestHttpServer::Answer(SOCKET client, const ReceivedRequest& request) {
    const std::string path = request.Target();
    TestAnswer answer = TestAnswer::Status(404);
    {
        std::lock_guard lock(mutex_);
        ++requests_[path];
        received_.push_back(request);
        if (const auto found = answers_.find(path); found != answers_.end()) answer = found->second;
    }
    if (answer.raw) {
        const size_t piece = answer.pieceBytes ? answer.pieceBytes : answer.raw->size();
        for (size_t offset = 0; offset < answer.raw->size() && !stopping_; offset += piece) {
            if (offset) Sleep(answer.pauseMs);
            if (!SendAll(client, answer.raw->data() + offset, std::min(piece, answer.raw->size() - offset))) break;
        }
        return false;
    }
    if (answer.basicCredentials && request.Header("Authorization") != "Basic " + Base64(*answer.basicCredentials)) {
        answer = TestAnswer::Status(401);
        answer.headers.push_back(std::string("WWW-Authenticate: Basic realm=\"") + kRealm + "\"");
    }
    std::string validators;
    if (!answer.etag.empty()) validators += "ETag: " + answer.etag + "\r\n";
    if (!answer.lastModified.empty()) validators += "Last-Modified: " + answer.lastModified + "\r\n";
    // A 304 never has a body, asked for or not.
    if (answer.status == 304 || NotModified(answer, request)) {
        const std::string notModified = "HTTP/1.1 304 Not Modified\r\n" + validators + "\r\n";
        return SendAll(client, notModified.data(), notModified.size());
    }
    std::string head = "HTTP/1.1 " + std::to_string(answer.status) + " " + Reason(answer.status) +
                       "\r\nContent-Type: application/octet-stream\r\n" + validators;
    for (const std::string& header : answer.headers) head += header + "\r\n";
    if (answer.chunked)
        head += "Transfer-Encoding: chunked\r\n";
    else
        head += "Content-Length: " + answer.contentLength.value_or(std::to_string(answer.body.size())) + "\r\n";
    head += "\r\n";
    if (answer.headStallsAfter) {
        SendAll(client, head.data(), std::min(*answer.headStallsAfter, head.size()));
        WaitForRelease(path, kStallLimitMs);
        return false;
    }
    for (size_t sent = 0; answer.headPauseMs && sent < head.size(); ++sent) {
        if (stopping_ || !SendAll(client, head.data() + sent, 1)) return false;
        Sleep(answer.headPauseMs);
    }
    if (!answer.headPauseMs && !SendAll(client, head.data(), head.size())) return false;
    return SendBody(client, path, answer);
}

// True when the whole body went out and the connection can serve the next request.
bool TestHttpServer::SendBody(SOCKET client, const std::string& path, const TestAnswer& answer) {
    const size_t end = std::min(answer.cutAfter, answer.body.size());
    const size_t piece = answer.pieceBytes ? answer.pieceBytes : std::max<size_t>(answer.body.size(), 1);
    for (size_t offset = 0, size = 0; offset < end; offset += size) {
        size = std::min(offset == 0 && answer.sentAtOnce ? answer.sentAtOnce : piece, end - offset);
        std::string bytes = answer.body.substr(offset, size);
        if (answer.chunked) {
            char length[20];
            snprintf(length, sizeof length, "%zx\r\n", size);
            bytes = length + bytes + "\r\n";
        }
        if (!SendAll(client, bytes.data(), bytes.size())) return false;
        if (offset == 0 && answer.bodyStalls) {
            WaitForRelease(path, kStallLimitMs);
            return false;
        }
        if (offset == 0 && answer.held)
            WaitForRelease(path, kHoldLimitMs);
        else if (answer.pauseMs && offset + size < end)
            Sleep(answer.pauseMs);
    }
    if (end < answer.body.size()) return false;
    return !answer.chunked || SendAll(client, "0\r\n\r\n", 5);
}

void TestHttpServer::WaitForRelease(const std::string& path, DWORD limitMs) {
    std::unique_lock lock(mutex_);
    const auto holding = holdingPaths_.insert(path);
    released_.wait_for(lock, std::chrono::milliseconds(limitMs),
                       [&] { return stopping_ || releasedPaths_.contains(path); });
    holdingPaths_.erase(holding);
}
