// The server's load against the hook's life: the host lets go of the
// server when DllCanUnloadNow says yes, and nothing of the server may run
// after that; a window procedure put in front of the hook keeps working
// when the hook lets go; and a server loaded and freed again and again
// leaves nothing behind.
#include "tests/servers/LatchetFixture.h"
#include "tests/support/ProcessCounts.h"

namespace {

using namespace TestSupport;

const UINT kListed = WM_USER + 1;
const std::string kEvent = "event " + std::to_string(kListed);
const std::string kWindow = "window " + std::to_string(kListed);
const std::string kFront = "front " + std::to_string(kListed);

long Handle(HWND w) { return static_cast<long>(reinterpret_cast<INT_PTR>(w)); }

// A window procedure that another part of the host puts in front of the
// hook's and takes away again, as subclassers do: it logs the listed
// message and passes everything on to the procedure it replaced.
class FrontProcedure {
public:
    FrontProcedure(HWND window, std::vector<std::string>& log) : window_(window)
    {
        log_ = &log;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrontProcedure::Proc)));
    }
    ~FrontProcedure() { Leave(); }
    FrontProcedure(const FrontProcedure&) = delete;
    FrontProcedure& operator=(const FrontProcedure&) = delete;

    // Puts back the procedure it replaced, whatever stands there now.
    void Leave()
    {
        if (IsWindow(window_) && previous_)
            SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        previous_ = nullptr;
    }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == kListed) log_->push_back(kFront);
        return CallWindowProcW(previous_, window, message, wParam, lParam);
    }

    HWND window_;
    static inline WNDPROC previous_ = nullptr;
    static inline std::vector<std::string>* log_ = nullptr;
};

class LatchetUnload : public LatchetFixture {
protected:
    // A new control on the site, from the server loaded again when it was
    // freed; nothing when the control is there.
    void MakeControl()
    {
        if (control) return;
        LoadServer();
        control = NewControl(&site);
        ASSERT_TRUE(control);
        ASSERT_NE(Connect(control.Get(), kLatchetEventsIid, &sink), 0u);
    }
    void HookWindow()
    {
        Put(L"HookedObjectHandle", LongArg(Handle(window)));
        Call(L"Add", {LongArg(kListed)});
        ASSERT_TRUE(Hooked(window));
    }
    void ReleaseControl()
    {
        if (!control) return;
        CloseControl(control.Get());
        control.Reset();
    }
};

// The hook lets go of its window, in each of the host's ways, while another
// procedure stands in front of it: that procedure keeps seeing the window's
// messages and passing them on, also after it leaves again (putting back
// the hook's procedure, which it took for the window's). The host's
// DllCanUnloadNow says no while a procedure of the server can still be
// called, and yes once the window is gone.
TEST_F(LatchetUnload, AProcedureInFrontOfTheHookOutlivesTheHookAndTheServer)
{
    enum class LetGo { ReleaseControl, Terminate, OtherWindow, DestroyWindow };
    struct Case {
        const char* name;
        LetGo how;
        bool frontLeavesFirst; // before the window is destroyed
    };
    const Case cases[] = {
        {"control released, front leaves", LetGo::ReleaseControl, true},
        {"control released, front stays", LetGo::ReleaseControl, false},
        {"Terminate, front leaves", LetGo::Terminate, true},
        {"hook moved to another window, front leaves", LetGo::OtherWindow, true},
        {"window destroyed with the front in place", LetGo::DestroyWindow, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MakeControl();
        window = NewWindow();
        HookWindow();
        FrontProcedure front(window, log);
        log.clear();
        EXPECT_EQ(SendMessageW(window, kListed, 0, 0), kWindowAnswer);
        EXPECT_EQ(log, (std::vector<std::string>{kFront, kEvent, kWindow}));

        switch (c.how) {
        case LetGo::ReleaseControl: ReleaseControl(); break;
        case LetGo::Terminate: Call(L"Terminate"); break;
        case LetGo::OtherWindow: Put(L"HookedObjectHandle", LongArg(Handle(NewWindow()))); break;
        case LetGo::DestroyWindow: DestroyWindow(window); break;
        }
        EXPECT_FALSE(Hooked(window));
        ReleaseControl();
        // The host lets go of the server as soon as it says it may.
        bool freed = FreeServer();

        if (IsWindow(window)) {
            log.clear();
            EXPECT_EQ(SendMessageW(window, kListed, 0, 0), kWindowAnswer);
            EXPECT_EQ(log, (std::vector<std::string>{kFront, kWindow}));
            if (c.frontLeavesFirst) {
                front.Leave();
                log.clear();
                EXPECT_EQ(SendMessageW(window, kListed, 0, 0), kWindowAnswer);
                EXPECT_EQ(log, (std::vector<std::string>{kWindow}));
            }
            DestroyWindow(window);
        }
        if (!freed) {
            EXPECT_TRUE(FreeServer());
        }
    }
}

// The host's handler destroys the hooked window, and releases the control
// too: the window procedure that raised the event ends without touching
// what went, and the server can go afterwards.
TEST_F(LatchetUnload, TheWindowDestroyedInsideTheMessageHandler)
{
    for (bool release : {false, true}) {
        SCOPED_TRACE(release ? "and the control released" : "the window only");
        MakeControl();
        window = NewWindow();
        HookWindow();
        HWND target = window;
        sink.answer = [&](long, VARIANT&) {
            DestroyWindow(target);
            if (release) ReleaseControl();
        };
        log.clear();
        SendMessageW(target, kListed, 0, 0);
        sink.answer = nullptr;
        EXPECT_EQ(log.front(), kEvent);
        EXPECT_FALSE(IsWindow(target));
        EXPECT_FALSE(Hooked(target));
        if (control) {
            EXPECT_EQ(Long(L"HookedObjectHandle"), 0);
            ReleaseControl();
        }
        EXPECT_TRUE(FreeServer());
    }
}

// A control made, hooked to a window with a hot key, and released, and the
// server freed: the module leaves the process each time, and thirty such
// loads leave the process no more threads and handles than the first did.
TEST_F(LatchetUnload, LoadingAndFreeingTheServerAgainAndAgainLeavesNothingBehind)
{
    int threadsAfterFirst = 0, handlesAfterFirst = 0;
    for (int cycle = 1; cycle <= 30; ++cycle) {
        SCOPED_TRACE(cycle);
        MakeControl();
        HookWindow();
        Put(L"HotKeyCtrl", BoolArg(true));
        Put(L"HotKeyAlt", BoolArg(true));
        Put(L"HotKeyCode", LongArg('K'));
        log.clear();
        SendMessageW(window, kListed, 0, 0);
        EXPECT_EQ(log, (std::vector<std::string>{kEvent, kWindow}));
        ReleaseControl();
        EXPECT_FALSE(Hooked(window));
        EXPECT_EQ(GlobalFindAtomA("75.3"), 0);
        ASSERT_TRUE(FreeServer());
        EXPECT_FALSE(ServerLoaded());
        if (cycle == 1) threadsAfterFirst = ThreadCount(), handlesAfterFirst = HandleCount();
    }
    printf("threads: %d after one load, %d after 30\n", threadsAfterFirst, ThreadCount());
    printf("handles: %d after one load, %d after 30\n", handlesAfterFirst, HandleCount());
    EXPECT_LE(ThreadCount(), threadsAfterFirst);
    EXPECT_NE(HandleCount(), -1);
    EXPECT_LE(HandleCount(), handlesAfterFirst);
}

} // namespace
