// The hook's life: a host that lets go of the hook from inside its Message
// handler, and two controls of one thread, each on a window of its own with
// a hot key of its own.
#include "tests/servers/LatchetFixture.h"

namespace {

using namespace TestSupport;

const UINT kListed = WM_USER + 1;

long Handle(HWND w) { return static_cast<long>(reinterpret_cast<INT_PTR>(w)); }

class LatchetLifetime : public LatchetFixture {
protected:
    void HookWindow(long order)
    {
        Put(L"CallOrder", LongArg(order));
        Put(L"HookedObjectHandle", LongArg(Handle(window)));
        Call(L"Add", {LongArg(kListed)});
        ASSERT_TRUE(Hooked(window));
    }

    // Sets a property by reference (Set) through IDispatch.
    static HRESULT PutRefOn(IDispatch* on, const wchar_t* name, IDispatch* object)
    {
        VARIANT value;
        V_VT(&value) = VT_DISPATCH;
        V_DISPATCH(&value) = object;
        DISPID named = DISPID_PROPERTYPUT;
        DISPPARAMS params{&value, &named, 1, 1};
        return on->Invoke(IdOf(on, name), IID_NULL, 0, DISPATCH_PROPERTYPUTREF, &params, nullptr, nullptr, nullptr);
    }

    // Whether the combination is free: a registration of it succeeds.
    static bool Free(UINT modifiers, UINT key)
    {
        if (!RegisterHotKey(nullptr, 0x7F02, modifiers, key)) return false;
        UnregisterHotKey(nullptr, 0x7F02);
        return true;
    }
};

// The handler lets go of the window in each of the host's ways; the window
// procedure that raised the event runs on to its end (the window still gets
// the message as the call order says) and the window is unhooked, or the
// other window hooked, from then on.
TEST_F(LatchetLifetime, TheHostLetsGoOfTheHookInsideItsMessageHandler)
{
    enum class Action { Terminate, ObjectNothing, ObjectOther, HandleZero, HandleOther };
    struct Case {
        const char* name;
        Action action;
        long order;
    };
    const Case cases[] = {
        {"Terminate, before", Action::Terminate, 0},
        {"Terminate, after", Action::Terminate, 1},
        {"Terminate, instead", Action::Terminate, 2},
        {"HookedObject = Nothing", Action::ObjectNothing, 0},
        {"HookedObject = Nothing, instead", Action::ObjectNothing, 2},
        {"HookedObject = another window", Action::ObjectOther, 0},
        {"HookedObjectHandle = 0", Action::HandleZero, 0},
        {"HookedObjectHandle = 0, after", Action::HandleZero, 1},
        {"HookedObjectHandle = another window", Action::HandleOther, 0},
    };
    const std::string ev = "event " + std::to_string(kListed);
    const std::string win = "window " + std::to_string(kListed);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeObject own;
        own.SetWindow(window);
        PutRef(L"HookedObject", &own);
        HookWindow(c.order);
        HWND other = NewWindow();
        FakeObject otherObject;
        otherObject.SetWindow(other);
        IDispatch* self = control.Get();
        sink.answer = [&](long, VARIANT&) {
            switch (c.action) {
            case Action::Terminate: {
                Runtime::Variant ignored;
                CallMethod(self, L"Terminate", {}, ignored);
                break;
            }
            case Action::ObjectNothing: PutRefOn(self, L"HookedObject", nullptr); break;
            case Action::ObjectOther: PutRefOn(self, L"HookedObject", &otherObject); break;
            case Action::HandleZero: PutProperty(self, L"HookedObjectHandle", LongArg(0)); break;
            case Action::HandleOther: PutProperty(self, L"HookedObjectHandle", LongArg(Handle(other))); break;
            }
            // Let go at once: the window is no longer hooked inside the handler.
            EXPECT_FALSE(Hooked(window));
        };
        log.clear();
        LRESULT result = SendMessageW(window, kListed, 0, 0);
        sink.answer = nullptr;
        // Terminate clears the list: the message then counts as unlisted,
        // and CallInstead passes it on.
        const bool swallowed = c.order == 2 && c.action != Action::Terminate;
        std::vector<std::string> expected{ev, win};
        if (c.order == 1) expected = {win, ev};
        if (swallowed) expected = {ev};
        EXPECT_EQ(log, expected);
        EXPECT_EQ(result, swallowed ? 0 : kWindowAnswer);
        EXPECT_FALSE(Hooked(window));
        const bool movedOn = c.action == Action::ObjectOther || c.action == Action::HandleOther;
        EXPECT_EQ(Hooked(other), movedOn);
        EXPECT_EQ(Long(L"HookedObjectHandle"), movedOn ? Handle(other) : 0);

        // The window answers on its own from now on; the control works on.
        log.clear();
        EXPECT_EQ(SendMessageW(window, kListed, 0, 0), kWindowAnswer);
        EXPECT_EQ(log, (std::vector<std::string>{win}));
        if (c.action == Action::Terminate) Call(L"Add", {LongArg(kListed)});
        if (movedOn) {
            log.clear();
            SendMessageW(other, kListed, 0, 0);
            EXPECT_EQ(log.front(), ev);
        }
        PutRef(L"HookedObject", nullptr);
        Put(L"HookedObjectHandle", LongArg(0));
    }
}

// The host's last reference to the control goes inside the handler too.
TEST_F(LatchetLifetime, TheHostReleasesTheControlInsideItsMessageHandler)
{
    HookWindow(0);
    sink.answer = [&](long, VARIANT&) {
        Call(L"Terminate");
        CloseControl(control.Get());
        control.Reset();
    };
    log.clear();
    EXPECT_EQ(SendMessageW(window, kListed, 0, 0), kWindowAnswer);
    EXPECT_EQ(log, (std::vector<std::string>{"event " + std::to_string(kListed), "window " + std::to_string(kListed)}));
    EXPECT_FALSE(Hooked(window));
    sink.answer = nullptr;
}

// Two controls of one thread on two windows: each reads its own window,
// registers its hot key on its own window and lets go of its own window
// only; releasing one leaves the other's hook and hot key working.
TEST_F(LatchetLifetime, TwoControlsOfOneThreadKeepTheirOwnWindowsAndHotKeys)
{
    HookWindow(0);
    HWND second = NewWindow();
    SiteStub otherSite;
    LatchetSink otherSink;
    Runtime::ComPtr<IDispatch> other = NewControl(&otherSite);
    ASSERT_NE(Connect(other.Get(), kLatchetEventsIid, &otherSink), 0u);
    ASSERT_EQ(PutProperty(other.Get(), L"HookedObjectHandle", LongArg(Handle(second))), S_OK);
    ASSERT_TRUE(Free(MOD_CONTROL | MOD_ALT, 'Q'));
    ASSERT_TRUE(Free(MOD_CONTROL | MOD_ALT, 'W'));

    // Both hot keys are set after both windows are hooked.
    Put(L"HotKeyCtrl", BoolArg(true));
    Put(L"HotKeyAlt", BoolArg(true));
    Put(L"HotKeyCode", LongArg('Q'));
    ASSERT_EQ(PutProperty(other.Get(), L"HotKeyCtrl", BoolArg(true)), S_OK);
    ASSERT_EQ(PutProperty(other.Get(), L"HotKeyAlt", BoolArg(true)), S_OK);
    ASSERT_EQ(PutProperty(other.Get(), L"HotKeyCode", LongArg('W')), S_OK);
    ATOM first = GlobalFindAtomA("81.3");
    ATOM secondKey = GlobalFindAtomA("87.3");
    ASSERT_NE(first, 0);
    ASSERT_NE(secondKey, 0);

    EXPECT_EQ(Long(L"HookedObjectHandle"), Handle(window));
    Runtime::Variant handle;
    GetProperty(other.Get(), L"HookedObjectHandle", handle);
    EXPECT_EQ(TextOf(*handle.Get()), std::to_wstring(Handle(second)));

    // Each combination is registered on its own control's window: the other
    // window holds no registration of it to take away.
    EXPECT_FALSE(UnregisterHotKey(second, first));
    EXPECT_FALSE(UnregisterHotKey(window, secondKey));

    // Nothing of the first control is touched when the second goes.
    CloseControl(other.Get());
    other.Reset();
    EXPECT_FALSE(Hooked(second));
    EXPECT_TRUE(Free(MOD_CONTROL | MOD_ALT, 'W'));
    EXPECT_TRUE(Hooked(window));
    EXPECT_EQ(Long(L"HookedObjectHandle"), Handle(window));
    EXPECT_FALSE(Free(MOD_CONTROL | MOD_ALT, 'Q'));
    log.clear();
    SendMessageW(window, kListed, 0, 0);
    EXPECT_EQ(log.front(), "event " + std::to_string(kListed));
    // Its hot key reaches it through its own window.
    SendMessageW(window, WM_HOTKEY, first, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'Q'));
    EXPECT_EQ(sink.hotKeyPresses, 1);
    EXPECT_EQ(otherSink.hotKeyPresses, 0);

    // And the same the other way round: the first control going leaves the
    // second's window and hot key alone.
    SiteStub thirdSite;
    Runtime::ComPtr<IDispatch> third = NewControl(&thirdSite);
    ASSERT_EQ(PutProperty(third.Get(), L"HookedObjectHandle", LongArg(Handle(second))), S_OK);
    ASSERT_EQ(PutProperty(third.Get(), L"HotKeyWin", BoolArg(true)), S_OK);
    ASSERT_EQ(PutProperty(third.Get(), L"HotKeyCode", LongArg('W')), S_OK);
    CloseControl(control.Get());
    control.Reset();
    EXPECT_FALSE(Hooked(window));
    EXPECT_TRUE(Free(MOD_CONTROL | MOD_ALT, 'Q'));
    EXPECT_TRUE(Hooked(second));
    EXPECT_FALSE(Free(MOD_WIN, 'W'));
    GetProperty(third.Get(), L"HookedObjectHandle", handle);
    EXPECT_EQ(TextOf(*handle.Get()), std::to_wstring(Handle(second)));
    CloseControl(third.Get());
}

} // namespace
