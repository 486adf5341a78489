// The list menu that a property page's list box pops up through the
// control: shown over the list, its item chosen by its access key, acting
// on the list's selection, the current item and the clipboard.
#include "tests/servers/LatchetFixture.h"

#include "tests/chardata/ClipboardFixture.h"
#include "tests/servers/MenuChooser.h"

namespace {

using namespace TestSupport;

// A list box as a page's list reaches the control: ListCount, Selected(i),
// ListIndex, List(i), ItemData(i) and hWnd.
class FakeListBox final : public DispatchStub {
public:
    struct Row {
        std::wstring text;
        long data;
        bool selected;
    };
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override
    {
        const wchar_t* known[] = {L"ListCount", L"Selected", L"ListIndex", L"List", L"ItemData", L"hWnd"};
        for (DISPID i = 0; i < 6; ++i)
            if (_wcsicmp(names[0], known[i]) == 0) {
                ids[0] = i + 1;
                return S_OK;
            }
        ids[0] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT*) override
    {
        bool put = flags & DISPATCH_PROPERTYPUT;
        // Put: rgvarg[0] is the value, rgvarg[1] the index; get: rgvarg[0] the index.
        auto arg = [&](UINT n) {
            VARIANT v;
            VariantInit(&v);
            VariantChangeType(&v, &params->rgvarg[n], 0, VT_I4);
            return V_I4(&v);
        };
        long index = params->cArgs > (put ? 1u : 0u) ? arg(put ? 1 : 0) : -1;
        if ((id == 2 || id == 4 || id == 5) && (index < 0 || index >= static_cast<long>(rows.size())))
            return DISP_E_BADINDEX;
        if (put) {
            if (id == 2) rows[static_cast<std::size_t>(index)].selected = arg(0) != 0;
            else if (id == 3) current = arg(0);
            else return DISP_E_MEMBERNOTFOUND;
            return S_OK;
        }
        VariantInit(result);
        switch (id) {
        case 1: *result = LongArg(static_cast<long>(rows.size())); break;
        case 2: *result = BoolArg(rows[static_cast<std::size_t>(index)].selected); break;
        case 3: *result = LongArg(current); break;
        case 4: *result = TextArg(rows[static_cast<std::size_t>(index)].text); break;
        case 5: *result = LongArg(rows[static_cast<std::size_t>(index)].data); break;
        case 6: *result = LongArg(static_cast<long>(reinterpret_cast<INT_PTR>(window))); break;
        default: return DISP_E_MEMBERNOTFOUND;
        }
        return S_OK;
    }
    std::vector<Row> rows;
    long current = 0;
    HWND window = nullptr;
};

// Named ...Focus: the cases run alone, so that no other program's window
// takes the display while the menu is up.
class LatchetMenuFocus : public LatchetFixture {
protected:
    void Popup(wchar_t key) { EXPECT_EQ(PopupResult(key, nullptr), S_OK); }
    // Pops the menu up and chooses by `key`; the call's result, and the
    // description of the error it raised.
    HRESULT PopupResult(wchar_t key, std::wstring* description)
    {
        MenuChooser chooser(key);
        VARIANT object;
        V_VT(&object) = VT_DISPATCH;
        V_DISPATCH(&object) = &list;
        Runtime::Variant result;
        EXCEPINFO excep{};
        HRESULT hr = CallMethod(control.Get(), L"PPMenuPopup", {object}, result, &excep);
        EXPECT_TRUE(chooser.Seen());
        if (description) *description = Runtime::BstrText(excep.bstrDescription);
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
        SysFreeString(excep.bstrHelpFile);
        return hr;
    }
    void SetUp() override
    {
        LatchetFixture::SetUp();
        ShowWindow(window, SW_SHOWNA);
        list.window = window;
        list.rows = {{L"WM_MOVE\t= 3", 3, false}, {L"WM_SIZE\t= 5", 5, true}, {L"WM_HELP\t= 83", 83, false},
                     {L"WM_USER\t= 1024", 1024, true}};
    }
    std::vector<bool> Selection() const
    {
        std::vector<bool> selected;
        for (const auto& row : list.rows) selected.push_back(row.selected);
        return selected;
    }
    FakeListBox list;
};

TEST_F(LatchetMenuFocus, ChosenItemsActOnTheList)
{
    Popup(L'a'); // Select All
    EXPECT_EQ(Selection(), (std::vector<bool>{true, true, true, true}));
    Popup(L'c'); // Clear All: the first item with that key
    EXPECT_EQ(Selection(), (std::vector<bool>{false, false, false, false}));
    Popup(0); // closed without a choice
    EXPECT_EQ(Selection(), (std::vector<bool>{false, false, false, false}));
}

TEST_F(LatchetMenuFocus, PreviousAndNextGoToTheNearestSelectedItem)
{
    list.current = 2;
    Popup(L'p');
    EXPECT_EQ(list.current, 1);
    Popup(L'n');
    EXPECT_EQ(list.current, 3);
    Popup(L'n'); // none below: the item is disabled
    EXPECT_EQ(list.current, 3);
}

TEST_F(LatchetMenuFocus, CopySpecialPutsTextAndValuesOfTheSelectedItems)
{
    FormsTest::ClipboardLock lock;
    ASSERT_TRUE(lock.Held());
    Runtime::Clipboard::Clear();
    Popup(L'o');
    EXPECT_EQ(Runtime::Clipboard::GetText(), "WM_SIZE\t= 5 = 5\r\nWM_USER\t= 1024 = 1024\r\n");
}

TEST_F(LatchetMenuFocus, ACopyTheSystemRefusesFailsAsOneWhileTheClipboardIsBusy)
{
    FormsTest::ClipboardLock lock;
    ASSERT_TRUE(lock.Held());
    std::wstring busy, refused;
    Runtime::Clipboard::Clear();
    Runtime::Clipboard::SetText("kept");
    HRESULT busyResult = S_OK;
    {
        FormsTest::ClipboardHolder holder(20000);
        ASSERT_TRUE(holder.Held());
        busyResult = PopupResult(L'o', &busy);
    }
    HRESULT refusedResult = S_OK;
    {
        FormsTest::ClipboardRefusal refusal(GetModuleHandleW(L"Latchet.dll"), FormsTest::ClipboardRefusal::SetData);
        ASSERT_TRUE(refusal.Active());
        refusedResult = PopupResult(L'o', &refused);
    }
    EXPECT_NE(busyResult, S_OK);
    EXPECT_EQ(refusedResult, busyResult);
    EXPECT_EQ(busy, L"Can't open Clipboard");
    EXPECT_EQ(refused, busy);
    EXPECT_EQ(Runtime::Clipboard::GetText(), "kept");
}

} // namespace
