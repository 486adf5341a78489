// The About window's check against an https server that accepts and never
// answers, so that the internet library still waits on it, inside the TLS
// handshake, after the window closed; the server lets go only later.
#include "tests/about/AboutFixture.h"

#include "tests/servers/HttpTestServer.h"
#include "tests/support/ProcessCounts.h"

#include <atomic>
#include <cstdio>

namespace {

using namespace AboutTest;
using TestSupport::HttpTestServer;
using TestSupport::HandleCount;
using TestSupport::ThreadCount;
using Reply = HttpTestServer::Reply;

class AboutHungServer : public AboutFixture {
protected:
    enum class Close { DuringTheCheck, AfterTheFailure, AfterTheServerDroppedTheFirstConnection };
    // A check against `server` (https, or else http), the window closed with
    // Esc as soon as the server has the client's hello, or after the check
    // failed, or once the server dropped the first connection and the
    // library connected again.
    void CheckAndClose(HttpTestServer& server, Close when, bool secure = true)
    {
        HWND button = form->bbUpdate.hWnd();
        hellos_ = 0;
        server.Midway = [this, &server, button, when] {
            bool first = ++hellos_ == 1;
            if (when == Close::AfterTheServerDroppedTheFirstConnection && first)
                server.Drop(false);
            else if (when != Close::AfterTheFailure)
                PostMessageW(button, WM_KEYDOWN, VK_ESCAPE, 1);
        };
        form->ucUpdate.PutText(L"RemotePath", secure ? server.SecureUrl() : server.Url());
        form->bbUpdate_Click();
        if (when == Close::AfterTheFailure) {
            EXPECT_EQ(form->tlUpdate.Caption(), L"Remote resource is not accessible now. Please try later.");
            form->bbClose.SetValue(true);
        }
        EXPECT_FALSE(form->Loaded());
    }
    // The connections that brought the server a client's hello (on the
    // server's threads).
    std::atomic<int> hellos_{0};
    // Until the library's threads that waited on the server are gone.
    static bool LibraryDone(int threadsBefore)
    {
        return TestWait::PumpUntil([&] { return ThreadCount() <= threadsBefore; }, 30000);
    }
};

// The window closed during the check, after its failure, and after the
// server dropped the first connection (the library's fallback to an older
// TLS version connected again), all in the TLS handshake; and closed while
// the library waits for the body of a plain http reply whose header came.
// The server drops the connection later (and the one the fallback makes
// then), and the library's waits end. The program lives on, and a window
// opened afterwards checks as always.
TEST_F(AboutHungServer, TheServerLettingGoAfterTheWindowClosedHarmsNothing)
{
    struct {
        const char* name;
        Close when;
        int connections;
        Reply reply;
    } cases[] = {
        {"closed during the check", Close::DuringTheCheck, 1, Reply::Hang},
        {"closed after the failure", Close::AfterTheFailure, 1, Reply::Hang},
        {"closed after the server dropped the first connection", Close::AfterTheServerDroppedTheFirstConnection, 2,
         Reply::Hang},
        {"closed while the body is awaited", Close::DuringTheCheck, 1, Reply::Drip},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HttpTestServer server;
        ASSERT_TRUE(server.Listening());
        // A header, then a body that does not come.
        server.DripInterval = 60000;
        server.Serve(c.reply, "Version=9.5;Size=100;");
        Reopen();
        const int threadsBefore = ThreadCount();
        CheckAndClose(server, c.when, c.reply == Reply::Hang);
        EXPECT_EQ(server.Accepted(), c.connections);
        server.Drop();
        EXPECT_TRUE(LibraryDone(threadsBefore));

        HttpTestServer answering;
        answering.Serve(Reply::Body, "Version=9.5;Size=100;");
        Reopen();
        form->ucUpdate.PutText(L"RemotePath", answering.Url());
        form->bbUpdate_Click();
        EXPECT_EQ(form->tlUpdate.Caption(), L"Version 9.5\r\nis now available\r\nto download.");
    }
}

// What one check leaves while the server holds on is the library's, and
// goes when the server lets go: after 25 windows, each closed during its
// check, the process has no more threads and handles than after the first
// (the server's own threads and sockets gone too by then).
TEST_F(AboutHungServer, ManyChecksLeaveNothingOnceTheServerLetsGo)
{
    int threadsAfterFirst = 0, handlesAfterFirst = 0, threadsHeld = 0, handlesHeld = 0;
    {
        HttpTestServer server;
        ASSERT_TRUE(server.Listening());
        server.Serve(Reply::Hang, "");
        const int threadsBefore = ThreadCount();
        for (int cycle = 1; cycle <= 25; ++cycle) {
            Reopen();
            CheckAndClose(server, Close::DuringTheCheck);
            if (cycle == 1) threadsAfterFirst = ThreadCount(), handlesAfterFirst = HandleCount();
        }
        threadsHeld = ThreadCount(), handlesHeld = HandleCount();
        EXPECT_EQ(server.Accepted(), 25);
        server.Drop();
        EXPECT_TRUE(LibraryDone(threadsBefore));
    }
    printf("threads: %d after one check, %d after 25 held by the server, %d once it let go\n", threadsAfterFirst,
           threadsHeld, ThreadCount());
    printf("handles: %d after one check, %d after 25 held by the server, %d once it let go\n", handlesAfterFirst,
           handlesHeld, HandleCount());
    EXPECT_LE(ThreadCount(), threadsAfterFirst);
    EXPECT_NE(HandleCount(), -1);
    EXPECT_LE(HandleCount(), handlesAfterFirst);
}

// A plain http server that takes the request and never answers nor lets
// go: the library gives up on it by itself at the check's time limit, so
// checks against it do not pile up threads and sockets. (A TLS handshake
// that never gets an answer is held by the library until the server lets
// go, whatever the time-outs.)
TEST_F(AboutHungServer, TheLibraryGivesUpOnAnHttpServerThatNeverLetsGo)
{
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    server.Serve(Reply::Hang, "");
    Reopen();
    const int threadsBefore = ThreadCount();
    CheckAndClose(server, Close::DuringTheCheck, false);
    EXPECT_TRUE(LibraryDone(threadsBefore));
    EXPECT_EQ(server.Open(), 0);
}

} // namespace

