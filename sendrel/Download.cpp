#include "sendrel/Download.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

#include "runtime/Pump.h"
#include "runtime/ScopedWin.h"
#include "runtime/SlimLock.h"

namespace aSendrel {

namespace {

unsigned g_timeLimit = kTimeLimitMs;

void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD);

// Keeps the internet library, and this server, loaded for the rest of the
// process once a fetch has used them. After a fetch has closed its handles,
// the library's worker threads may still run inside it for as long as a
// server holds on (a connection or a TLS handshake that never gets an
// answer), with the socket and security libraries it brought in, and may
// still call the status callback here: nothing tells when they are done,
// and a callback's last instructions run after anything it could signal.
// Unloading either would pull code from under a running thread.
void PinLibraries()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, L"wininet.dll", &module);
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                       reinterpret_cast<LPCWSTR>(&OnStatus), &module);
}

// What one request shares with the library: the news that a step left to
// the background is over, and every place the library writes a step's
// outcome into. A step the request gave up on (cancelled, out of time)
// still ends in the library later, which then writes here and signals; so
// the exchange lives until the library has sent the closing notice of each
// handle made with the request's context number, the last thing it does
// for a handle, after every operation on it has ended.
struct Exchange {
    Runtime::ScopedHandle done{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    DWORD_PTR result = 0;
    DWORD available = 0;
    DWORD count = 0;
    char bytes[2048];
    int handles = 0;        // made with the context, their closing notice still to come
    bool released = false;  // the request is over
};

// The exchanges alive, by the context number each request gives the
// library. The library holds the number, not an address.
Runtime::SlimLock g_exchangesLock;
std::map<DWORD_PTR, std::unique_ptr<Exchange>> g_exchanges;
DWORD_PTR g_lastContext = 0;

// Under the lock: drops the exchange once both its request and the library
// are done with it.
void DropIfDone(std::map<DWORD_PTR, std::unique_ptr<Exchange>>::iterator found)
{
    if (found->second->released && found->second->handles == 0) g_exchanges.erase(found);
}

void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD)
{
    if (status != INTERNET_STATUS_REQUEST_COMPLETE && status != INTERNET_STATUS_HANDLE_CLOSING) return;
    std::lock_guard<Runtime::SlimLock> hold(g_exchangesLock);
    auto found = g_exchanges.find(context);
    if (found == g_exchanges.end()) return;
    Exchange& exchange = *found->second;
    if (status == INTERNET_STATUS_HANDLE_CLOSING) {
        --exchange.handles;
        DropIfDone(found);
    } else if (info) {
        exchange.result = static_cast<INTERNET_ASYNC_RESULT*>(info)->dwResult;
        SetEvent(exchange.done.Get());
    }
}

// An internet handle that closes itself. Its status callback stays: the
// library reads the callback's address more than once before it calls it,
// so clearing it while one of its threads is about to call back could make
// it call nothing at all; the callback's code stays loaded (PinLibraries)
// and finds nothing of a request that is over.
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
// Stopped as soon as `stop` says so or WM_QUIT comes (the thread is ending:
// the quit is posted again for the outer loop), Failed when the deadline
// passes first.
Step Await(HANDLE event, ULONGLONG deadline, const std::function<bool()>& stop)
{
    for (;;) {
        if (stop()) return Step::Stopped;
        ULONGLONG now = GetTickCount64();
        if (now >= deadline) return Step::Failed;
        DWORD left = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 60000));
        DWORD woke = MsgWaitForMultipleObjectsEx(1, &event, left, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0) return stop() ? Step::Stopped : Step::Done;
        if (woke == WAIT_FAILED) return Step::Failed;
        if (woke == WAIT_OBJECT_0 + 1 && !Runtime::DoEvents()) return Step::Stopped;
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

// The connect, send and receive time-outs of `handle`: set on the session
// for the handles made from it, and on each request, where alone the library
// takes the send and receive time-outs under Wine. A request whose server
// never answers then also ends inside the library, at the fetch's deadline,
// instead of holding one of its threads and a socket until the server lets
// go, after the fetch has long returned.
void SetTimeouts(HINTERNET handle, DWORD milliseconds)
{
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
        InternetSetOptionA(handle, option, &milliseconds, sizeof(milliseconds));
}

// One HTTP request of a fetch: its connection and request handles, made
// with one context number, and its steps.
class Request {
public:
    Request(ULONGLONG deadline, const std::function<bool()>& stop) : deadline_(deadline), stop_(stop)
    {
        auto exchange = std::make_unique<Exchange>();
        exchange_ = exchange.get();
        std::lock_guard<Runtime::SlimLock> hold(g_exchangesLock);
        context_ = ++g_lastContext;
        g_exchanges.emplace(context_, std::move(exchange));
    }
    ~Request()
    {
        request_.Reset();
        connect_.Reset();
        std::lock_guard<Runtime::SlimLock> hold(g_exchangesLock);
        auto found = g_exchanges.find(context_);
        found->second->released = true;
        DropIfDone(found);
    }
    Request(const Request&) = delete;
    Request& operator=(const Request&) = delete;

    // Connects, sends the request and waits for the reply's header.
    Step Send(HINTERNET internet, const Address& address)
    {
        Keep(connect_, InternetConnectA(internet, address.host.c_str(), address.port, nullptr, nullptr,
                                        INTERNET_SERVICE_HTTP, 0, context_));
        if (!connect_.Get()) return Step::Failed;
        DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_AUTO_REDIRECT |
                      INTERNET_FLAG_NO_UI | (address.secure ? INTERNET_FLAG_SECURE : 0);
        // HTTP/1.0: the reply then comes with its length or ends with the
        // connection, not in chunks. The library reads a chunked body cut
        // short inside a chunk as a whole one and shows nothing of the
        // chunks, so a cut could not be told from the end.
        Keep(request_, HttpOpenRequestA(connect_.Get(), "GET", address.path.c_str(), "HTTP/1.0", nullptr, nullptr,
                                        flags, context_));
        if (!request_.Get()) return Step::Failed;
        ULONGLONG now = GetTickCount64();
        SetTimeouts(request_.Get(), static_cast<DWORD>(deadline_ > now ? deadline_ - now : 1));
        Arm();
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
            if (!Runtime::DoEvents() || stop_()) return Fetched::Cancelled;
            // What the library holds now. When nothing yet, it tells when
            // something came or the body ended, and is asked again.
            Arm();
            BOOL now = InternetQueryDataAvailable(request_.Get(), &exchange_->available, 0, 0);
            Step step = Finish(now);
            if (step != Step::Done) return Unfinished(step);
            if (!now) continue;
            if (exchange_->available == 0) break;
            DWORD wanted = std::min<DWORD>(exchange_->available, sizeof(exchange_->bytes));
            exchange_->count = 0;
            Arm();
            step = Finish(InternetReadFile(request_.Get(), exchange_->bytes, wanted, &exchange_->count));
            if (step != Step::Done) return Unfinished(step);
            if (exchange_->count == 0) break;
            if (bytes.size() + exchange_->count > maxBytes) return Fetched::Failed;
            bytes.append(exchange_->bytes, exchange_->count);
        }
        return hasLength && bytes.size() != announced ? Fetched::Failed : Fetched::Complete;
    }

private:
    // Takes a handle the library made with this request's context number:
    // its closing notice is counted.
    void Keep(InternetHandle& handle, HINTERNET made)
    {
        handle.Reset(made);
        if (!made) return;
        std::lock_guard<Runtime::SlimLock> hold(g_exchangesLock);
        ++exchange_->handles;
    }

    // Before a library call that may go on in the background: no earlier
    // news stands for its end.
    void Arm() { ResetEvent(exchange_->done.Get()); }

    // The outcome of a library call that may go on in the background
    // (`started` false with ERROR_IO_PENDING): waits for it then.
    Step Finish(BOOL started)
    {
        if (started) return Step::Done;
        if (GetLastError() != ERROR_IO_PENDING) return Step::Failed;
        Step step = Await(exchange_->done.Get(), deadline_, stop_);
        if (step != Step::Done) return step;
        std::lock_guard<Runtime::SlimLock> hold(g_exchangesLock);
        return exchange_->result ? Step::Done : Step::Failed;
    }

    Exchange* exchange_ = nullptr; // owned by g_exchanges
    DWORD_PTR context_ = 0;
    ULONGLONG deadline_;
    const std::function<bool()>& stop_;
    InternetHandle connect_;
    InternetHandle request_;
};

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
    PinLibraries();
    InternetHandle internet(InternetOpenA("", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, INTERNET_FLAG_ASYNC));
    if (!Runtime::DoEvents() || stop()) return Fetched::Cancelled;
    if (!internet.Get()) return Fetched::Failed;
    // The handles made from it take its callback. The session itself has
    // no context number, so the library calls nothing for it.
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
