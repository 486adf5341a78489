#include "tests/servers/HttpTestServer.h"

#include <winsock2.h>
#include <ws2tcpip.h>

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
    thread_ = std::thread([this] { Run(); });
}

HttpTestServer::~HttpTestServer()
{
    if (Listening()) closesocket(static_cast<SOCKET>(listener_));
    if (thread_.joinable()) thread_.join();
    WSACleanup();
}

std::wstring HttpTestServer::Url(const std::wstring& path) const
{
    return L"http://127.0.0.1:" + std::to_wstring(port_) + path;
}

void HttpTestServer::Serve(Reply reply, std::string body)
{
    std::lock_guard lock(mutex_);
    reply_ = reply;
    body_ = std::move(body);
}

void HttpTestServer::Run()
{
    for (;;) {
        SOCKET connection = accept(static_cast<SOCKET>(listener_), nullptr, nullptr);
        if (connection == INVALID_SOCKET) return; // the listener was closed
        Answer(connection);
        shutdown(connection, SD_BOTH);
        closesocket(connection);
    }
}

void HttpTestServer::Answer(unsigned long long connection)
{
    auto s = static_cast<SOCKET>(connection);
    std::string request;
    char buffer[1024];
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
    }
}

} // namespace TestSupport
