// The update control in a script host with no code of this project: the
// system's cscript runs a VBScript that creates the registered class by its
// ProgID and calls CheckForUpdate late-bound, with Variant variables. The
// script's exit code carries the result (10 + result) and whether the version
// came back (+100).
#include "tests/servers/HttpTestServer.h"
#include "tests/support/Process.h"
#include "tests/support/TempFolder.h"

#include <wininet.h>

#include <gtest/gtest.h>

namespace {

using namespace TestSupport;
using Reply = HttpTestServer::Reply;

const char kScript[] =
    "Dim control, result, version, size\r\n"
    "Set control = CreateObject(\"SendrelControl.Sendrel\")\r\n"
    "control.AutoCheck = False\r\n"
    "control.RemotePath = WScript.Arguments(0)\r\n"
    "control.LocalVersion = \"6.08\"\r\n"
    "version = \"untouched\"\r\n"
    "size = -1\r\n"
    "result = control.CheckForUpdate(version, size)\r\n"
    "If version = \"6.09\" And size = 1024 Then result = result + 100\r\n"
    "WScript.Quit 10 + result\r\n";

using EntryNoArgs = HRESULT(STDAPICALLTYPE*)();

// The server registered for the test's length, as an installer registers it.
class Registered {
public:
    Registered() : dll_(LoadLibraryW(BuildPath("sendrel/Sendrel.dll").c_str()))
    {
        registered_ = dll_ && Entry("DllRegisterServer") == S_OK;
    }
    ~Registered()
    {
        if (registered_) Entry("DllUnregisterServer");
        if (dll_) FreeLibrary(dll_);
    }
    Registered(const Registered&) = delete;
    Registered& operator=(const Registered&) = delete;
    bool Done() const { return registered_; }

private:
    HRESULT Entry(const char* name) { return reinterpret_cast<EntryNoArgs>(GetProcAddress(dll_, name))(); }
    HMODULE dll_;
    bool registered_ = false;
};

TEST(SendrelScriptHost, AScriptGetsTheResultAndMinusOneFromEveryMisbehavingServer)
{
    Registered server;
    ASSERT_TRUE(server.Done());
    HttpTestServer http;
    ASSERT_TRUE(http.Listening());
    TempFolder folder;
    std::wstring script = folder.File(L"check.vbs");
    ASSERT_TRUE(WriteBytes(script, kScript));
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring cscript = std::wstring(system) + L"\\cscript.exe";

    // The script host asks the system whether it is connected; a namespace
    // with loopback alone says "offline", and the control then asks nothing.
    DWORD flags = 0;
    const bool connected = InternetGetConnectedState(&flags, 0) != FALSE;
    struct {
        const char* name;
        Reply reply;
        std::string body;
        long exitCode;
        int requests; // when connected
    } cases[] = {
        {"newer version", Reply::Body, "Version=6.09;Size=1024;", connected ? 111 : 9, 1},
        {"silent", Reply::Silent, "", 9, 1},
        {"a byte a second", Reply::Drip, "Version=6.09;Size=1024;", 9, 1},
        {"redirect to itself", Reply::RedirectLoop, "", 9, 6},
        {"chunk cut short", Reply::CutChunk, "Version=6.1", 9, 1},
        {"server error", Reply::ServerError, "Version=6.09;Size=1024;", 9, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (connected ? "" : " (the system says offline)"));
        http.Serve(c.reply, c.body);
        int before = http.Requests();
        ChildProcess host;
        ASSERT_TRUE(host.Start(cscript, L"//nologo //B \"" + script + L"\" " + http.Url()));
        // Far above the check's own time limit: only a check that never
        // ends fails here.
        EXPECT_EQ(host.WaitForExit(60000), c.exitCode);
        EXPECT_EQ(http.Requests() - before, connected ? c.requests : 0);
    }
}

} // namespace
