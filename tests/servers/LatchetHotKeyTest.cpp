// The hot key: key names both ways, the registration on the hooked window
// (seen through the atom and through a second registration of the same
// combination, which the system refuses while the control holds it), and
// WM_HOTKEY arriving at the hooked window.
#include "tests/servers/LatchetFixture.h"

namespace {

using namespace TestSupport;

class LatchetHotKey : public LatchetFixture {
protected:
    // Whether the combination is free: a registration of it succeeds.
    static bool Free(UINT modifiers, UINT key)
    {
        if (!RegisterHotKey(nullptr, 0x7F00, modifiers, key)) return false;
        UnregisterHotKey(nullptr, 0x7F00);
        return true;
    }
};

TEST_F(LatchetHotKey, KeyNamesGiveCodesAndCodesGiveNames)
{
    struct {
        const wchar_t* let;
        long code;
        const wchar_t* read;
    } cases[] = {
        {L"A", 65, L"A"},           {L"a", 65, L"A"},          {L"Num Enter", 108, L"Num Enter"},
        {L";", 186, L"Semicolon"},  {L"Semicolon", 83, L"S"},   {L"F12", 123, L"F12"},
        {L"pgdn", 34, L"PgDn"},     {L"num 7", 103, L"Num 7"},  {L"9", 57, L"9"},
        {L"\\", 220, L"Backslash"}, {L"zebra", 90, L"Z"},      {L" tab", 32, L"Space"}, // no trimming
        {L"WinLeft", 91, L"WinLeft"}, {L"scrolllock", 145, L"ScrollLock"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.let, c.let + wcslen(c.let)));
        Put(L"HotKeyChar", TextArg(c.let));
        EXPECT_EQ(Long(L"HotKeyCode"), c.code);
        EXPECT_EQ(Text(L"HotKeyChar"), c.read);
    }
    Put(L"HotKeyCode", LongArg(0));
    EXPECT_EQ(Text(L"HotKeyChar"), std::wstring(1, L'\0'));
    Put(L"HotKeyCode", LongArg(7));
    EXPECT_EQ(Text(L"HotKeyChar"), std::wstring(1, L'\x07'));
}

TEST_F(LatchetHotKey, BadKeyInputIsARunTimeErrorThatChangesNothing)
{
    Put(L"HotKeyCode", LongArg(65));
    EXPECT_EQ(ErrorOfPut(L"HotKeyChar", TextArg(L"")), 5);
    EXPECT_EQ(Long(L"HotKeyCode"), 65);
    for (long code : {256L, -1L, 100000L}) {
        Put(L"HotKeyCode", LongArg(code));
        Runtime::Variant value;
        EXCEPINFO excep{};
        DISPPARAMS none{nullptr, nullptr, 0, 0};
        EXPECT_EQ(control->Invoke(IdOf(control.Get(), L"HotKeyChar"), IID_NULL, 0, DISPATCH_PROPERTYGET, &none,
                                  value.Put(), &excep, nullptr),
                  DISP_E_EXCEPTION);
        EXPECT_EQ(excep.scode & 0xFFFF, 6) << code;
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
        SysFreeString(excep.bstrHelpFile);
    }
}

TEST_F(LatchetHotKey, TheControlRegistersItsCombinationOnTheHookedWindow)
{
    Put(L"HookedObjectHandle", LongArg(static_cast<long>(reinterpret_cast<INT_PTR>(window))));
    ChangeSink notes;
    ASSERT_NE(Connect(control.Get(), IID_IPropertyNotifySink, &notes), 0u);
    ASSERT_TRUE(Free(MOD_CONTROL | MOD_ALT, 'Q'));
    Put(L"HotKeyCtrl", BoolArg(true));
    Put(L"HotKeyAlt", BoolArg(true));
    Put(L"HotKeyCode", LongArg('Q'));
    EXPECT_NE(GlobalFindAtomA("81.3"), 0);
    EXPECT_FALSE(Free(MOD_CONTROL | MOD_ALT, 'Q'));
    Put(L"HotKeyAlt", BoolArg(true)); // the same value: no note, no new registration
    EXPECT_EQ(notes.changed, (std::vector<DISPID>{0x68030008, 0x6803000B, 0x6803000A}));

    // A new combination replaces the old one.
    Put(L"HotKeyShift", BoolArg(true));
    EXPECT_EQ(GlobalFindAtomA("81.3"), 0);
    EXPECT_NE(GlobalFindAtomA("81.7"), 0);
    EXPECT_TRUE(Free(MOD_CONTROL | MOD_ALT, 'Q'));
    EXPECT_FALSE(Free(MOD_CONTROL | MOD_ALT | MOD_SHIFT, 'Q'));

    // The Terminate method keeps it; releasing the control gives it back.
    Call(L"Terminate");
    EXPECT_FALSE(Free(MOD_CONTROL | MOD_ALT | MOD_SHIFT, 'Q'));
    Runtime::ComPtr<IOleObject> ole;
    control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(ole.Put()));
    ole->Close(OLECLOSE_NOSAVE);
    ole->SetClientSite(nullptr);
    ole.Reset();
    control.Reset();
    EXPECT_TRUE(Free(MOD_CONTROL | MOD_ALT | MOD_SHIFT, 'Q'));
    EXPECT_EQ(GlobalFindAtomA("81.7"), 0);
}

TEST_F(LatchetHotKey, ACombinationTakenElsewhereLeavesTheControlWithoutAHotKey)
{
    Put(L"HookedObjectHandle", LongArg(static_cast<long>(reinterpret_cast<INT_PTR>(window))));
    ASSERT_TRUE(RegisterHotKey(nullptr, 0x7F01, MOD_CONTROL | MOD_SHIFT, 'J'));
    Put(L"HotKeyCtrl", BoolArg(true));
    Put(L"HotKeyShift", BoolArg(true));
    Put(L"HotKeyCode", LongArg('J'));
    EXPECT_EQ(GlobalFindAtomA("74.6"), 0); // no atom kept for a refused key
    UnregisterHotKey(nullptr, 0x7F01);
    EXPECT_TRUE(Free(MOD_CONTROL | MOD_SHIFT, 'J'));
}

TEST_F(LatchetHotKey, DesignModeNeverRegisters)
{
    site.userMode = false;
    Put(L"HookedObjectHandle", LongArg(static_cast<long>(reinterpret_cast<INT_PTR>(window))));
    Put(L"HotKeyWin", BoolArg(true));
    Put(L"HotKeyCode", LongArg('K'));
    EXPECT_EQ(GlobalFindAtomA("75.8"), 0);
}

TEST_F(LatchetHotKey, LoadingRegistersOnceWithAllModifiers)
{
    FakeForm host(L"fwMain", window);
    site.extender.SetObject(L"Parent", &host.form);
    PropertyBagStub bag;
    bag.SetText(L"HotKeyCode", L"76");
    bag.SetText(L"HotKeyAlt", L"True");
    bag.SetText(L"HotKeyShift", L"True");
    bag.SetText(L"HookedObject", L"Me");
    Runtime::ComPtr<IPersistPropertyBag> loader;
    control->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(loader.Put()));
    ASSERT_EQ(loader->Load(&bag, nullptr), S_OK);
    EXPECT_NE(GlobalFindAtomA("76.5"), 0);
    EXPECT_FALSE(Free(MOD_ALT | MOD_SHIFT, 'L'));
    // WM_HOTKEY at the hooked window raises HotKeyPress, whatever the list.
    SendMessageW(window, WM_HOTKEY, GlobalFindAtomA("76.5"), MAKELPARAM(MOD_ALT | MOD_SHIFT, 'L'));
    EXPECT_EQ(sink.hotKeyPresses, 1);
    // The control lets go of the form before the form goes.
    PutRef(L"HookedObject", nullptr);
}

} // namespace
