#pragma once
// A Latchet property page as a property frame drives it: made by the
// server's class factory, given a page site and the control, activated into
// a real window; the page's list and combo box worked as the user works
// them (clicks, keys with their shift state), then IsPageDirty and Apply.
#include "tests/servers/LatchetFixture.h"

#include <ocidl.h>
#include <olectl.h>

#include "tests/chardata/ClipboardFixture.h"

namespace TestSupport {

const CLSID kObjectPageId = {0xd54612d8, 0xb033, 0x4f90, {0x92, 0x62, 0x58, 0xbf, 0x0f, 0x64, 0x21, 0x35}};
const CLSID kMessagePageId = {0x1aa54a65, 0x6c7a, 0x4b7b, {0x9c, 0x74, 0x86, 0x42, 0xf2, 0xe2, 0xf5, 0xe3}};

// The frame's side of a page: records the status changes the page reports.
class PageSite final : public StackObject<IPropertyPageSite> {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP OnStatusChange(DWORD flags) override;
    STDMETHODIMP GetLocaleID(LCID* locale) override;
    STDMETHODIMP GetPageContainer(IUnknown** container) override;
    STDMETHODIMP TranslateAccelerator(MSG*) override { return S_FALSE; }
    std::vector<DWORD> statuses;
};

std::wstring WindowText(HWND window);
std::wstring ListText(HWND list, int index);
std::wstring ComboItem(HWND combo, int index);
// The page window's child of class `kind` (the first one).
HWND ChildOf(HWND page, const wchar_t* kind);

// Sends `message` (WM_KEYDOWN or WM_KEYUP) with `key` to `window` while the
// thread's keyboard state holds the modifiers of `shift` (1 Shift, 2 Ctrl,
// 4 Alt); the state is put back afterwards.
void SendKey(HWND window, UINT message, int key, int shift);

// Under the machine-wide clipboard lock, the clipboard holding "kept" while
// the system refuses the server's own writes to it.
struct RefusedServerClipboard {
    RefusedServerClipboard()
    {
        if (!lock.Held()) return;
        Runtime::Clipboard::Clear();
        Runtime::Clipboard::SetText("kept");
    }
    bool Ready() const noexcept { return lock.Held() && refusal.Active(); }

    FormsTest::ClipboardLock lock;
    FormsTest::ClipboardRefusal refusal{GetModuleHandleW(L"Latchet.dll"), FormsTest::ClipboardRefusal::SetData};
};

class PageFixture : public LatchetFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // A page of class `classId` on the page site, editing the control,
    // active in `parent` (the frame's window).
    void OpenPage(REFCLSID classId, HWND parent = nullptr);
    // Clicks item `index` of the page's list box, as the user does: the
    // item's check toggles.
    void ClickItem(HWND list, int index);
    // Chooses the combo box's item `index`, as the user's click in its list.
    void ChooseItem(HWND combo, int index);
    int FindItem(HWND list, const std::wstring& name);
    // Places the control, at design time, in `container`, a user control.
    void PlaceInUserControl(FakeObject& container);

    PageSite pageSite;
    Runtime::ComPtr<IPropertyPage> page;
    HWND frame = nullptr;
    HWND pageWindow = nullptr;
};

} // namespace TestSupport
