#pragma once
// A small HTTP server on 127.0.0.1 for the update check's tests: it answers
// every request in the way the test chose, each connection on a thread of
// its own, so that a connection the client left hanging holds up nothing.
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace TestSupport {

class HttpTestServer {
public:
    enum class Reply {
        Body,          // 200 with the body
        NotFound,      // 404 with the body (an error page)
        ServerError,   // 500 with the body
        CloseMidBody,  // announces twice the body's length, sends the body, closes
        Halves,        // sends half the body, calls Midway, then the rest
        Endless,       // announces 100 MB and sends until the client goes away
        Unannounced,   // no length; sends up to 100 MB until the client goes away
        Silent,        // reads the request and never answers
        Drip,          // announces the body's length, then sends it a byte every DripInterval ms
        Chunked,       // the body in two chunks and the last (empty) chunk (HTTP/1.0: no length, then closes)
        CutChunk,      // announces a chunk (HTTP/1.0: a body) twice the body's length, sends the body, closes
        RedirectLoop,  // 302 to the address asked for
        Redirects,     // "/r/N" gives 302 to "/r/N-1"; "/r/0" the body
        Hang,          // takes whatever comes (an https client's hello too) and never answers, until Drop
    };

    HttpTestServer();
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    bool Listening() const noexcept { return listener_ != ~0ull; }
    std::wstring Url(const std::wstring& path = L"/version.txt") const;
    // The same server as an https address: a TLS client's hello gets no answer but Hang's.
    std::wstring SecureUrl(const std::wstring& path = L"/version.txt") const;
    void Serve(Reply reply, std::string body);
    int Requests() const noexcept { return requests_; }
    // Connections accepted so far, and those of them open now.
    int Accepted() const noexcept { return accepted_; }
    int Open();
    // Closes every connection open now, and unless `laterOnesToo` is false
    // from then on each new one as soon as it is accepted: a hung server
    // that lets go at last.
    void Drop(bool laterOnesToo = true);
    // Called on the connection's thread between the halves of a Halves
    // reply, when a Silent or Drip reply has begun, and when a Hang
    // connection's first bytes came.
    std::function<void()> Midway;
    std::atomic<int> DripInterval{1000};

private:
    void Run();
    void Answer(unsigned long long connection);
    // Waits `milliseconds`, or less when the server is going; false then.
    bool Pause(int milliseconds);

    unsigned long long listener_ = ~0ull; // a SOCKET
    int port_ = 0;
    std::mutex mutex_;
    Reply reply_ = Reply::Body;
    std::string body_;
    std::atomic<int> requests_{0};
    std::atomic<int> accepted_{0};
    bool dropping_ = false; // under mutex_
    std::thread thread_;
    // The connections being answered (SOCKETs), and their threads.
    std::vector<unsigned long long> connections_;
    std::vector<std::thread> answering_;
    void* stopping_ = nullptr; // an event, set when the server goes
};

} // namespace TestSupport
