// The Latchet control's two property pages, driven as a property frame
// drives them: made by the server's class factory, given a page site and
// the control, activated into a real window, their list and combo box
// worked, then IsPageDirty and Apply, and the control read afterwards.
#include "tests/servers/PageFixture.h"

#include <map>

namespace {

using namespace TestSupport;

class LatchetPages : public PageFixture {};

TEST_F(LatchetPages, TheControlNamesTheObjectPageThenTheMessagePage)
{
    Runtime::ComPtr<ISpecifyPropertyPages> specify;
    ASSERT_EQ(control->QueryInterface(IID_ISpecifyPropertyPages, reinterpret_cast<void**>(specify.Put())), S_OK);
    CAUUID pages{};
    ASSERT_EQ(specify->GetPages(&pages), S_OK);
    ASSERT_EQ(pages.cElems, 2u);
    EXPECT_TRUE(IsEqualCLSID(pages.pElems[0], kObjectPageId));
    EXPECT_TRUE(IsEqualCLSID(pages.pElems[1], kMessagePageId));
    CoTaskMemFree(pages.pElems);
}

TEST_F(LatchetPages, EachPageGivesItsCaption)
{
    struct Case {
        const CLSID* classId;
        const wchar_t* caption;
    } cases[] = {{&kObjectPageId, L"Object"}, {&kMessagePageId, L"Messages"}};
    for (const Case& c : cases) {
        Runtime::ComPtr<IPropertyPage> made;
        ASSERT_EQ(NewObject(*c.classId, IID_IPropertyPage, reinterpret_cast<void**>(made.Put())), S_OK);
        PROPPAGEINFO info{};
        ASSERT_EQ(made->GetPageInfo(&info), S_OK);
        EXPECT_STREQ(info.pszTitle, c.caption);
        EXPECT_GT(info.size.cx, 0);
        CoTaskMemFree(info.pszTitle);
    }
}

TEST_F(LatchetPages, MessagePageListsTheHookedMessagesCheckedAtTheTop)
{
    // 83 twice: each number counts once. The rows stand in table order,
    // the names in alphabetical order.
    Put(L"Messages", TextArg(L"83 3 83"));
    OpenPage(kMessagePageId);
    HWND list = ChildOf(pageWindow, L"ListBox");
    HWND count = ChildOf(pageWindow, L"Static");
    EXPECT_EQ(WindowText(count), L"(2)");
    ASSERT_GT(SendMessageW(list, LB_GETCOUNT, 0, 0), 100);
    EXPECT_EQ(SendMessageW(list, LB_GETSELCOUNT, 0, 0), 2);
    EXPECT_EQ(ListText(list, 0).rfind(L"WM_HELP", 0), 0u) << ListText(list, 0);
    EXPECT_EQ(ListText(list, 1).rfind(L"WM_MOVE", 0), 0u) << ListText(list, 1);
    EXPECT_NE(ListText(list, 1).find(L"\t= 3"), std::wstring::npos);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 0, 0), 83);
    EXPECT_GT(SendMessageW(list, LB_GETSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageW(list, LB_GETSEL, 2, 0), 0);
    EXPECT_EQ(page->IsPageDirty(), S_FALSE);
}

TEST_F(LatchetPages, CheckingAMessageMarksThePageAndApplyWritesTheList)
{
    Put(L"Messages", TextArg(L"3"));
    OpenPage(kMessagePageId);
    HWND list = ChildOf(pageWindow, L"ListBox");
    int help = FindItem(list, L"WM_HELP");
    ASSERT_GT(help, 0);
    ClickItem(list, help);
    EXPECT_EQ(WindowText(ChildOf(pageWindow, L"Static")), L"(2)");
    EXPECT_EQ(page->IsPageDirty(), S_OK);
    ASSERT_FALSE(pageSite.statuses.empty());
    EXPECT_EQ(pageSite.statuses.back(), static_cast<DWORD>(PROPPAGESTATUS_DIRTY));
    ASSERT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(Text(L"Messages"), L"3 83"); // in list order
    EXPECT_EQ(page->IsPageDirty(), S_FALSE);

    ClickItem(list, 0); // WM_MOVE, checked at the top, unchecked
    ASSERT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(Text(L"Messages"), L"83");
}

TEST_F(LatchetPages, ASharedValueAppliedComesBackCheckedOnEveryRowOfIt)
{
    Put(L"Messages", TextArg(L""));
    OpenPage(kMessagePageId);
    HWND list = ChildOf(pageWindow, L"ListBox");
    EXPECT_EQ(WindowText(ChildOf(pageWindow, L"Static")), L"(0)");
    // The value of the first row that another row shares.
    std::map<long, int> rows;
    long shared = -1;
    int sharedRow = -1;
    for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0) && shared < 0; ++i) {
        long value = static_cast<long>(SendMessageW(list, LB_GETITEMDATA, i, 0));
        if (rows.count(value)) shared = value, sharedRow = rows[value];
        rows[value] = i;
    }
    ASSERT_GE(shared, 0);
    ClickItem(list, sharedRow);
    ASSERT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(Text(L"Messages"), std::to_wstring(shared));

    IUnknown* objects[] = {control.Get()};
    ASSERT_EQ(page->SetObjects(1, objects), S_OK); // the page loads again
    int checked = static_cast<int>(SendMessageW(list, LB_GETSELCOUNT, 0, 0));
    EXPECT_GE(checked, 2);
    for (int i = 0; i < checked; ++i) EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, i, 0), shared);
}

TEST_F(LatchetPages, ObjectPageListsTheFormAndItsControlsAndApplyHooksTheOneChosen)
{
    site.userMode = false;
    FakeForm host(L"fwMain", window);
    FakeObject button, noWindow, other;
    button.SetText(L"Name", L"cmdOk");
    button.SetWindow(NewWindow());
    noWindow.SetText(L"Name", L"tmrTick"); // no window: not listed
    other.SetText(L"Name", L"txtName");
    other.SetLong(L"Index", 2);
    other.SetWindow(NewWindow());
    host.AddControl(button);
    host.AddControl(noWindow);
    host.AddControl(other);
    site.extender.SetText(L"Name", L"ucLatchet");
    site.extender.SetObject(L"Parent", &host.form);
    Put(L"HookedObject", TextArg(L"Me"));

    // The page and the frame's tab window inside the sheet window.
    HWND sheet = NewWindow();
    HWND tab = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, sheet, nullptr, nullptr,
                               nullptr);
    OpenPage(kObjectPageId, tab);
    HWND combo = ChildOf(pageWindow, L"ComboBox");
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(ComboItem(combo, 0), L"(None)");
    EXPECT_EQ(ComboItem(combo, 1), L"Me");
    EXPECT_EQ(ComboItem(combo, 2), L"cmdOk");
    EXPECT_EQ(ComboItem(combo, 3), L"txtName(2)");
    EXPECT_EQ(WindowText(combo), L"Me");
    EXPECT_EQ(WindowText(ChildOf(pageWindow, L"Static")),
              L"Attention!\r\nMake sure that ucLatchet control is placed on a form behind the object you select from "
              L"the list above.");
    PROPPAGEINFO info{};
    ASSERT_EQ(page->GetPageInfo(&info), S_OK);
    EXPECT_STREQ(info.pszTitle, L"HookedObject");
    CoTaskMemFree(info.pszTitle);

    ChooseItem(combo, 1); // the current value again
    EXPECT_EQ(page->IsPageDirty(), S_FALSE);
    ChooseItem(combo, 2);
    EXPECT_EQ(page->IsPageDirty(), S_OK);
    ASSERT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(Text(L"HookedObject"), L"cmdOk");
    EXPECT_FALSE(IsWindow(sheet)); // the sheet closes
}

TEST_F(LatchetPages, AnObjectGuidedByAnotherControlCannotBeChosen)
{
    site.userMode = false;
    FakeForm host(L"fwMain", window);
    FakeObject button, second;
    button.SetText(L"Name", L"cmdOk");
    button.SetWindow(NewWindow());
    second.SetText(L"Name", L"ucSecond");
    second.SetText(L"HookedObject", L"cmdOk");
    host.AddControl(button);
    host.AddControl(second);
    site.extender.SetText(L"Name", L"ucLatchet");
    site.extender.SetObject(L"Parent", &host.form);
    Put(L"HookedObject", TextArg(L"Me"));

    OpenPage(kObjectPageId);
    HWND combo = ChildOf(pageWindow, L"ComboBox");
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(ComboItem(combo, 2), L"cmdOk [guided by ucSecond]");
    ChooseItem(combo, 2);
    EXPECT_EQ(WindowText(combo), L"(None)");
}

TEST_F(LatchetPages, MessagePageShowsEachCheckAsABoxBesideTheItem)
{
    Put(L"Messages", TextArg(L"83 3"));
    OpenPage(kMessagePageId);
    HWND list = ChildOf(pageWindow, L"ListBox");
    SendMessageW(list, LB_SETCARETINDEX, 5, FALSE); // the current item apart from the rows compared
    RECT client{};
    GetClientRect(list, &client);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    // The pixels of row `index` from `left` to `right`.
    auto pixels = [&](int index, int left, int right) {
        RECT row{};
        SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&row));
        std::vector<COLORREF> colours;
        for (int y = row.top; y < row.bottom; ++y)
            for (int x = row.left + left; x < row.left + right; ++x) colours.push_back(GetPixel(dc, x, y));
        return colours;
    };
    int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    // WM_HELP (checked) and the third row (unchecked): their boxes differ,
    // their backgrounds past the text do not (a check is not a selection).
    EXPECT_NE(pixels(0, 0, height + 2), pixels(2, 0, height + 2));
    EXPECT_EQ(pixels(0, client.right - 12, client.right - 4), pixels(2, client.right - 12, client.right - 4));
    // The current item stands out.
    EXPECT_NE(pixels(5, client.right - 12, client.right - 4), pixels(2, client.right - 12, client.right - 4));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(LatchetPages, ObjectPageOfAControlInsideAUserControlShowsOnlyTheWarning)
{
    FakeObject container;
    PlaceInUserControl(container);
    OpenPage(kObjectPageId);
    EXPECT_FALSE(IsWindowVisible(ChildOf(pageWindow, L"ComboBox")));
    EXPECT_EQ(WindowText(ChildOf(pageWindow, L"Static")),
              L"When Latchet is contained within a PropertyPage, UserControl or UserDocument, set values of the "
              L"HookedObject property not at design time, but at run time.");
    EXPECT_EQ(page->IsPageDirty(), S_FALSE);
}

// A child's rectangle in its parent's client coordinates.
RECT PlaceOf(HWND child)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(LatchetPages, EachPageLaysItsControlsOutByItsFigures)
{
    OpenPage(kMessagePageId);
    RECT client{}, label = PlaceOf(ChildOf(pageWindow, L"Static")), list = PlaceOf(ChildOf(pageWindow, L"ListBox"));
    GetClientRect(pageWindow, &client);
    // The count at the top left, 9 pixels in; the list 4 pixels below it,
    // down to the page's foot.
    EXPECT_EQ(label.left, 9);
    EXPECT_EQ(label.top, 9);
    EXPECT_EQ(list.top, label.bottom + 4);
    EXPECT_GT(list.bottom, client.bottom - 16);
    ASSERT_EQ(page->Deactivate(), S_OK);

    site.userMode = false;
    FakeForm host(L"fwMain", window);
    site.extender.SetText(L"Name", L"ucLatchet");
    site.extender.SetObject(L"Parent", &host.form);
    page.Reset();
    OpenPage(kObjectPageId);
    RECT box = PlaceOf(ChildOf(pageWindow, L"ComboBox")), warning = PlaceOf(ChildOf(pageWindow, L"Static"));
    // The warning, 48 pixels high, 8 below the combo box.
    EXPECT_EQ(warning.top, box.bottom + 8);
    EXPECT_EQ(warning.bottom - warning.top, 48);
}

TEST_F(LatchetPages, APageWithoutAnObjectOrWithAForeignOneLosesNothing)
{
    for (const CLSID* classId : {&kMessagePageId, &kObjectPageId}) {
        SCOPED_TRACE(classId == &kMessagePageId ? "Message" : "Object");
        Runtime::ComPtr<IPropertyPage> made;
        ASSERT_EQ(NewObject(*classId, IID_IPropertyPage, reinterpret_cast<void**>(made.Put())), S_OK);
        RECT rect{0, 0, 300, 200};
        // No object at all: an empty page, nothing to apply.
        EXPECT_EQ(made->SetObjects(0, nullptr), S_OK);
        ASSERT_EQ(made->Activate(frame, &rect, TRUE), S_OK);
        EXPECT_EQ(made->IsPageDirty(), S_FALSE);
        EXPECT_EQ(made->Apply(), S_OK);
        // A null object is refused.
        IUnknown* none[] = {nullptr};
        EXPECT_EQ(made->SetObjects(1, none), E_POINTER);
        // An object that is not a Latchet: the page shows nothing of it.
        FakeObject foreign;
        IUnknown* objects[] = {&foreign};
        EXPECT_EQ(made->SetObjects(1, objects), S_OK);
        EXPECT_EQ(made->Deactivate(), S_OK);
        EXPECT_EQ(made->SetObjects(0, nullptr), S_OK);
    }
}

TEST_F(LatchetPages, ChangesThatCannotBeWrittenKeepThePageDirty)
{
    OpenPage(kMessagePageId);
    HWND list = ChildOf(pageWindow, L"ListBox");
    ClickItem(list, 0);
    ASSERT_EQ(page->IsPageDirty(), S_OK);
    // The object goes away before Apply: the change stays on the page.
    ASSERT_EQ(page->SetObjects(0, nullptr), S_OK);
    EXPECT_TRUE(FAILED(page->Apply()));
    EXPECT_EQ(page->IsPageDirty(), S_OK);
    // An object without Messages refuses the write: still dirty.
    FakeObject foreign;
    IUnknown* objects[] = {&foreign};
    ASSERT_EQ(page->SetObjects(1, objects), S_OK);
    ClickItem(list, 0);
    EXPECT_TRUE(FAILED(page->Apply()));
    EXPECT_EQ(page->IsPageDirty(), S_OK);
    page->SetObjects(0, nullptr); // before the object goes
}

// What the frame's timer saw while the modal frame was up.
struct FrameWatch {
    int ticks = 0;
    int pagesSeen = 0;
    bool closed = false;
};
FrameWatch* gWatch = nullptr;

BOOL CALLBACK CountPage(HWND child, LPARAM pages)
{
    wchar_t kind[64] = {};
    GetClassNameW(child, kind, 64);
    if (wcscmp(kind, L"OrlentaPropertyPage") == 0 && IsWindowVisible(child)) ++*reinterpret_cast<int*>(pages);
    return TRUE;
}

BOOL CALLBACK CloseFrame(HWND top, LPARAM)
{
    wchar_t kind[64] = {};
    GetClassNameW(top, kind, 64);
    if (wcscmp(kind, L"#32770") != 0 || !IsWindowVisible(top)) return TRUE;
    int pages = 0;
    EnumChildWindows(top, CountPage, reinterpret_cast<LPARAM>(&pages));
    // Closed once the page shows, or after ten seconds whatever it shows.
    if (pages > 0 || gWatch->ticks > 100) {
        gWatch->pagesSeen = pages;
        gWatch->closed = true;
        PostMessageW(top, WM_COMMAND, IDCANCEL, 0);
        return FALSE;
    }
    return TRUE;
}

void CALLBACK FrameTimer(HWND, UINT, UINT_PTR, DWORD)
{
    ++gWatch->ticks;
    if (!gWatch->closed) EnumThreadWindows(GetCurrentThreadId(), CloseFrame, 0);
}

TEST_F(LatchetPages, ThePropertyFrameShowsThePages)
{
    // The pages' classes from the server, known to this process only.
    DWORD cookies[2] = {};
    const CLSID* classes[] = {&kObjectPageId, &kMessagePageId};
    for (int i = 0; i < 2; ++i) {
        Runtime::ComPtr<IClassFactory> factory;
        ASSERT_EQ(ClassFactory(*classes[i], factory.Put()), S_OK);
        ASSERT_EQ(CoRegisterClassObject(*classes[i], factory.Get(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                        &cookies[i]),
                  S_OK);
    }
    FrameWatch watch;
    gWatch = &watch;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, FrameTimer);
    IUnknown* objects[] = {control.Get()};
    CLSID pages[] = {kObjectPageId, kMessagePageId};
    HRESULT hr = OleCreatePropertyFrame(frame, 10, 10, L"ucLatchet", 1, objects, 2, pages, LOCALE_USER_DEFAULT, 0,
                                        nullptr);
    KillTimer(nullptr, timer);
    gWatch = nullptr;
    for (DWORD cookie : cookies) CoRevokeClassObject(cookie);
    EXPECT_EQ(hr, S_OK);
    EXPECT_TRUE(watch.closed);
    EXPECT_EQ(watch.pagesSeen, 1); // the first page, Object, is the one shown
}

} // namespace
