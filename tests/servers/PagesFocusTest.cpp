// What needs the display's keyboard focus on the property pages: the list
// menu popped up by a right click on the Message page's list, with the
// page following the menu's checks, and the frame's request to edit the
// page's property. Named ...Focus: the cases run alone.
#include "tests/servers/PageFixture.h"

#include "tests/chardata/ClipboardFixture.h"
#include "tests/servers/MenuChooser.h"

namespace {

using namespace TestSupport;

class PagesFocus : public PageFixture {
protected:
    void OpenMessagePage(const wchar_t* messages)
    {
        ShowWindow(window, SW_SHOWNA);
        Put(L"Messages", TextArg(messages));
        OpenPage(kMessagePageId);
        list = ChildOf(pageWindow, L"ListBox");
        count = ChildOf(pageWindow, L"Static");
    }
    // A right click on item `index` of the list, with the menu's item of
    // access key `key` chosen (0: closed without a choice).
    void RightClick(int index, wchar_t key)
    {
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        LPARAM at = MAKELPARAM(item.left + 40, (item.top + item.bottom) / 2);
        MenuChooser chooser(key);
        SendMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, at);
        SendMessageW(list, WM_RBUTTONUP, 0, at);
        EXPECT_TRUE(chooser.Seen());
    }
    int CheckedCount() const { return static_cast<int>(SendMessageW(list, LB_GETSELCOUNT, 0, 0)); }
    int Current() const { return static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0)); }

    HWND list = nullptr;
    HWND count = nullptr;
};

TEST_F(PagesFocus, TheListMenuChecksAndUnchecksAsTheUserDoes)
{
    OpenMessagePage(L"83");
    int items = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    std::set<long> values;
    for (int i = 0; i < items; ++i) values.insert(static_cast<long>(SendMessageW(list, LB_GETITEMDATA, i, 0)));

    RightClick(3, 0); // closed: nothing changes
    EXPECT_EQ(CheckedCount(), 1);
    EXPECT_EQ(page->IsPageDirty(), S_FALSE);

    SendMessageW(list, LB_SETCARETINDEX, 3, FALSE);
    RightClick(3, L'a'); // Select All
    EXPECT_EQ(CheckedCount(), items);
    EXPECT_EQ(Current(), 3); // the checks move no current item
    EXPECT_EQ(WindowText(count), L"(" + std::to_wstring(values.size()) + L")");
    EXPECT_EQ(page->IsPageDirty(), S_OK);
    ASSERT_EQ(page->Apply(), S_OK);

    RightClick(3, L'c'); // Clear All
    EXPECT_EQ(CheckedCount(), 0);
    EXPECT_EQ(WindowText(count), L"(0)");
    EXPECT_EQ(page->IsPageDirty(), S_OK);
    ASSERT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(Text(L"Messages"), L"");
}

TEST_F(PagesFocus, TheListMenuMovesAndCopiesOverTheChecks)
{
    FormsTest::ClipboardLock lock;
    ASSERT_TRUE(lock.Held());
    OpenMessagePage(L"83 3");
    SendMessageW(list, LB_SETCARETINDEX, 0, FALSE);
    RightClick(0, L'n'); // Next Selected: WM_MOVE
    EXPECT_EQ(Current(), 1);
    RightClick(1, L'p'); // Previous Selected: WM_HELP
    EXPECT_EQ(Current(), 0);
    EXPECT_EQ(page->IsPageDirty(), S_FALSE);

    Runtime::Clipboard::Clear();
    RightClick(0, L'o'); // Copy Special
    std::string expected;
    for (int i : {0, 1}) {
        for (wchar_t c : ListText(list, i)) expected += static_cast<char>(c);
        expected += " = " + std::to_string(SendMessageW(list, LB_GETITEMDATA, i, 0)) + "\r\n";
    }
    EXPECT_EQ(Runtime::Clipboard::GetText(), expected);
}

TEST_F(PagesFocus, AClosedPageLeavesTheControlAListItCanLetGo)
{
    OpenMessagePage(L"83");
    RightClick(0, 0); // the control keeps the page's list
    ASSERT_EQ(page->Deactivate(), S_OK);
    Call(L"Terminate"); // lets the list go
    // The page opens again, with a list of its own.
    RECT rect{0, 0, 360, 280};
    ASSERT_EQ(page->Activate(frame, &rect, TRUE), S_OK);
    pageWindow = FindWindowExW(frame, nullptr, L"OrlentaPropertyPage", nullptr);
    list = ChildOf(pageWindow, L"ListBox");
    count = ChildOf(pageWindow, L"Static");
    RightClick(0, L'c'); // Clear All
    EXPECT_EQ(WindowText(count), L"(0)");
}

TEST_F(PagesFocus, EditPropertyFocusesThePagesControl)
{
    OpenMessagePage(L"3");
    Runtime::ComPtr<IPropertyPage2> page2;
    ASSERT_EQ(page->QueryInterface(IID_IPropertyPage2, reinterpret_cast<void**>(page2.Put())), S_OK);
    SetFocus(nullptr);
    ASSERT_EQ(page2->EditProperty(DISPID_UNKNOWN), S_OK);
    EXPECT_EQ(GetFocus(), list);
    page2.Reset();
    page->Deactivate();
    page.Reset();

    // The Object page focuses its combo box (its edit part takes the focus).
    site.userMode = false;
    FakeForm host(L"fwMain", window);
    site.extender.SetText(L"Name", L"ucLatchet");
    site.extender.SetObject(L"Parent", &host.form);
    OpenPage(kObjectPageId);
    HWND combo = ChildOf(pageWindow, L"ComboBox");
    ASSERT_EQ(page->QueryInterface(IID_IPropertyPage2, reinterpret_cast<void**>(page2.Put())), S_OK);
    SetFocus(nullptr);
    ASSERT_EQ(page2->EditProperty(DISPID_UNKNOWN), S_OK);
    EXPECT_TRUE(GetFocus() == combo || IsChild(combo, GetFocus()));
}

TEST_F(PagesFocus, EditPropertyLeavesAHiddenComboBoxAlone)
{
    // The control inside a user control: the Object page hides its combo box.
    FakeObject container;
    PlaceInUserControl(container);
    OpenPage(kObjectPageId);
    HWND combo = ChildOf(pageWindow, L"ComboBox");
    ASSERT_FALSE(IsWindowVisible(combo));
    Runtime::ComPtr<IPropertyPage2> page2;
    ASSERT_EQ(page->QueryInterface(IID_IPropertyPage2, reinterpret_cast<void**>(page2.Put())), S_OK);
    SetFocus(frame);
    ASSERT_EQ(page2->EditProperty(DISPID_UNKNOWN), S_OK);
    EXPECT_EQ(GetFocus(), frame);
}

} // namespace
