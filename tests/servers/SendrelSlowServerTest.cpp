// The check against servers that are slow or misbehave: silent, dripping,
// redirecting without end, cutting a chunked reply short, failing. Every
// check ends, with -1 when it ran out of time, and the thread's window
// messages (and so a cancel) are handled while it waits. The time limit is
// shortened so that the cases do not wait the full limit each.
#include "tests/servers/PostedCall.h"
#include "tests/servers/SendrelFixture.h"

#include <atomic>
#include <cstdint>

#include "sendrel/Download.h"

namespace {

using namespace TestSupport;
using Reply = HttpTestServer::Reply;

class SendrelSlowServer : public SendrelFixture {
protected:
    static constexpr unsigned kShortLimit = 1500;
    void SetUp() override
    {
        SendrelFixture::SetUp();
        previousLimit_ = aSendrel::SetTimeLimit(kShortLimit);
    }
    void TearDown() override
    {
        aSendrel::SetTimeLimit(previousLimit_);
        SendrelFixture::TearDown();
    }

private:
    unsigned previousLimit_ = 0;
};

// Lays a frame of known bytes over the stack that the caller's calls have
// just given back, holds it `milliseconds`, and counts the 4-byte slots of
// it that changed meanwhile: what something still running behind those
// calls wrote into memory that is no longer theirs.
[[gnu::noinline]] int SlotsWrittenBehindTheCaller(DWORD milliseconds)
{
    constexpr std::uint32_t kKnown = 0xA5C3A5C3u;
    volatile std::uint32_t frame[16384];
    for (auto& slot : frame) slot = kKnown;
    Sleep(milliseconds);
    int written = 0;
    for (auto& slot : frame) written += slot != kKnown;
    return written;
}

TEST_F(SendrelSlowServer, MisbehavingServersGiveMinusOne)
{
    struct {
        const char* name;
        Reply reply;
        std::string body;
        int requests;
    } cases[] = {
        {"silent", Reply::Silent, "", 1},
        {"a byte a second", Reply::Drip, "Version=6.09;Size=1;", 1},
        {"redirect to itself", Reply::RedirectLoop, "", 1 + aSendrel::kMaxRedirects},
        {"chunk cut short", Reply::CutChunk, "Version=6.1", 1},
        {"server error", Reply::ServerError, "Version=9.99;", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.Serve(c.reply, c.body);
        int before = server.Requests();
        Outcome outcome = Check();
        EXPECT_EQ(outcome.hr, S_OK);
        EXPECT_EQ(outcome.result, -1);
        EXPECT_EQ(Narrow(outcome.version), "untouched");
        EXPECT_EQ(Narrow(outcome.size), "-1");
        EXPECT_EQ(server.Requests() - before, c.requests);
    }
}

TEST_F(SendrelSlowServer, SlowOrRedirectedRepliesThatComeWholeAreRead)
{
    server.DripInterval = 5;
    struct {
        const char* name;
        Reply reply;
        const wchar_t* path;
        int result;
        int requests;
    } cases[] = {
        {"chunked", Reply::Chunked, L"/version.txt", 1, 1},
        {"dripping, in time", Reply::Drip, L"/version.txt", 1, 1},
        {"five redirects", Reply::Redirects, L"/r/5", 1, 6},
        {"six redirects", Reply::Redirects, L"/r/6", -1, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.Serve(c.reply, "Version=6.09;Size=1024;");
        SetText(L"RemotePath", server.Url(c.path));
        int before = server.Requests();
        Outcome outcome = Check();
        EXPECT_EQ(outcome.result, c.result);
        if (c.result == 1) {
            EXPECT_EQ(Narrow(outcome.version), "6.09");
            EXPECT_EQ(Narrow(outcome.size), "1024");
        }
        EXPECT_EQ(server.Requests() - before, c.requests);
    }
}

// While the server keeps the check waiting, a message posted to the thread
// is handled at once; Cancel ends the check with -2 (with the full time
// limit, which a cancel that did not work would run into).
TEST_F(SendrelSlowServer, WhileTheServerKeepsItWaitingMessagesAreHandledAndCancelEndsIt)
{
    aSendrel::SetTimeLimit(0);
    for (Reply reply : {Reply::Silent, Reply::Drip}) {
        SCOPED_TRACE(reply == Reply::Silent ? "silent" : "dripping");
        PostedCall canceller(control.Get());
        server.Midway = [&canceller] { canceller.Post(); };
        server.Serve(reply, "Version=6.09;Size=1;");
        Outcome outcome = Check();
        EXPECT_EQ(canceller.calls, 1);
        EXPECT_EQ(outcome.result, -2);
        EXPECT_EQ(Narrow(outcome.version), "untouched");
        server.Midway = nullptr;
    }
}

TEST_F(SendrelSlowServer, AMessagePostedWhileTheServerIsSilentIsHandledBeforeTheTimeRunsOut)
{
    PostedCall poster;
    poster.onPost = [] {};
    server.Midway = [&poster] { poster.Post(); };
    server.Serve(Reply::Silent, "");
    Outcome outcome = Check();
    ULONGLONG ended = GetTickCount64();
    EXPECT_EQ(outcome.result, -1);
    EXPECT_EQ(poster.calls, 1);
    EXPECT_LT(poster.handledAt, ended);
}

// A check started (by the host's window) inside one that was cancelled does
// not undo that cancel: it runs to its own end, and the first then ends
// with -2 rather than waiting on.
TEST_F(SendrelSlowServer, ACheckStartedInsideACancelledOneLeavesItCancelled)
{
    aSendrel::SetTimeLimit(0);
    PostedCall window;
    Outcome inner{};
    window.onPost = [&] {
        Runtime::Variant ignored;
        CallMethod(control.Get(), L"Cancel", {}, ignored);
        server.Serve(Reply::Body, "Version=6.09;");
        inner = Check();
    };
    std::atomic<bool> first{true};
    server.Midway = [&] {
        if (first.exchange(false)) window.Post();
    };
    server.Serve(Reply::Silent, "");
    Outcome outer = Check();
    EXPECT_EQ(window.calls, 1);
    EXPECT_EQ(inner.result, 1);
    EXPECT_EQ(outer.result, -2);
}

// Cancel is one control's: another control's cancel, while the first
// checks, leaves that check waiting on to its own end (here its time limit).
TEST_F(SendrelSlowServer, CancelStopsOnlyItsOwnControlsCheck)
{
    Runtime::ComPtr<IDispatch> other;
    ASSERT_EQ(Sendrel::Create(IID_IDispatch, reinterpret_cast<void**>(other.Put())), S_OK);
    PostedCall canceller(other.Get());
    server.Midway = [&canceller] { canceller.Post(); };
    server.Serve(Reply::Silent, "");
    Outcome outcome = Check();
    EXPECT_EQ(canceller.calls, 1);
    EXPECT_EQ(outcome.result, -1);
}

// WM_QUIT during a check (the host's last window closed by the system or
// another program) ends it at once as cancelled, with the full time limit
// left, and the quit stays for the host's own loop.
TEST_F(SendrelSlowServer, AQuitDuringTheCheckEndsItAsCancelled)
{
    aSendrel::SetTimeLimit(0);
    const DWORD thread = GetCurrentThreadId();
    for (Reply reply : {Reply::Silent, Reply::Drip}) {
        SCOPED_TRACE(reply == Reply::Silent ? "silent" : "dripping");
        server.Midway = [thread] { PostThreadMessageW(thread, WM_QUIT, 7, 0); };
        server.Serve(reply, "Version=6.09;Size=1;");
        Outcome outcome = Check();
        EXPECT_EQ(outcome.result, -2);
        MSG quit{};
        EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(quit.wParam, 7u);
        server.Midway = nullptr;
    }
}

// A check stopped while the internet library waits for the body (the
// server sent the header, then a byte now and then): the library's wait
// goes on after the check has returned and ends when a byte comes or its
// receive time-out passes. Whichever way the check stopped, nothing of the
// caller's stack changes then, and a check right after reads its reply.
TEST_F(SendrelSlowServer, AStoppedCheckLeavesTheLibraryNothingOfTheCallersToWriteInto)
{
    enum class Stop { Cancel, HostsClose, Quit, Deadline };
    struct {
        const char* name;
        Stop stop;
        int result;
    } cases[] = {
        {"Cancel", Stop::Cancel, -2},
        {"the host's Close", Stop::HostsClose, -2},
        {"a quit", Stop::Quit, -2},
        {"the deadline", Stop::Deadline, -1},
    };
    server.DripInterval = 700;
    Runtime::ComPtr<IOleObject> ole;
    ASSERT_EQ(control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(ole.Put())), S_OK);
    const DWORD thread = GetCurrentThreadId();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PostedCall stopper(control.Get());
        if (c.stop == Stop::HostsClose) stopper.onPost = [&ole] { ole->Close(OLECLOSE_NOSAVE); };
        // Once the library waits for the body.
        server.Midway = [&c, &stopper, thread] {
            if (c.stop == Stop::Deadline) return;
            Sleep(300);
            if (c.stop == Stop::Quit)
                PostThreadMessageW(thread, WM_QUIT, 0, 0);
            else
                stopper.Post();
        };
        server.Serve(Reply::Drip, "Version=6.09;Size=1024;");
        Outcome outcome = Check();
        int written = SlotsWrittenBehindTheCaller(2 * kShortLimit);
        EXPECT_EQ(written, 0);
        EXPECT_EQ(outcome.result, c.result);
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        server.Midway = nullptr;
        server.Serve(Reply::Body, "Version=6.09;Size=1024;");
        Outcome next = Check();
        EXPECT_EQ(next.result, 1);
        EXPECT_EQ(Narrow(next.version), "6.09");
        EXPECT_EQ(Narrow(next.size), "1024");
    }
}

} // namespace
