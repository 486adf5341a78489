// The remote version check against a real HTTP server on 127.0.0.1.
#include "tests/servers/SendrelFixture.h"
#include "tests/servers/PostedCall.h"

#include <wininet.h>

namespace {

using namespace TestSupport;
using Reply = HttpTestServer::Reply;

class SendrelCheck : public SendrelFixture {};

std::string BinaryNoise()
{
    std::string bytes;
    for (int round = 0; round < 4; ++round) {
        for (int b = 0; b < 256; ++b) {
            if (b != '"') bytes += static_cast<char>(b);
        }
    }
    return bytes;
}

TEST_F(SendrelCheck, RepliesTable)
{
    const std::string longVersion = "6." + std::string(30000, '1');
    struct {
        const char* name;
        Reply reply;
        std::string body;
        const wchar_t* local;
        int result;
        std::wstring version; // "untouched" when the reply was not read
        std::wstring size;
    } cases[] = {
        {"newer", Reply::Body, "Version=6.09;Size=1024;", L"6.08", 1, L"6.09", L"1024"},
        {"same, lower case, quoted, blanks", Reply::Body, "version = \"6.08\";", L"6.08", 0, L"6.08", L"0"},
        {"blank after the closing quote", Reply::Body, "Version=\"6.08\" ;", L"6.08", 0, L"6.08\"", L"0"},
        {"older", Reply::Body, "Size=5;Version=6.07;", L"6.08", 0, L"6.07", L"5"},
        {"no ; after the version", Reply::Body, "Version=6.09\r\nSize=3", L"6.08", 1, L"6.09\r\nSize=3", L"3"},
        {"no local version", Reply::Body, "Version=6.09;", L"", -1, L"6.09", L"0"},
        {"no version item", Reply::Body, "Size=5;", L"6.08", -1, L"", L"5"},
        {"items without =", Reply::Body, "Version 6.09; Size 5;", L"6.08", -1, L"", L"0"},
        {"empty reply", Reply::Body, "", L"6.08", -1, L"untouched", L"-1"},
        {"binary around the item", Reply::Body, BinaryNoise() + "Version=7.0;" + BinaryNoise(), L"6.08", 1, L"7.0",
         L"0"},
        {"very long version", Reply::Body, "Version=" + longVersion + ";", L"6.08", 1,
         std::wstring(longVersion.begin(), longVersion.end()), L"0"},
        {"error page that names a version", Reply::NotFound, "Version=9.99;", L"6.08", -1, L"untouched", L"-1"},
        {"connection closed mid-body", Reply::CloseMidBody, "Version=6.09;Size=1;", L"6.08", -1, L"untouched", L"-1"},
        {"endless reply", Reply::Endless, "", L"6.08", -1, L"untouched", L"-1"},
        {"endless reply of no announced length", Reply::Unannounced, "", L"6.08", -1, L"untouched", L"-1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.Serve(c.reply, c.body);
        SetText(L"LocalVersion", c.local);
        int before = server.Requests();
        Outcome outcome = Check();
        EXPECT_EQ(outcome.hr, S_OK);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.version.size(), c.version.size());
        if (outcome.version.size() < 100) EXPECT_EQ(Narrow(outcome.version), Narrow(c.version));
        EXPECT_EQ(Narrow(outcome.size), Narrow(c.size));
        EXPECT_EQ(server.Requests(), before + 1);
    }
}

TEST_F(SendrelCheck, AVersionThatCannotBeComparedIsARunTimeErrorOfTheCall)
{
    server.Serve(Reply::Body, "Version=.5;");
    Outcome outcome = Check();
    EXPECT_EQ(outcome.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(Narrow(outcome.error), "13 Type mismatch");
}

TEST_F(SendrelCheck, NoConnectionMeansNoRequest)
{
    aSendrel::SetConnectedState([] { return false; });
    server.Serve(Reply::Body, "Version=6.09;");
    Outcome outcome = Check();
    EXPECT_EQ(outcome.result, -1);
    EXPECT_EQ(Narrow(outcome.version), "untouched");
    EXPECT_EQ(server.Requests(), 0);
}

// Whatever the system says about the connection, the check follows it: a
// request and a result when connected, -1 and no request when not.
TEST_F(SendrelCheck, TheSystemsConnectedStateDecides)
{
    aSendrel::SetConnectedState(nullptr);
    DWORD flags = 0;
    bool connected = InternetGetConnectedState(&flags, 0) != FALSE;
    server.Serve(Reply::Body, "Version=6.09;");
    Outcome outcome = Check();
    EXPECT_EQ(outcome.result, connected ? 1 : -1);
    EXPECT_EQ(server.Requests(), connected ? 1 : 0);
}

TEST_F(SendrelCheck, CancelDuringTheDownloadGivesMinusTwo)
{
    PostedCall canceller(control.Get());
    server.Midway = [&canceller] { canceller.Post(); };
    std::string body = "Version=6.09;Size=1;" + std::string(16 * 1024, ' ');
    server.Serve(Reply::Halves, body);
    Outcome outcome = Check();
    EXPECT_EQ(canceller.calls, 1);
    EXPECT_EQ(outcome.result, -2);
    EXPECT_EQ(Narrow(outcome.version), "untouched");

    // The flag is cleared when the next check starts.
    server.Serve(Reply::Body, "Version=6.09;");
    EXPECT_EQ(Check().result, 1);
}

// The host may let go of the control while the check processes messages
// (its window closes): the control lives until its check is over.
TEST_F(SendrelCheck, AHostThatLetsGoDuringTheCheckLeavesItToFinish)
{
    PostedCall window;
    window.onPost = [this] { control.Reset(); };
    server.Midway = [&window] { window.Post(); };
    server.Serve(Reply::Halves, "Version=6.09;Size=1;" + std::string(16 * 1024, ' '));
    IDispatch* raw = control.Get(); // `control` holds the only reference
    ASSERT_FALSE(Runtime::ComServer::CanUnload());
    Runtime::Variant result;
    EXPECT_EQ(CallMethod(raw, L"CheckForUpdate", {}, result), S_OK);
    EXPECT_EQ(window.calls, 1);
    EXPECT_EQ(TextOf(*result.Get()), L"1");
    EXPECT_FALSE(control);
    EXPECT_TRUE(Runtime::ComServer::CanUnload()); // and then it is gone
}

TEST_F(SendrelCheck, ACancelBeforeTheCheckDoesNotStopIt)
{
    Runtime::Variant result;
    CallMethod(control.Get(), L"Cancel", {}, result);
    server.Serve(Reply::Body, "Version=6.09;");
    EXPECT_EQ(Check().result, 1);
}

TEST_F(SendrelCheck, AnAddressThatDoesNotOpenIsMinusOne)
{
    for (const wchar_t* address : {L"http://127.0.0.1:1/version.txt", L"not an address", L"ftp://"}) {
        SetText(L"RemotePath", address);
        EXPECT_EQ(Check().result, -1) << Narrow(address);
    }
}

} // namespace
