#pragma once
// A small HTTP server on 127.0.0.1 for the update check's tests: it answers
// every request in the way the test chose, on a thread of its own.
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace TestSupport {

class HttpTestServer {
public:
    enum class Reply {
        Body,          // 200 with the body
        NotFound,      // 404 with the body (an error page)
        CloseMidBody,  // announces twice the body's length, sends the body, closes
        Halves,        // sends half the body, calls Midway, then the rest
        Endless,       // announces 100 MB and sends until the client goes away
        Unannounced,   // no length; sends up to 100 MB until the client goes away
    };

    HttpTestServer();
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    bool Listening() const noexcept { return listener_ != ~0ull; }
    std::wstring Url(const std::wstring& path = L"/version.txt") const;
    void Serve(Reply reply, std::string body);
    int Requests() const noexcept { return requests_; }
    // Called on the server's thread between the halves of a Halves reply.
    std::function<void()> Midway;

private:
    void Run();
    void Answer(unsigned long long connection);

    unsigned long long listener_ = ~0ull; // a SOCKET
    int port_ = 0;
    std::mutex mutex_;
    Reply reply_ = Reply::Body;
    std::string body_;
    std::atomic<int> requests_{0};
    std::thread thread_;
};

} // namespace TestSupport
