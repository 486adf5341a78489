// The Latchet control's two property pages, driven as a property frame
// drives them: made by the server's class factory, given a page site and
// the control, activated into a real window, their list and combo box
// worked, then IsPageDirty and Apply, and the control read afterwards.
#include "tests/servers/LatchetFixture.h"

#include <ocidl.h>
#include <olectl.h>

#include <map>

namespace {

using namespace TestSupport;

const CLSID kObjectPageId = {0xd54612d8, 0xb033, 0x4f90, {0x92, 0x62, 0x58, 0xbf, 0x0f, 0x64, 0x21, 0x35}};
const CLSID kMessagePageId = {0x1aa54a65, 0x6c7a, 0x4b7b, {0x9c, 0x74, 0x86, 0x42, 0xf2, 0xe2, 0xf5, 0xe3}};

// The frame's side of a page: records the status changes the page reports.
class PageSite final : public StackObject<IPropertyPageSite> {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyPageSite)) {
            *object = static_cast<IPropertyPageSite*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP OnStatusChange(DWORD flags) override
    {
        statuses.push_back(flags);
        return S_OK;
    }
    STDMETHODIMP GetLocaleID(LCID* locale) override
    {
        *locale = LOCALE_USER_DEFAULT;
        return S_OK;
    }
    STDMETHODIMP GetPageContainer(IUnknown** container) override
    {
        *container = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }
    std::vector<DWORD> statuses;
};

std::wstring WindowText(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::wstring ListText(HWND list, int index)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, index, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::wstring ComboItem(HWND combo, int index)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

// The page window's child of class `kind` (the first one).
HWND ChildOf(HWND page, const wchar_t* kind)
{
    return FindWindowExW(page, nullptr, kind, nullptr);
}

class LatchetPages : public LatchetFixture {
protected:
    void SetUp() override
    {
        LatchetFixture::SetUp();
        frame = NewWindow();
        ShowWindow(frame, SW_SHOWNOACTIVATE);
    }
    void TearDown() override
    {
        if (page) {
            page->Deactivate();
            page->SetObjects(0, nullptr);
            page->SetPageSite(nullptr);
        }
        page.Reset();
        LatchetFixture::TearDown();
    }

    // A page of class `classId` on the page site, editing the control,
    // active in `parent` (the frame's window).
    void OpenPage(REFCLSID classId, HWND parent = nullptr)
    {
        ASSERT_EQ(NewObject(classId, IID_IPropertyPage, reinterpret_cast<void**>(page.Put())), S_OK);
        ASSERT_EQ(page->SetPageSite(&pageSite), S_OK);
        IUnknown* objects[] = {control.Get()};
        ASSERT_EQ(page->SetObjects(1, objects), S_OK);
        RECT rect{0, 0, 360, 280};
        ASSERT_EQ(page->Activate(parent ? parent : frame, &rect, TRUE), S_OK);
        ASSERT_EQ(page->Show(SW_SHOW), S_OK);
        pageWindow = FindWindowExW(parent ? parent : frame, nullptr, L"OrlentaPropertyPage", nullptr);
        ASSERT_NE(pageWindow, nullptr);
    }

    // Clicks item `index` of the page's list box, as the user does: the
    // item's check toggles.
    void ClickItem(HWND list, int index)
    {
        SendMessageW(list, LB_SETTOPINDEX, index, 0);
        RECT item{};
        SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(list, WM_LBUTTONUP, 0, at);
    }

    // Chooses the combo box's item `index`, as the user's click in its list.
    void ChooseItem(HWND combo, int index)
    {
        SendMessageW(combo, CB_SETCURSEL, index, 0);
        SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    }

    int FindItem(HWND list, const std::wstring& name)
    {
        for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i)
            if (ListText(list, i).rfind(name + L" ", 0) == 0 || ListText(list, i).rfind(name + L"\t", 0) == 0) return i;
        return -1;
    }

    PageSite pageSite;
    Runtime::ComPtr<IPropertyPage> page;
    HWND frame = nullptr;
    HWND pageWindow = nullptr;
};

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
        using EntryClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
        auto getClass = reinterpret_cast<EntryClassObject>(
            GetProcAddress(GetModuleHandleW(L"Latchet.dll"), "DllGetClassObject"));
        ASSERT_NE(getClass, nullptr);
        ASSERT_EQ(getClass(*classes[i], IID_IClassFactory, reinterpret_cast<void**>(factory.Put())), S_OK);
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
