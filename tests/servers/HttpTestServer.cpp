#include "tests/servers/HttpTestServer.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace TestSupport {

namespace {

bool SendAll(SOCKET s, const std::string& bytes)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        int n = send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// The reply's header; a negative length announces none.
std::string Header(const char* status, long long length)
{
    std::string header = std::string("HTTP/1.1 ") + status + "\r\nContent-Type: text/plain\r\n";
    if (length >= 0) header += "Content-Length: " + std::to_string(length) + "\r\n";
    return header + "Cache-Control: no-cache\r\nConnection: close\r\n\r\n";
}

// The header of a chunked reply.
std::string ChunkedHeader()
{
    return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nTransfer-Encoding: chunked\r\n"
           "Cache-Control: no-cache\r\nConnection: close\r\n\r\n";
}

// A chunk of `bytes`, announced as `announced` bytes long.
std::string Chunk(const std::string& bytes, std::size_t announced)
{
    char size[32];
    snprintf(size, sizeof(size), "%zx\r\n", announced);
    return size + bytes + (bytes.size() == announced ? "\r\n" : "");
}

std::string RedirectTo(const std::string& location)
{
    return "HTTP/1.1 302 Found\r\nLocation: " + location + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
}

// The path of a request's first line ("GET /path HTTP/1.1").
std::string RequestPath(const std::string& request)
{
    std::size_t start = request.find(' ');
    if (start == std::string::npos) return {};
    std::size_t end = request.find(' ', start + 1);
    return request.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
}

// Whether the request is one of HTTP/1.1, to which a reply may come in chunks.
bool OneOne(const std::string& request)
{
    std::size_t end = request.find("\r\n");
    return request.substr(0, end).find(" HTTP/1.1") != std::string::npos;
}

// Sends 100 MB after `header`, or less when the client goes away first.
void SendEndless(SOCKET s, const std::string& header)
{
    std::string chunk(64 * 1024, 'x');
    if (!SendAll(s, header)) return;
    for (int i = 0; i < 1600 && SendAll(s, chunk); ++i) {
    }
}

} // namespace

HttpTestServer::HttpTestServer()
{
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int size = sizeof(address);
    if (s == INVALID_SOCKET || bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(s, 8) != 0 || getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        if (s != INVALID_SOCKET) closesocket(s);
        return;
    }
    listener_ = s;
    port_ = ntohs(address.sin_port);
    stopping_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this] { Run(); });
}

HttpTestServer::~HttpTestServer()
{
    if (Listening()) closesocket(static_cast<SOCKET>(listener_));
    if (thread_.joinable()) thread_.join();
    // Connections still answered end now: a silent one waits for the
    // client, which may never come back.
    if (stopping_) SetEvent(stopping_);
    Drop();
    for (std::thread& t : answering_) t.join();
    if (stopping_) CloseHandle(stopping_);
    WSACleanup();
}

std::wstring HttpTestServer::Url(const std::wstring& path) const
{
    return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
}

std::wstring HttpTestServer::SecureUrl(const std::wstring& path) const
{
    return L"https://127.0.0.1:" + std::to_wstring(port_) + path;
}

void HttpTestServer::Serve(Reply reply, std::string body)
{
    std::lock_guard lock(mutex_);
    reply_ = reply;
    body_ = std::move(body);
}

bool HttpTestServer::Pause(int milliseconds)
{
    return WaitForSingleObject(stopping_, static_cast<DWORD>(milliseconds)) == WAIT_TIMEOUT;
}

void HttpTestServer::Run()
{
    for (;;) {
        SOCKET connection = accept(static_cast<SOCKET>(listener_), nullptr, nullptr);
        if (connection == INVALID_SOCKET) return; // the listener was closed
        ++accepted_;
        std::lock_guard lock(mutex_);
        if (dropping_) {
            closesocket(connection);
            continue;
        }
        connections_.push_back(connection);
        answering_.emplace_back([this, connection] {
            Answer(connection);
            shutdown(connection, SD_BOTH);
            {
                std::lock_guard lock(mutex_);
                std::erase(connections_, connection);
                closesocket(connection);
            }
        });
    }
}

int HttpTestServer::Open()
{
    std::lock_guard lock(mutex_);
    return static_cast<int>(connections_.size());
}

void HttpTestServer::Drop(bool laterOnesToo)
{
    std::lock_guard lock(mutex_);
    if (laterOnesToo) dropping_ = true;
    for (unsigned long long c : connections_) shutdown(static_cast<SOCKET>(c), SD_BOTH);
}

void HttpTestServer::Answer(unsigned long long connection)
{
    auto s = static_cast<SOCKET>(connection);
    std::string request;
    char buffer[1024];
    bool hang;
    {
        std::lock_guard lock(mutex_);
        hang = reply_ == Reply::Hang;
    }
    if (hang) {
        // Until the client goes away, or Drop.
        bool first = true;
        while (recv(s, buffer, sizeof(buffer), 0) > 0)
            if (std::exchange(first, false) && Midway) Midway();
        return;
    }
    while (request.find("\r\n\r\n") == std::string::npos) {
        int n = recv(s, buffer, sizeof(buffer), 0);
        if (n <= 0) return;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    ++requests_;
    Reply reply;
    std::string body;
    {
        std::lock_guard lock(mutex_);
        reply = reply_;
        body = body_;
    }
    switch (reply) {
    case Reply::Body:
        SendAll(s, Header("200 OK", static_cast<long long>(body.size())) + body);
        break;
    case Reply::ServerError:
        SendAll(s, Header("500 Internal Server Error", static_cast<long long>(body.size())) + body);
        break;
    case Reply::NotFound:
        SendAll(s, Header("404 Not Found", static_cast<long long>(body.size())) + body);
        break;
    case Reply::CloseMidBody:
        SendAll(s, Header("200 OK", static_cast<long long>(body.size() * 2)) + body);
        break;
    case Reply::Halves: {
        std::size_t half = body.size() / 2;
        if (!SendAll(s, Header("200 OK", static_cast<long long>(body.size())) + body.substr(0, half))) return;
        if (Midway) Midway();
        SendAll(s, body.substr(half));
        break;
    }
    case Reply::Endless:
        SendEndless(s, Header("200 OK", 100ll * 1024 * 1024));
        break;
    case Reply::Unannounced:
        SendEndless(s, Header("200 OK", -1));
        break;
    case Reply::Silent:
        if (Midway) Midway();
        // Until the client goes away (or the server does).
        while (recv(s, buffer, sizeof(buffer), 0) > 0) {
        }
        break;
    case Reply::Drip:
        if (!SendAll(s, Header("200 OK", static_cast<long long>(body.size())))) return;
        if (Midway) Midway();
        for (char byte : body)
            if (!Pause(DripInterval) || !SendAll(s, std::string(1, byte))) return;
        break;
    case Reply::Chunked: {
        // A client of HTTP/1.0 knows no chunks: the body ends with the connection.
        if (!OneOne(request)) {
            SendAll(s, Header("200 OK", -1) + body);
            break;
        }
        std::size_t half = body.size() / 2;
        SendAll(s, ChunkedHeader() + Chunk(body.substr(0, half), half) +
                       Chunk(body.substr(half), body.size() - half) + "0\r\n\r\n");
        break;
    }
    case Reply::CutChunk:
        if (!OneOne(request))
            SendAll(s, Header("200 OK", static_cast<long long>(body.size() * 2)) + body);
        else
            SendAll(s, ChunkedHeader() + Chunk(body, body.size() * 2));
        break;
    case Reply::RedirectLoop:
        SendAll(s, RedirectTo(RequestPath(request)));
        break;
    case Reply::Redirects: {
        std::string path = RequestPath(request);
        int left = path.rfind("/r/", 0) == 0 ? std::atoi(path.c_str() + 3) : 0;
        if (left > 0)
            SendAll(s, RedirectTo("/r/" + std::to_string(left - 1)));
        else
            SendAll(s, Header("200 OK", static_cast<long long>(body.size())) + body);
        break;
    }
    }
}

} // namespace TestSupport
