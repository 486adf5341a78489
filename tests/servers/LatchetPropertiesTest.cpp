// The control's properties as its host sees them: the message list, the
// hooked object by reference and by name in both modes, the errors of run
// mode, the property pages' hook and persistence through a property bag.
#include "tests/servers/LatchetFixture.h"

namespace {

using namespace TestSupport;
using Runtime::Variant;

class LatchetProperties : public LatchetFixture {};

long Handle(HWND w) { return static_cast<long>(reinterpret_cast<INT_PTR>(w)); }

TEST_F(LatchetProperties, TheMessageListKeepsFirstAdditionsInOrder)
{
    struct Step {
        const wchar_t* method;
        long message;
        long count;
        const wchar_t* messages;
    };
    const Step steps[] = {
        {L"Add", 3, 1, L"3"},          {L"Add", 83, 2, L"3 83"},   {L"Add", 3, 2, L"3 83"},
        {L"Add", -601, 3, L"3 83 -601"}, {L"Remove", 83, 2, L"3 -601"}, {L"Remove", 999, 2, L"3 -601"},
        {L"Remove", 3, 1, L"-601"},    {L"Remove", -601, 0, L""},  {L"Remove", -601, 0, L""},
        {L"Add", 287, 1, L"287"},      {L"Add", 530, 2, L"287 530"}, {L"Clear", 0, 0, L""},
        {L"Add", 83, 1, L"83"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::to_string(s.message));
        if (std::wstring(s.method) == L"Clear") Call(s.method);
        else Call(s.method, {LongArg(s.message)});
        EXPECT_EQ(Long(L"Count"), s.count);
        EXPECT_EQ(Text(L"Messages"), s.messages);
        EXPECT_EQ(Text(L"List"), s.messages); // run mode
    }
}

TEST_F(LatchetProperties, ListIsReadOnlyInRunModeAndAPlaceholderInDesignMode)
{
    std::wstring description;
    EXPECT_EQ(ErrorOfPut(L"List", TextArg(L"1 2"), &description), 382);
    EXPECT_EQ(description, L"List property cannot be set at run time.\r\n\r\nUse Add method instead.");
    site.userMode = false;
    EXPECT_EQ(Text(L"List"), L"(List)");
    EXPECT_EQ(ErrorOfPut(L"List", TextArg(L"1 2"), &description), 0);
    EXPECT_EQ(Text(L"Messages"), L"");
    // The page writes the list as text: stored as it is, the array untouched.
    Put(L"Messages", TextArg(L"12 abc"));
    EXPECT_EQ(Text(L"Messages"), L"12 abc");
    EXPECT_EQ(Long(L"Count"), 0);
}

TEST_F(LatchetProperties, HookedObjectBySetHooksItsWindowOnce)
{
    FakeObject button;
    button.SetWindow(window);
    PutRef(L"HookedObject", &button);
    EXPECT_TRUE(Hooked(window));
    EXPECT_EQ(Long(L"HookedObjectHandle"), Handle(window));
    Variant value;
    ASSERT_EQ(GetProperty(control.Get(), L"HookedObject", value), S_OK);
    ASSERT_EQ(V_VT(value.Get()), VT_DISPATCH);
    EXPECT_EQ(V_DISPATCH(value.Get()), static_cast<IDispatch*>(&button));
    value.Put();

    // Objects without a live window change nothing.
    FakeObject noWindow;
    FakeObject deadWindow;
    HWND gone = NewWindow();
    DestroyWindow(gone);
    deadWindow.SetWindow(gone);
    PutRef(L"HookedObject", &noWindow);
    PutRef(L"HookedObject", &deadWindow);
    PutRef(L"HookedObject", &button); // the same object again
    EXPECT_TRUE(Hooked(window));
    EXPECT_EQ(Long(L"HookedObjectHandle"), Handle(window));

    PutRef(L"HookedObject", nullptr);
    EXPECT_FALSE(Hooked(window));
    EXPECT_EQ(Long(L"HookedObjectHandle"), 0);
    control.Reset(); // releases nothing it no longer holds
    EXPECT_EQ(button.References(), 1u);
}

TEST_F(LatchetProperties, HookedObjectByNameInRunAndDesignMode)
{
    FakeForm host(L"fwMain", window);
    site.extender.SetText(L"Name", L"ucLatchet");
    site.extender.SetObject(L"Parent", &host.form);

    Put(L"HookedObject", TextArg(L"Me"));
    EXPECT_TRUE(Hooked(window));
    Variant value;
    ASSERT_EQ(GetProperty(control.Get(), L"HookedObject", value), S_OK);
    ASSERT_EQ(V_VT(value.Get()), VT_DISPATCH);
    EXPECT_EQ(V_DISPATCH(value.Get()), static_cast<IDispatch*>(&host.form));
    value.Put();

    std::wstring description;
    EXPECT_EQ(ErrorOfPut(L"HookedObject", TextArg(L"cmdOk"), &description), 91);
    EXPECT_EQ(description,
              L"In run mode you must assign a valid reference to the property using the Set statement.");
    EXPECT_TRUE(Hooked(window)); // unchanged

    Put(L"HookedObject", TextArg(L"(None)"));
    EXPECT_TRUE(Hooked(window)); // the name goes, the hook stays
    ASSERT_EQ(GetProperty(control.Get(), L"HookedObject", value), S_OK);
    EXPECT_EQ(V_VT(value.Get()), VT_DISPATCH);
    EXPECT_EQ(V_DISPATCH(value.Get()), nullptr);
    value.Put();

    site.userMode = false;
    struct {
        const wchar_t* let;
        const wchar_t* read;
    } names[] = {{L"Me", L"Me"}, {L"fwMain", L"Me"}, {L"cmdOk", L"cmdOk"}, {L"", L"(None)"}, {L"(None)", L"(None)"}};
    for (const auto& n : names) {
        Put(L"HookedObject", TextArg(n.let));
        EXPECT_EQ(Text(L"HookedObject"), n.read);
    }
    ChangeSink notes;
    ASSERT_NE(Connect(control.Get(), IID_IPropertyNotifySink, &notes), 0u);
    Put(L"HookedObject", TextArg(L"cmdOk"));
    EXPECT_EQ(notes.changed, (std::vector<DISPID>{0x6803000C}));
    Runtime::ComPtr<IOleObject> ole;
    control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(ole.Put()));
    ole->Close(OLECLOSE_NOSAVE);
}

TEST_F(LatchetProperties, RaiseMessageFollowsTheListAndEnabledButHotKeysAlwaysPass)
{
    Call(L"Add", {LongArg(1025)});
    sink.answer = [](long, VARIANT& rc) { rc = LongArg(9); };
    struct {
        bool enabled;
        long message;
        int events;
        int hotKeys;
        const wchar_t* result;
    } cases[] = {
        {true, 1025, 1, 0, L"9"}, {true, 1026, 0, 0, L""}, {false, 1025, 0, 0, L""}, {false, 786, 0, 1, L""},
        {true, 786, 0, 1, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        Put(L"Enabled", BoolArg(c.enabled));
        sink.messages.clear();
        sink.hotKeyPresses = 0;
        Variant result;
        ASSERT_EQ(CallMethod(control.Get(), L"RaiseMessage", {LongArg(c.message), LongArg(1), LongArg(2)}, result),
                  S_OK);
        EXPECT_EQ(static_cast<int>(sink.messages.size()) / 3, c.events);
        EXPECT_EQ(sink.hotKeyPresses, c.hotKeys);
        EXPECT_EQ(TextOf(*result.Get()), c.result);
    }
}

TEST_F(LatchetProperties, PropertyPageHookAnswersTheObjectPageOnly)
{
    struct {
        const wchar_t* parameter;
        const wchar_t* page;
        const wchar_t* expected;
        VARTYPE type;
    } cases[] = {
        {L"PropertyName", L"Object", L"HookedObject", VT_BSTR},
        {L"ControlName", L"Object", L"Latchet", VT_BSTR},
        {L"ControlName", L"object", L"", VT_EMPTY},
        {L"Other", L"Object", L"", VT_EMPTY},
        {L"PropertyName", L"Message", L"", VT_EMPTY},
    };
    for (const auto& c : cases) {
        Variant result;
        ASSERT_EQ(CallMethod(control.Get(), L"PropertyPageHook", {TextArg(c.parameter), MissingArg(), TextArg(c.page)},
                             result),
                  S_OK);
        EXPECT_EQ(result.Type(), c.type);
        EXPECT_EQ(TextOf(*result.Get()), c.expected);
    }
}

TEST_F(LatchetProperties, ControlOfFindsTheControlThatHooksAnObject)
{
    FakeForm host(L"fwMain", window);
    site.extender.SetText(L"Name", L"ucLatchet");
    site.extender.SetObject(L"Parent", &host.form);
    FakeObject button;
    button.SetWindow(NewWindow());
    PutRef(L"HookedObject", &button);
    Variant result;
    VARIANT object;
    V_VT(&object) = VT_DISPATCH;
    V_DISPATCH(&object) = &button;
    ASSERT_EQ(CallMethod(control.Get(), L"ControlOf", {object}, result), S_OK);
    ASSERT_EQ(result.Type(), VT_DISPATCH);
    EXPECT_EQ(V_DISPATCH(result.Get()), static_cast<IDispatch*>(&site.extender));
    V_DISPATCH(&object) = &host.form; // hooked by no control of the form
    ASSERT_EQ(CallMethod(control.Get(), L"ControlOf", {object}, result), S_OK);
    EXPECT_EQ(V_DISPATCH(result.Get()), nullptr);
    result.Put();
    PutRef(L"HookedObject", nullptr);
}

TEST_F(LatchetProperties, PropertiesPersistThroughAPropertyBag)
{
    FakeForm host(L"fwMain", window);
    FakeObject button;
    button.SetText(L"Name", L"cmdOk");
    HWND buttonWindow = NewWindow();
    button.SetWindow(buttonWindow);
    host.AddControl(button);
    site.extender.SetObject(L"Parent", &host.form);

    PropertyBagStub bag;
    Runtime::ComPtr<IPersistPropertyBag> persist;
    control->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(persist.Put()));
    ASSERT_EQ(persist->InitNew(), S_OK); // a new control names its form
    Put(L"CallOrder", LongArg(2));
    Put(L"Enabled", BoolArg(false));
    Put(L"HotKeyCode", LongArg(0));
    Call(L"Add", {LongArg(287)});
    Call(L"Add", {LongArg(530)});
    Call(L"Add", {LongArg(83)});
    ASSERT_EQ(persist->Save(&bag, TRUE, TRUE), S_OK);
    EXPECT_EQ(bag.Keys(), (std::vector<std::wstring>{L"CallOrder", L"Enabled", L"HookedObject", L"HotKeyCode",
                                                       L"HotKeyAlt", L"HotKeyCtrl", L"HotKeyShift", L"HotKeyWin",
                                                       L"Messages"}));
    EXPECT_EQ(TextOf(*bag.Find(L"HookedObject")), L"Me");
    EXPECT_EQ(TextOf(*bag.Find(L"Messages")), L"287 530 83");

    struct Load {
        const char* name;
        std::vector<std::pair<std::wstring, std::wstring>> keys;
        long count;
        std::wstring messages;
        HWND hooked;
        long callOrder;
        bool enabled;
    };
    const Load loads[] = {
        {"saved", {{L"CallOrder", L"2"}, {L"Enabled", L"0"}, {L"HookedObject", L"Me"}, {L"Messages", L"287 530 83"}},
         3, L"287 530 83", window, 2, false},
        {"a control by name", {{L"HookedObject", L"CMDOK"}}, 0, L"", buttonWindow, 0, true},
        {"a name that finds nothing", {{L"HookedObject", L"cmdGone(3)"}, {L"Messages", L"15"}}, 1, L"15", nullptr, 0,
         true},
        {"damaged values",
         {{L"CallOrder", L"abc"}, {L"Enabled", L"perhaps"}, {L"Messages", L"12 12 x 99999999999 40"}},
         3, L"12 0 40", nullptr, 0, true},
        {"a gap ends the list", {{L"Messages", L"5  6"}}, 1, L"5", nullptr, 0, true},
    };
    for (const Load& load : loads) {
        SCOPED_TRACE(load.name);
        SiteStub loadSite;
        loadSite.extender.SetObject(L"Parent", &host.form);
        Runtime::ComPtr<IDispatch> loaded = NewControl(&loadSite);
        PropertyBagStub source;
        for (const auto& [key, text] : load.keys) source.SetText(key, text);
        Runtime::ComPtr<IPersistPropertyBag> loader;
        loaded->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(loader.Put()));
        EXPECT_EQ(loader->Load(&source, nullptr), S_OK);
        Variant v;
        GetProperty(loaded.Get(), L"Count", v);
        EXPECT_EQ(TextOf(*v.Get()), std::to_wstring(load.count));
        GetProperty(loaded.Get(), L"Messages", v);
        EXPECT_EQ(TextOf(*v.Get()), load.messages);
        GetProperty(loaded.Get(), L"CallOrder", v);
        EXPECT_EQ(TextOf(*v.Get()), std::to_wstring(load.callOrder));
        GetProperty(loaded.Get(), L"Enabled", v);
        EXPECT_EQ(V_BOOL(v.Get()) != VARIANT_FALSE, load.enabled);
        GetProperty(loaded.Get(), L"HookedObjectHandle", v);
        EXPECT_EQ(TextOf(*v.Get()), std::to_wstring(Handle(load.hooked)));
        Runtime::ComPtr<IOleObject> ole;
        loaded->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(ole.Put()));
        ole->SetClientSite(nullptr);
        ole.Reset();
        loader.Reset();
        loaded.Reset();
        EXPECT_FALSE(Hooked(window));
        EXPECT_FALSE(Hooked(buttonWindow));
    }
}

// A key that the bag refuses is left out; every other key is saved.
TEST_F(LatchetProperties, SavingSkipsAKeyTheBagRefusesAndSavesTheRest)
{
    Call(L"Add", {LongArg(83)});
    Runtime::ComPtr<IPersistPropertyBag> persist;
    control->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(persist.Put()));
    const std::vector<std::wstring> all{L"CallOrder", L"Enabled", L"HookedObject", L"HotKeyCode", L"HotKeyAlt",
                                        L"HotKeyCtrl", L"HotKeyShift", L"HotKeyWin", L"Messages"};
    for (const std::wstring& refused : {std::wstring(L"CallOrder"), std::wstring(L"HotKeyCode")}) {
        SCOPED_TRACE(std::string(refused.begin(), refused.end()));
        PropertyBagStub bag;
        bag.refusedKeys = {refused};
        EXPECT_EQ(persist->Save(&bag, TRUE, TRUE), S_OK);
        std::vector<std::wstring> expected;
        for (const std::wstring& key : all)
            if (key != refused) expected.push_back(key);
        EXPECT_EQ(bag.Keys(), expected);
        const VARIANT* messages = bag.Find(L"Messages");
        ASSERT_NE(messages, nullptr);
        EXPECT_EQ(TextOf(*messages), L"83");
    }
}

TEST_F(LatchetProperties, DesignModeKeepsTheListAsText)
{
    site.userMode = false;
    PropertyBagStub source;
    source.SetText(L"Messages", L"287 530 83");
    source.SetText(L"HookedObject", L"cmdOk");
    Runtime::ComPtr<IPersistPropertyBag> loader;
    control->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(loader.Put()));
    EXPECT_EQ(loader->Load(&source, nullptr), S_OK);
    EXPECT_EQ(Text(L"Messages"), L"287 530 83");
    EXPECT_EQ(Long(L"Count"), 0);
    EXPECT_EQ(Text(L"HookedObject"), L"cmdOk");
    EXPECT_EQ(Long(L"HookedObjectHandle"), 0);
}

} // namespace
