// The About window: its texts and links, the update check through the
// hosted update control against an HTTP server on loopback, cancelling it
// with a second click, and Esc.
#include "tests/about/AboutFixture.h"

#include "common/Version.h"
#include "tests/servers/ComTestObjects.h"
#include "tests/servers/HttpTestServer.h"
#include "tests/support/CursorAnswer.h"
#include "tests/support/Screenshot.h"
#include "tests/support/ServerEntry.h"

#include <atomic>

namespace {

using namespace AboutTest;
using TestSupport::HttpTestServer;
using Reply = HttpTestServer::Reply;

class AboutWindow : public AboutFixture {
protected:
    // Runs a check against `server` that the user ends by pressing Esc when
    // half the reply is out; the rest waits until the window is gone.
    void CheckClosedMidway(HttpTestServer& server)
    {
        HWND window = form->hWnd();
        server.Midway = [this, window] {
            PostMessageW(form->bbUpdate.hWnd(), WM_KEYDOWN, VK_ESCAPE, 1);
            for (DWORD start = GetTickCount(); IsWindow(window) && GetTickCount() - start < 10000;)
                SwitchToThread();
        };
        server.Serve(Reply::Halves, "Version=9.5;Size=100;");
        form->ucUpdate.PutText(L"RemotePath", server.Url());
        form->bbUpdate_Click();
    }
    std::wstring ControlText(const wchar_t* name)
    {
        Runtime::Variant value;
        if (FAILED(TestSupport::GetProperty(form->ucUpdate.Object(), name, value))) return L"<none>";
        return TestSupport::TextOf(*value.Get());
    }
};

TEST_F(AboutWindow, ShowsVersionsAndLinksFromTheVersionResource)
{
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring uname = Common::FileVersion(std::wstring(system) + L"\\GetUName.dll", true, false);
    EXPECT_EQ(form->tlVersion.Caption(), L"Orlenta: 1.00\r\nGetUName: " + uname);
    EXPECT_EQ(form->tlSite.Caption(), L"https://orlenta.example.org");
    EXPECT_EQ(form->tlSite.Path(), L"https://orlenta.example.org/Products/Orlenta/");
    EXPECT_EQ(form->tlMail.Caption(), L"mailto:support@orlenta.example.org");
    EXPECT_EQ(form->tlMail.Path(), L"mailto:support@orlenta.example.org?subject=Orlenta");
    EXPECT_EQ(form->Caption(), L"About...");
    EXPECT_EQ(form->bbUpdate.Caption(), L"Check for Update");
    EXPECT_EQ(form->bbClose.Caption(), L"&Close");
    TestWait::PumpFor(50);
    TestSupport::SaveWindowScreenshot(form->hWnd(), "about-window");
}

TEST_F(AboutWindow, ControlsAreStackedBelowThePuzzleAndFitTheirTexts)
{
    std::vector<Runtime::Control*> stack = {&form->pbTable, &form->tlAbout, &form->tlVersion, &form->tlSite,
                                            &form->tlMail,  &form->tlUpdate, &form->tlRights, &form->bbClose};
    for (size_t i = 1; i < stack.size(); ++i)
        EXPECT_GE(stack[i]->Top(), stack[i - 1]->Top() + stack[i - 1]->Height()) << "control " << i;
    for (Runtime::Label* label : {&form->tlAbout, &form->tlVersion}) {
        EXPECT_GE(label->Width(), form->TextWidth(label->Caption()));
        EXPECT_GE(label->Height(), form->TextHeight(label->Caption()));
    }
    EXPECT_EQ(form->bbUpdate.Top(), form->tlUpdate.Top());
    EXPECT_LE(form->bbClose.Top() + form->bbClose.Height(), form->ScaleHeight());
    EXPECT_LE(form->bbUpdate.Left() + form->bbUpdate.Width(), form->ScaleWidth());
}

TEST_F(AboutWindow, LinksOpenTheProductPageAndTheMailWithItsSubjectTheRightsLineNothing)
{
    for (LinkBox* link : {&form->tlSite, &form->tlMail, &form->tlRights}) {
        SendMessageW(link->tlCaption.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(link->tlCaption.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    EXPECT_EQ(opened, (std::vector<std::wstring>{L"https://orlenta.example.org/Products/Orlenta/",
                                                 L"mailto:support@orlenta.example.org?subject=Orlenta"}));
}

TEST_F(AboutWindow, UpdateControlIsHostedWithThePathsAndVersion)
{
    ASSERT_TRUE(form->ucUpdate.Created());
    EXPECT_TRUE(form->ucUpdate.FromOwnServer());
    EXPECT_EQ(ControlText(L"RemotePath"), L"https://orlenta.example.org/Products/Orlenta/Orlenta.js");
    EXPECT_EQ(ControlText(L"LocalPath"), folder.Path() + L"\\Orlenta.dat");
    EXPECT_EQ(ControlText(L"LocalVersion"), Common::AppVersion(-1));
    Runtime::Variant autoCheck;
    ASSERT_EQ(TestSupport::GetProperty(form->ucUpdate.Object(), L"AutoCheck", autoCheck), S_OK);
    ASSERT_TRUE(autoCheck.ChangeType(VT_BOOL));
    EXPECT_EQ(V_BOOL(autoCheck.Get()), VARIANT_FALSE);

    // Sited on the window, but its face is not shown there: every visible
    // child window of the form is one of the form's own controls.
    int foreign = 0, all = 0;
    for (HWND child = GetWindow(form->hWnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++all)
        if (!Runtime::Control::FromHwnd(child)) foreign += IsWindowVisible(child) ? 100 : 1;
    EXPECT_EQ(foreign, 1) << "one hidden window of the control among " << all;
}

TEST_F(AboutWindow, UpdateCheckResults)
{
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    const std::wstring unreachable = L"Remote resource is not accessible now. Please try later.";
    struct {
        const char* name;
        Reply reply;
        std::string body;
        std::wstring text;
        bool enabledAfter;
    } cases[] = {
        {"newer", Reply::Body, "Version=9.5;", L"Version 9.5\r\nis now available\r\nto download.", false},
        {"same", Reply::Body, "Version=1.00;", L"Your copy of the application is up to date.", false},
        {"older", Reply::Body, "Version=0.9;", L"Your copy of the application is up to date.", false},
        {"error page", Reply::NotFound, "Version=9.5;", unreachable, true},
        {"no version item", Reply::Body, "Size=5;", unreachable, true},
        {"server error", Reply::ServerError, "Version=9.5;", unreachable, true},
        {"redirect to itself", Reply::RedirectLoop, "", unreachable, true},
        {"chunk cut short", Reply::CutChunk, "Version=9.5", unreachable, true},
        // The one case that waits the check's whole time limit.
        {"silent", Reply::Silent, "", unreachable, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reopen();
        server.Serve(c.reply, c.body);
        form->ucUpdate.PutText(L"RemotePath", server.Url());
        form->bbUpdate_Click();
        EXPECT_EQ(form->tlUpdate.Caption(), c.text);
        EXPECT_EQ(form->bbUpdate.Enabled(), c.enabledAfter);
        EXPECT_EQ(form->bbUpdate.Caption(), L"Check for Update");
        EXPECT_EQ(form->MousePointer(), 0);
        form->Unload();
    }
}

TEST_F(AboutWindow, SecondClickDuringTheCheckCancelsIt)
{
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    HWND button = form->bbUpdate.hWnd();
    std::atomic<bool> cancelled{false};
    HANDLE cancelDone = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    int clicks = 0;
    std::wstring captionDuringCheck;
    form->bbUpdate.Click = [&] {
        ++clicks;
        if (clicks == 2) captionDuringCheck = form->bbUpdate.Caption();
        form->bbUpdate_Click();
        if (clicks == 2) {
            cancelled = true;
            SetEvent(cancelDone);
        }
    };
    // Half the reply is out when the user clicks again; the rest waits for the cancel.
    server.Midway = [&] {
        PostMessageW(button, BM_CLICK, 0, 0);
        WaitForSingleObject(cancelDone, 10000);
    };
    server.Serve(Reply::Halves, "Version=9.5;Size=100;");
    form->ucUpdate.PutText(L"RemotePath", server.Url());
    form->tlUpdate.SetCaption(L"before");
    SendMessageW(button, BM_CLICK, 0, 0);
    CloseHandle(cancelDone);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(captionDuringCheck, L"Cancel Check");
    EXPECT_EQ(form->bbUpdate.Caption(), L"Check for Update");
    EXPECT_EQ(form->tlUpdate.Caption(), L"before");
    EXPECT_TRUE(form->bbUpdate.Enabled());
    EXPECT_EQ(form->MousePointer(), 0);
}

TEST_F(AboutWindow, CheckShowsTheHourglassAndTheDefaultPointerAfterwardsAlsoWhenItFails)
{
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    const HCURSOR hourglass = LoadCursorW(nullptr, IDC_WAIT);
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    struct {
        const char* name;
        std::string body;
        std::wstring text;
    } cases[] = {
        {"newer", "Version=9.5;Size=100;", L"Version 9.5\r\nis now available\r\nto download."},
        {"no version item", "Size=5;Size=100;", L"Remote resource is not accessible now. Please try later."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reopen();
        // Half the reply is out when a message reaches the window; the rest
        // waits until the window's pointer is seen.
        HANDLE seen = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        int pointerDuring = -1;
        HCURSOR overForm = nullptr, overButton = nullptr;
        form->tlVersion.MouseMove = [&](const Runtime::MouseArgs&) {
            pointerDuring = form->MousePointer();
            overForm = TestSupport::CursorAnswer(form->hWnd());
            overButton = TestSupport::CursorAnswer(form->bbUpdate.hWnd());
            SetEvent(seen);
        };
        HWND label = form->tlVersion.hWnd();
        server.Midway = [&] {
            PostMessageW(label, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
            WaitForSingleObject(seen, 10000);
        };
        server.Serve(Reply::Halves, c.body);
        form->ucUpdate.PutText(L"RemotePath", server.Url());
        form->bbUpdate_Click();
        CloseHandle(seen);
        EXPECT_EQ(form->tlUpdate.Caption(), c.text);
        EXPECT_EQ(pointerDuring, 11);
        EXPECT_EQ(overForm, hourglass);
        EXPECT_EQ(overButton, hourglass) << "the button keeps the default pointer: the form's shows";
        EXPECT_EQ(form->MousePointer(), 0);
        EXPECT_EQ(TestSupport::CursorAnswer(form->hWnd()), arrow);
    }
}

TEST_F(AboutWindow, ClosingDuringTheCheckEndsItAndReleasesTheControl)
{
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    form->tlUpdate.SetCaption(L"before");
    CheckClosedMidway(server);
    EXPECT_FALSE(form->Loaded());
    EXPECT_FALSE(form->ucUpdate.Created());
    EXPECT_EQ(form->tlUpdate.Caption(), L"before") << "a cancelled check leaves the result as it was";
}

// A server that keeps the check waiting holds up neither the window nor the
// user: a second click cancels the check, Esc closes the window, at once.
TEST_F(AboutWindow, ASilentOrDrippingServerLeavesCancelAndCloseWorking)
{
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    for (Reply reply : {Reply::Silent, Reply::Drip}) {
        for (bool close : {false, true}) {
            SCOPED_TRACE(std::string(reply == Reply::Silent ? "silent" : "dripping") + (close ? ", Esc" : ", click"));
            Reopen();
            HWND button = form->bbUpdate.hWnd();
            server.Midway = [button, close] {
                if (close)
                    PostMessageW(button, WM_KEYDOWN, VK_ESCAPE, 1);
                else
                    PostMessageW(button, BM_CLICK, 0, 0);
            };
            server.Serve(reply, "Version=9.5;Size=100;");
            form->ucUpdate.PutText(L"RemotePath", server.Url());
            form->tlUpdate.SetCaption(L"before");
            form->bbUpdate_Click();
            EXPECT_EQ(form->Loaded(), !close);
            EXPECT_EQ(form->tlUpdate.Caption(), L"before");
            EXPECT_EQ(form->MousePointer(), 0);
            if (!close) {
                EXPECT_EQ(form->bbUpdate.Caption(), L"Check for Update");
                EXPECT_TRUE(form->bbUpdate.Enabled());
            }
        }
    }
    server.Midway = nullptr;
}

// Cancel, and a new check at once: the new one runs inside the first, which
// is still on the stack. Closing the window then ends both; the window shows
// a check running until the last one is over.
TEST_F(AboutWindow, ClosingAfterASecondCheckStartedInsideTheFirstEndsBoth)
{
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    HWND button = form->bbUpdate.hWnd();
    std::atomic<int> connections{0};
    server.Midway = [&] {
        if (++connections == 1) {
            PostMessageW(button, BM_CLICK, 0, 0); // cancels the first check
            PostMessageW(button, BM_CLICK, 0, 0); // starts the second
        } else {
            PostMessageW(button, WM_KEYDOWN, VK_ESCAPE, 1);
        }
    };
    int clicks = 0;
    int pointerAfterSecond = -1;
    form->bbUpdate.Click = [&] {
        ++clicks;
        form->bbUpdate_Click();
        if (clicks == 2) {
            pointerAfterSecond = form->MousePointer();
        }
    };
    server.Serve(Reply::Silent, "");
    form->ucUpdate.PutText(L"RemotePath", server.Url());
    form->tlUpdate.SetCaption(L"before");
    form->bbUpdate_Click();
    server.Midway = nullptr;
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(connections, 2);
    EXPECT_EQ(pointerAfterSecond, 11) << "the first check was still running";
    EXPECT_FALSE(form->Loaded());
    EXPECT_EQ(form->MousePointer(), 0);
    EXPECT_EQ(form->tlUpdate.Caption(), L"before");
}

TEST_F(AboutWindow, EscClosesTheWindowFromAnyControl)
{
    for (const char* which : {"bbUpdate", "bbClose", "tlSite", "pbTable"}) {
        SCOPED_TRACE(which);
        if (!form->Loaded()) Reopen();
        std::string name = which;
        HWND target = name == "bbUpdate" ? form->bbUpdate.hWnd()
                      : name == "bbClose" ? form->bbClose.hWnd()
                      : name == "tlSite"  ? form->tlSite.hWnd()
                                          : form->pbTable.hWnd();
        PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 1);
        EXPECT_TRUE(TestWait::PumpUntil([&] { return !form->Loaded(); }));
    }
}

// The loads of the update server in this process, counted by letting go of
// each one and loading it back (only while none of its objects lives);
// kStaysLoaded when it stays whatever is let go (a check has begun in it).
constexpr int kStaysLoaded = -1;
int ServerLoads()
{
    constexpr int kMostLoads = 64;
    int loads = 0;
    std::wstring path;
    for (HMODULE server; (server = GetModuleHandleW(fwAbout::UpdateServerFile)) != nullptr; ++loads) {
        if (loads == kMostLoads) return kStaysLoaded;
        wchar_t name[MAX_PATH];
        path.assign(name, GetModuleFileNameW(server, name, MAX_PATH));
        if (!FreeLibrary(server)) break;
    }
    for (int i = 0; i < loads; ++i) LoadLibraryW(path.c_str());
    return loads;
}

// Whether the update server has no object nor lock alive.
bool ServerIdle()
{
    HMODULE server = GetModuleHandleW(fwAbout::UpdateServerFile);
    return !server || TestSupport::ServerCanUnloadNow(server) == S_OK;
}

// Closing the window, idle or during a check (which returns from inside the
// control's call), lets go of every object of the update server. Until a
// check has begun in it, the server's load goes with the window; from then
// on it stays for the process's life, as the internet library does, since
// the library may still call it back. A window opened afterwards checks.
TEST_F(AboutWindow, ClosingLeavesNoLoadOfTheUpdateServer)
{
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    bool checked = false;
    for (bool duringCheck : {false, true, false}) {
        SCOPED_TRACE(duringCheck ? "during a check" : "idle");
        form->Unload();
        const int before = ServerLoads();
        EXPECT_EQ(before == kStaysLoaded, checked);
        Reopen();
        ASSERT_TRUE(form->ucUpdate.FromOwnServer());
        if (duringCheck) {
            CheckClosedMidway(server);
        } else {
            form->bbClose.SetValue(true);
        }
        EXPECT_FALSE(form->Loaded());
        EXPECT_TRUE(ServerIdle());
        EXPECT_EQ(ServerLoads(), before);
        checked = true;
        Reopen();
        server.Serve(Reply::Body, "Version=9.5;Size=100;");
        form->ucUpdate.PutText(L"RemotePath", server.Url());
        form->bbUpdate_Click();
        EXPECT_EQ(form->tlUpdate.Caption(), L"Version 9.5\r\nis now available\r\nto download.");
    }
}

TEST_F(AboutWindow, CloseButtonUnloadsAndReleasesTheControl)
{
    form->bbClose.SetValue(true);
    EXPECT_FALSE(form->Loaded());
    EXPECT_FALSE(form->ucUpdate.Created());
}

} // namespace
