#include "sendrel/Download.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <mutex>

#include "runtime/ComServer.h"
#include "runtime/Pump.h"
#include "runtime/ScopedWin.h"

namespace aSendrel {

namespace {

unsigned g_timeLimit = kTimeLimitMs;

// What one request shares with the library's status callback, which runs on
// the library's threads. The request's steps complete into it: the library
// writes the counts and the buffer when a step finishes later, so they live
// here and not on the caller's stack. The callback's completion and the
// request's question whether a step still runs take one lock, so the
// request never frees the exchange while a completion is still signalling.
class Exchange {
public:
    Exchange() : done_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
    Exchange(const Exchange&) = delete;
    Exchange& operator=(const Exchange&) = delete;

    DWORD_PTR Context() noexcept { return reinterpret_cast<DWORD_PTR>(this); }
    // Signalled when a step that went on in the background is over.
    HANDLE Done() const noexcept { return done_.Get(); }
    void Completed(DWORD_PTR result)
    {
        std::lock_guard<std::mutex> hold(lock_);
        result_ = result;
        pending_ = false;
        SetEvent(done_.Get());
    }
    bool Succeeded()
    {
        std::lock_guard<std::mutex> hold(lock_);
        return result_ != 0;
    }
    // Before a step that may go on in the background.
    void Begin()
    {
        std::lock_guard<std::mutex> hold(lock_);
        ResetEvent(done_.Get());
        pending_ = true;
    }
    // The step finished at once.
    void Ended()
    {
        std::lock_guard<std::mutex> hold(lock_);
        pending_ = false;
    }
    // Whether a step goes on in the background now.
    bool Pending()
    {
        std::lock_guard<std::mutex> hold(lock_);
        return pending_;
    }

    char buffer[2048] = {};
    DWORD count = 0;

private:
    Runtime::ScopedHandle done_;
    std::mutex lock_;
    DWORD_PTR result_ = 0;
    bool pending_ = false;
};

void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD)
{
    auto* exchange = reinterpret_cast<Exchange*>(context);
    if (exchange && status == INTERNET_STATUS_REQUEST_COMPLETE && info)
        exchange->Completed(static_cast<INTERNET_ASYNC_RESULT*>(info)->dwResult);
}

// An internet handle that closes itself.
class InternetHandle {
public:
    explicit InternetHandle(HINTERNET h = nullptr) noexcept : h_(h) {}
    ~InternetHandle() { Reset(); }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    HINTERNET Get() const noexcept { return h_; }
    void Reset(HINTERNET h = nullptr) noexcept
    {
        if (h_) InternetCloseHandle(h_);
        h_ = h;
    }
    // Closes the handle with no more calls to the status callback: the
    // server may be gone before the library is done with the handle.
    void Detach() noexcept
    {
        if (h_) InternetSetStatusCallbackA(h_, nullptr);
        Reset();
    }

private:
    HINTERNET h_;
};

enum class Step { Done, Failed, Stopped };

// What a fetch ends with when one of its steps did not get done.
Fetched Unfinished(Step step)
{
    return step == Step::Stopped ? Fetched::Cancelled : Fetched::Failed;
}

// Waits until `event` is signalled, processing window messages meanwhile.
// Stopped as soon as `stop` says so, Failed when the deadline passes first.
// Once WM_QUIT was seen (posted again for the outer loop, it would wake every
// wait at once), messages are processed in turns of 50 ms instead.
Step Await(HANDLE event, ULONGLONG deadline, const std::function<bool()>& stop)
{
    bool quitSeen = false;
    for (;;) {
        if (stop()) return Step::Stopped;
        ULONGLONG now = GetTickCount64();
        if (now >= deadline) return Step::Failed;
        DWORD left = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, quitSeen ? 50 : 60000));
        DWORD woke = quitSeen ? WaitForSingleObject(event, left)
                              : MsgWaitForMultipleObjectsEx(1, &event, left, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0) return stop() ? Step::Stopped : Step::Done;
        if (woke == WAIT_FAILED) return Step::Failed;
        if (quitSeen || woke == WAIT_OBJECT_0 + 1) quitSeen = !Runtime::DoEvents() || quitSeen;
    }
}

// The parts of an http or https address; false for any other address.
struct Address {
    bool secure = false;
    std::string host;
    INTERNET_PORT port = 0;
    std::string path; // with its query
};

bool Crack(const std::string& url, Address& address)
{
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwSchemeLength = 1;
    parts.dwHostNameLength = 1;
    parts.dwUrlPathLength = 1;
    parts.dwExtraInfoLength = 1;
    if (!InternetCrackUrlA(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) return false;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return false;
    if (!parts.lpszHostName || parts.dwHostNameLength == 0) return false;
    address.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    address.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    address.port = parts.nPort;
    if (parts.lpszUrlPath) address.path.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    if (parts.lpszExtraInfo) address.path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (address.path.empty()) address.path = "/";
    return true;
}

bool IsRedirect(DWORD status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// The address `location` stands for, seen from `base`; empty when none.
std::string Combine(const std::string& base, const std::string& location)
{
    DWORD length = 0;
    InternetCombineUrlA(base.c_str(), location.c_str(), nullptr, &length, 0);
    if (length == 0) return {};
    std::string combined(length + 1, '\0');
    if (!InternetCombineUrlA(base.c_str(), location.c_str(), combined.data(), &length, 0)) return {};
    combined.resize(length);
    return combined;
}

// One HTTP request of a fetch: its connection and request handles, made
// with one exchange, and its steps.
class Request {
public:
    Request(ULONGLONG deadline, const std::function<bool()>& stop)
        : exchange_(new Exchange()), deadline_(deadline), stop_(stop)
    {
    }
    ~Request()
    {
        request_.Detach();
        connect_.Detach();
        // A step left running (the server kept it waiting) may still write
        // into the exchange when the library gives up on it, after the
        // receive time-out: the exchange is left to it then, a few
        // kilobytes, rather than freed under it.
        if (!exchange_->Pending()) delete exchange_;
    }
    Request(const Request&) = delete;
    Request& operator=(const Request&) = delete;

    // Connects, sends the request and waits for the reply's header.
    Step Send(HINTERNET internet, const Address& address)
    {
        connect_.Reset(InternetConnectA(internet, address.host.c_str(), address.port, nullptr, nullptr,
                                        INTERNET_SERVICE_HTTP, 0, exchange_->Context()));
        if (!connect_.Get()) return Step::Failed;
        DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_AUTO_REDIRECT |
                      INTERNET_FLAG_NO_UI | (address.secure ? INTERNET_FLAG_SECURE : 0);
        // HTTP/1.0: the reply then comes with its length or ends with the
        // connection, not in chunks. The library reads a chunked body cut
        // short inside a chunk as a whole one and shows nothing of the
        // chunks, so a cut could not be told from the end.
        request_.Reset(HttpOpenRequestA(connect_.Get(), "GET", address.path.c_str(), "HTTP/1.0", nullptr, nullptr,
                                        flags, exchange_->Context()));
        if (!request_.Get()) return Step::Failed;
        exchange_->Begin();
        return Finish(HttpSendRequestA(request_.Get(), nullptr, 0, nullptr, 0));
    }

    // A number from the reply's header (`query` is an HTTP_QUERY_ value).
    bool HeaderNumber(DWORD query, DWORD& number) const
    {
        DWORD size = sizeof(number);
        return HttpQueryInfoA(request_.Get(), query | HTTP_QUERY_FLAG_NUMBER, &number, &size, nullptr) != FALSE;
    }

    std::string Location() const
    {
        std::string text(256, '\0');
        for (;;) {
            DWORD size = static_cast<DWORD>(text.size());
            if (HttpQueryInfoA(request_.Get(), HTTP_QUERY_LOCATION, text.data(), &size, nullptr)) {
                text.resize(size);
                return text;
            }
            if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= text.size()) return {};
            text.resize(size);
        }
    }

    // Reads the body into `bytes`. Failed on a read error, a body longer
    // than `maxBytes`, or one that ends before the length its header
    // announced.
    Fetched ReadBody(std::size_t maxBytes, std::string& bytes)
    {
        DWORD announced = 0;
        bool hasLength = HeaderNumber(HTTP_QUERY_CONTENT_LENGTH, announced);
        if (hasLength && announced > maxBytes) return Fetched::Failed;
        for (;;) {
            Runtime::DoEvents();
            if (stop_()) return Fetched::Cancelled;
            // What the library holds now; when nothing yet, it tells when
            // something came (or the body ended), and is asked again.
            exchange_->Begin();
            BOOL now = InternetQueryDataAvailable(request_.Get(), &exchange_->count, 0, 0);
            Step step = Finish(now);
            if (step != Step::Done) return Unfinished(step);
            if (!now) continue;
            if (exchange_->count == 0) break;
            DWORD wanted = std::min<DWORD>(exchange_->count, sizeof(exchange_->buffer));
            exchange_->count = 0;
            exchange_->Begin();
            step = Finish(InternetReadFile(request_.Get(), exchange_->buffer, wanted, &exchange_->count));
            if (step != Step::Done) return Unfinished(step);
            if (exchange_->count == 0) break;
            if (bytes.size() + exchange_->count > maxBytes) return Fetched::Failed;
            bytes.append(exchange_->buffer, exchange_->count);
        }
        return hasLength && bytes.size() != announced ? Fetched::Failed : Fetched::Complete;
    }

private:
    // The outcome of a library call that may go on in the background
    // (`started` false with ERROR_IO_PENDING): waits for it then.
    Step Finish(BOOL started)
    {
        DWORD error = started ? ERROR_SUCCESS : GetLastError();
        if (error != ERROR_IO_PENDING) exchange_->Ended();
        if (started) return Step::Done;
        if (error != ERROR_IO_PENDING) return Step::Failed;
        Step step = Await(exchange_->Done(), deadline_, stop_);
        if (step != Step::Done) return step;
        return exchange_->Succeeded() ? Step::Done : Step::Failed;
    }

    // The library may call back into the server while the request is open.
    Runtime::ComServer::ObjectLock lock_;
    Exchange* exchange_;
    ULONGLONG deadline_;
    const std::function<bool()>& stop_;
    InternetHandle connect_;
    InternetHandle request_;
};

void SetTimeouts(HINTERNET internet, DWORD milliseconds)
{
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
        InternetSetOptionA(internet, option, &milliseconds, sizeof(milliseconds));
}

} // namespace

unsigned SetTimeLimit(unsigned milliseconds) noexcept
{
    unsigned previous = g_timeLimit;
    g_timeLimit = milliseconds ? milliseconds : kTimeLimitMs;
    return previous;
}

Fetched Download(const std::string& address, std::size_t maxBytes, const std::function<bool()>& stop,
                 std::string& bytes)
{
    const DWORD limit = g_timeLimit;
    const ULONGLONG deadline = GetTickCount64() + limit;
    InternetHandle internet(InternetOpenA("", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, INTERNET_FLAG_ASYNC));
    Runtime::DoEvents();
    if (stop()) return Fetched::Cancelled;
    if (!internet.Get()) return Fetched::Failed;
    // The handles made from it take its callback.
    InternetSetStatusCallbackA(internet.Get(), OnStatus);
    SetTimeouts(internet.Get(), limit);
    std::string url = address;
    for (int redirects = 0;; ++redirects) {
        Address parts;
        if (!Crack(url, parts)) return Fetched::Failed;
        Request request(deadline, stop);
        Step sent = request.Send(internet.Get(), parts);
        if (sent != Step::Done) return Unfinished(sent);
        DWORD status = 0;
        if (!request.HeaderNumber(HTTP_QUERY_STATUS_CODE, status)) return Fetched::Failed;
        if (IsRedirect(status)) {
            if (redirects == kMaxRedirects) return Fetched::Failed;
            url = Combine(url, request.Location());
            continue;
        }
        // An error page is not the version file, though it has a body.
        if (status < 200 || status >= 300) return Fetched::Failed;
        return request.ReadBody(maxBytes, bytes);
    }
}

} // namespace aSendrel
