#include "tests/servers/PageFixture.h"

namespace TestSupport {

STDMETHODIMP PageSite::QueryInterface(REFIID iid, void** object)
{
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyPageSite))
        return Answer(this, static_cast<IPropertyPageSite*>(this), object);
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP PageSite::OnStatusChange(DWORD flags)
{
    statuses.push_back(flags);
    return S_OK;
}

STDMETHODIMP PageSite::GetLocaleID(LCID* locale)
{
    *locale = LOCALE_USER_DEFAULT;
    return S_OK;
}

STDMETHODIMP PageSite::GetPageContainer(IUnknown** container)
{
    *container = nullptr;
    return E_NOTIMPL;
}

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

HWND ChildOf(HWND page, const wchar_t* kind)
{
    return FindWindowExW(page, nullptr, kind, nullptr);
}

void SendKey(HWND window, UINT message, int key, int shift)
{
    BYTE saved[256] = {}, keys[256] = {};
    GetKeyboardState(saved);
    memcpy(keys, saved, sizeof keys);
    keys[VK_SHIFT] = (shift & 1) ? 0x80 : 0;
    keys[VK_CONTROL] = (shift & 2) ? 0x80 : 0;
    keys[VK_MENU] = (shift & 4) ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageW(window, message, static_cast<WPARAM>(key), message == WM_KEYUP ? 0xC0000001 : 1);
    SetKeyboardState(saved);
}

void PageFixture::SetUp()
{
    LatchetFixture::SetUp();
    frame = NewWindow();
    ShowWindow(frame, SW_SHOWNOACTIVATE);
}

void PageFixture::TearDown()
{
    if (page) {
        page->Deactivate();
        page->SetObjects(0, nullptr);
        page->SetPageSite(nullptr);
    }
    page.Reset();
    LatchetFixture::TearDown();
}

void PageFixture::OpenPage(REFCLSID classId, HWND parent)
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

void PageFixture::ClickItem(HWND list, int index)
{
    SendMessageW(list, LB_SETTOPINDEX, index, 0);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
}

void PageFixture::ChooseItem(HWND combo, int index)
{
    SendMessageW(combo, CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

int PageFixture::FindItem(HWND list, const std::wstring& name)
{
    for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i)
        if (ListText(list, i).rfind(name + L" ", 0) == 0 || ListText(list, i).rfind(name + L"\t", 0) == 0) return i;
    return -1;
}

void PageFixture::PlaceInUserControl(FakeObject& container)
{
    site.userMode = false;
    container.SetText(L"Name", L"ucHost");
    container.SetTypeName(L"UserControl");
    site.extender.SetText(L"Name", L"ucLatchet");
    site.extender.SetObject(L"Parent", &container);
}

} // namespace TestSupport
