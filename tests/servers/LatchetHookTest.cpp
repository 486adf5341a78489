// The hook on a real window: the Message event and the window's own
// procedure in each call order, the host's answer, the window's destroy,
// failures of the host's answer, and text that passes the hook intact.
#include "tests/servers/LatchetFixture.h"

namespace {

using namespace TestSupport;

const UINT kListed = WM_USER + 1;   // on the control's list
const UINT kUnlisted = WM_USER + 2; // watched by the window, not listed

class LatchetHook : public LatchetFixture {
protected:
    void HookWindow(long order)
    {
        Put(L"CallOrder", LongArg(order));
        // The same handle as the thread's would change nothing: start from none.
        Put(L"HookedObjectHandle", LongArg(0));
        Put(L"HookedObjectHandle", LongArg(static_cast<long>(reinterpret_cast<INT_PTR>(window))));
        Call(L"Add", {LongArg(kListed)});
        ASSERT_TRUE(Hooked(window));
    }
};

enum class Answer { Empty, False, Zero, Five };

TEST_F(LatchetHook, CallOrderDecidesWhenTheWindowRunsAndWhoseResultStands)
{
    struct Case {
        const char* name;
        long order;
        UINT message;
        Answer answer;
        std::vector<std::string> expectedLog;
        LRESULT expectedResult;
    };
    const std::string ev = "event " + std::to_string(kListed);
    const std::string win = "window " + std::to_string(kListed);
    const std::string winUnlisted = "window " + std::to_string(kUnlisted);
    const Case cases[] = {
        {"before, empty", 0, kListed, Answer::Empty, {ev, win}, kWindowAnswer},
        {"before, False", 0, kListed, Answer::False, {ev}, 0},
        {"before, 0", 0, kListed, Answer::Zero, {ev}, 0},
        {"before, 5", 0, kListed, Answer::Five, {ev, win}, 5},
        {"before, unlisted", 0, kUnlisted, Answer::Five, {winUnlisted}, kWindowAnswer},
        {"after, empty", 1, kListed, Answer::Empty, {win, ev}, kWindowAnswer},
        {"after, False", 1, kListed, Answer::False, {win, ev}, 0},
        {"after, 5", 1, kListed, Answer::Five, {win, ev}, 5},
        {"after, unlisted", 1, kUnlisted, Answer::Empty, {winUnlisted}, kWindowAnswer},
        {"instead, empty", 2, kListed, Answer::Empty, {ev}, 0},
        {"instead, 5", 2, kListed, Answer::Five, {ev}, 5},
        {"instead, False", 2, kListed, Answer::False, {ev}, 0},
        {"instead, unlisted", 2, kUnlisted, Answer::Five, {winUnlisted}, kWindowAnswer},
        {"order 7 acts as instead", 7, kListed, Answer::Empty, {ev}, 0},
    };
    bool first = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (first) HookWindow(c.order);
        else Put(L"CallOrder", LongArg(c.order));
        first = false;
        sink.answer = [&c](long, VARIANT& rc) {
            switch (c.answer) {
            case Answer::Empty: break;
            case Answer::False: rc = BoolArg(false); break;
            case Answer::Zero: rc = LongArg(0); break;
            case Answer::Five: rc = TextArg(L"5"); break; // converted to a number
            }
        };
        log.clear();
        LRESULT result = SendMessageW(window, c.message, 1, 2);
        EXPECT_EQ(log, c.expectedLog);
        EXPECT_EQ(result, c.expectedResult);
        EXPECT_TRUE(Hooked(window));
    }
}

TEST_F(LatchetHook, TheEventCarriesTheMessageAndADisabledControlSwallowsSilently)
{
    HookWindow(2);
    SendMessageW(window, kListed, 11, 22);
    EXPECT_EQ(sink.messages, (std::vector<long>{static_cast<long>(kListed), 11, 22}));

    Put(L"Enabled", BoolArg(false));
    log.clear();
    EXPECT_EQ(SendMessageW(window, kListed, 0, 0), 0); // listed under CallInstead: swallowed
    EXPECT_TRUE(log.empty());
}

TEST_F(LatchetHook, AnUnlistedMessageReachesTheWindowOnceUnderCallAfter)
{
    HookWindow(1);
    log.clear();
    SendMessageW(window, kUnlisted, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"window " + std::to_string(kUnlisted)}));
}

TEST_F(LatchetHook, ListedMeansAWholeNumberOfTheList)
{
    // The list holds 3083 and 30: 3000 is neither, so CallInstead passes it on.
    Put(L"CallOrder", LongArg(2));
    Put(L"HookedObjectHandle", LongArg(static_cast<long>(reinterpret_cast<INT_PTR>(window))));
    Call(L"Add", {LongArg(3083)});
    Call(L"Add", {LongArg(30)});
    log.clear();
    EXPECT_EQ(SendMessageW(window, 3000, 0, 0), kWindowAnswer);
    EXPECT_EQ(log, (std::vector<std::string>{"window 3000"}));
}

// Message numbers from 0x80000000 up: the list keeps them signed, the
// window sees them unsigned; either form in the list counts as listed.
TEST_F(LatchetHook, AMessageNumberWithTheTopBitSetIsListedInEitherForm)
{
    const UINT big = 0x80000001u;
    WatchedMessages().insert(big);
    struct Case {
        const char* name;
        bool byAdd;
        const wchar_t* messagesText; // written as the Message page writes it
        std::vector<std::string> expectedLog;
    };
    const std::string ev = "event " + std::to_string(static_cast<long>(big));
    const Case cases[] = {
        {"added (held signed)", true, nullptr, {ev}},
        {"written signed", false, L"-2147483647", {}},
        {"written unsigned", false, L"2147483649", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Put(L"CallOrder", LongArg(2));
        Put(L"HookedObjectHandle", LongArg(static_cast<long>(reinterpret_cast<INT_PTR>(window))));
        Call(L"Clear");
        if (c.byAdd) Call(L"Add", {LongArg(static_cast<long>(big))});
        else Put(L"Messages", TextArg(c.messagesText));
        log.clear();
        // Listed under CallInstead: the window's own procedure never runs.
        EXPECT_EQ(SendMessageW(window, big, 0, 0), 0);
        EXPECT_EQ(log, c.expectedLog);
    }
    WatchedMessages().erase(big);
}

TEST_F(LatchetHook, ADestroyedWindowUnhooksItselfAndTheControlCanHookAgain)
{
    HookWindow(0);
    DestroyWindow(window);
    EXPECT_FALSE(Hooked(window));
    EXPECT_EQ(Long(L"HookedObjectHandle"), 0);

    HWND next = NewWindow();
    Put(L"HookedObjectHandle", LongArg(static_cast<long>(reinterpret_cast<INT_PTR>(next))));
    EXPECT_TRUE(Hooked(next));
    log.clear();
    SendMessageW(next, kListed, 0, 0);
    EXPECT_EQ(log.front(), "event " + std::to_string(kListed));
}

TEST_F(LatchetHook, LettingGoRestoresTheWindowsOwnProcedure)
{
    WNDPROC own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    HookWindow(0);
    EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), own);
    // The same handle again changes nothing: one hook.
    Put(L"HookedObjectHandle", LongArg(static_cast<long>(reinterpret_cast<INT_PTR>(window))));
    Call(L"Terminate");
    EXPECT_FALSE(Hooked(window));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), own);
    log.clear();
    SendMessageW(window, kListed, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"window " + std::to_string(kListed)}));

    // Releasing the control lets go of its window too.
    HookWindow(0);
    control.Reset();
    EXPECT_FALSE(Hooked(window));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), own);
}

TEST_F(LatchetHook, AnAnswerThatIsNoNumberEndsTheHookButNotTheMessage)
{
    HookWindow(0);
    sink.answer = [](long, VARIANT& rc) { rc = TextArg(L"not a number"); };
    log.clear();
    EXPECT_EQ(SendMessageW(window, kListed, 0, 0), kWindowAnswer); // the window still saw it
    EXPECT_EQ(log, (std::vector<std::string>{"event " + std::to_string(kListed), "window " + std::to_string(kListed)}));
    EXPECT_FALSE(Hooked(window));
    EXPECT_EQ(Long(L"HookedObjectHandle"), 0);
    log.clear();
    SendMessageW(window, kListed, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"window " + std::to_string(kListed)}));
}

TEST_F(LatchetHook, UnicodeTextPassesTheHookIntact)
{
    HookWindow(0);
    Call(L"Add", {LongArg(WM_SETTEXT)});
    const std::wstring title = L"\x03A9 \x2603 \x4E2D \xAC00";
    EXPECT_TRUE(SetWindowTextW(window, title.c_str()));
    wchar_t read[32] = {};
    GetWindowTextW(window, read, 32);
    EXPECT_EQ(std::wstring(read), title);
    EXPECT_NE(std::find(sink.messages.begin(), sink.messages.end(), static_cast<long>(WM_SETTEXT)),
              sink.messages.end());
}

TEST_F(LatchetHook, ASecondControlOnTheThreadTakesTheWindowOverCleanly)
{
    HookWindow(2);
    SiteStub otherSite;
    LatchetSink otherSink;
    FakeObject form;
    form.SetWindow(window);
    {
        Runtime::ComPtr<IDispatch> other = NewControl(&otherSite);
        ASSERT_NE(Connect(other.Get(), kLatchetEventsIid, &otherSink), 0u);
        VARIANT object;
        V_VT(&object) = VT_DISPATCH;
        V_DISPATCH(&object) = &form;
        DISPID put = DISPID_PROPERTYPUT;
        DISPPARAMS params{&object, &put, 1, 1};
        ASSERT_EQ(other->Invoke(IdOf(other.Get(), L"HookedObject"), IID_NULL, 0, DISPATCH_PROPERTYPUTREF, &params,
                                nullptr, nullptr, nullptr),
                  S_OK);
        Runtime::Variant ignored;
        CallMethod(other.Get(), L"Add", {LongArg(kListed)}, ignored);
        SendMessageW(window, kListed, 0, 0);
        EXPECT_EQ(otherSink.messages.size(), 3u);
        EXPECT_TRUE(sink.messages.empty());
        // The first control letting go does not take the second one's hook.
        Call(L"Terminate");
        EXPECT_TRUE(Hooked(window));
        CloseControl(other.Get());
    }
    // Released: no window keeps a pointer to a hook that is gone.
    EXPECT_FALSE(Hooked(window));
    EXPECT_EQ(SendMessageW(window, kListed, 0, 0), kWindowAnswer);
}

// Each control of a thread hooks a window of its own: every window reaches
// its own control, also the one hooked first, and a control letting go of
// its window leaves the other window's hook working.
TEST_F(LatchetHook, TwoWindowsOfOneThreadEachReachTheirOwnControl)
{
    HookWindow(2);
    HWND second = NewWindow();
    SiteStub otherSite;
    LatchetSink otherSink;
    {
        Runtime::ComPtr<IDispatch> other = NewControl(&otherSite);
        ASSERT_NE(Connect(other.Get(), kLatchetEventsIid, &otherSink), 0u);
        ASSERT_EQ(PutProperty(other.Get(), L"CallOrder", LongArg(2)), S_OK);
        ASSERT_EQ(PutProperty(other.Get(), L"HookedObjectHandle",
                              LongArg(static_cast<long>(reinterpret_cast<INT_PTR>(second)))),
                  S_OK);
        Runtime::Variant ignored;
        ASSERT_EQ(CallMethod(other.Get(), L"Add", {LongArg(kListed)}, ignored), S_OK);
        ASSERT_TRUE(Hooked(second));

        for (int round = 0; round < 2; ++round) {
            SCOPED_TRACE(round);
            sink.messages.clear();
            otherSink.messages.clear();
            SendMessageW(window, kListed, 1, 2);
            EXPECT_EQ(sink.messages, (std::vector<long>{static_cast<long>(kListed), 1, 2}));
            EXPECT_TRUE(otherSink.messages.empty());
            sink.messages.clear();
            SendMessageW(second, kListed, 3, 4);
            EXPECT_TRUE(sink.messages.empty());
            EXPECT_EQ(otherSink.messages, (std::vector<long>{static_cast<long>(kListed), 3, 4}));
        }
        CloseControl(other.Get());
    }
    EXPECT_FALSE(Hooked(second));
    log.clear();
    EXPECT_EQ(SendMessageW(second, kListed, 0, 0), kWindowAnswer);
    EXPECT_EQ(log, (std::vector<std::string>{"window " + std::to_string(kListed)}));
    EXPECT_TRUE(Hooked(window));
    sink.messages.clear();
    SendMessageW(window, kListed, 5, 6);
    EXPECT_EQ(sink.messages, (std::vector<long>{static_cast<long>(kListed), 5, 6}));
}

} // namespace
