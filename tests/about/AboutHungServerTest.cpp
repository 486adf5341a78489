// The About window's check against an https server that accepts and never
// answers, so that the internet library still waits on it, inside the TLS
// handshake, after the window closed; the server lets go only later.
#include "tests/about/AboutFixture.h"

#include "tests/servers/HttpTestServer.h"
#include "tests/support/ProcessCounts.h"

#include <cstdio>

namespace {

using namespace AboutTest;
using TestSupport::HttpTestServer;
using TestSupport::HandleCount;
using TestSupport::ThreadCount;
using Reply = HttpTestServer::Reply;

class AboutHungServer : public AboutFixture {
protected:
    // A check against `server`, the window closed with Esc as soon as the
    // server has the client's hello, or else after the check failed.
    void CheckAndClose(HttpTestServer& server, bool midCheck)
    {
        HWND button = form->bbUpdate.hWnd();
        server.Midway = midCheck ? std::function<void()>([button] { PostMessageW(button, WM_KEYDOWN, VK_ESCAPE, 1); })
                                 : nullptr;
        form->ucUpdate.PutText(L"RemotePath", server.SecureUrl());
        form->bbUpdate_Click();
        if (!midCheck) {
            EXPECT_EQ(form->tlUpdate.Caption(), L"Remote resource is not accessible now. Please try later.");
            form->bbClose.SetValue(true);
        }
        EXPECT_FALSE(form->Loaded());
    }
    // Until the library's threads that waited on the server are gone.
    static bool LibraryDone(int threadsBefore) { return TestWait::PumpUntil([&] { return ThreadCount() <= threadsBefore; }, 30000); }
};

// The window closed during the check, and after its failure; the server
// drops the connection later (and the one the library's fallback to an
// older TLS version makes then). The program lives on, and a window opened
// afterwards checks as always.
TEST_F(AboutHungServer, TheServerLettingGoAfterTheWindowClosedHarmsNothing)
{
    for (bool midCheck : {true, false}) {
        SCOPED_TRACE(midCheck ? "closed during the check" : "closed after the failure");
        HttpTestServer server;
        ASSERT_TRUE(server.Listening());
        server.Serve(Reply::Hang, "");
        Reopen();
        const int threadsBefore = ThreadCount();
        CheckAndClose(server, midCheck);
        EXPECT_EQ(server.Accepted(), 1);
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
            CheckAndClose(server, true);
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

} // namespace

