#include "latchet/ObjectPropertyPage.h"

#include <commctrl.h>

#include <algorithm>

#include "common/ObjectMembers.h"
#include "common/TextCompare.h"
#include "latchet/PageClipboard.h"
#include "latchet/PageKeys.h"
#include "latchet/ShiftState.h"
#include "runtime/ComVariant.h"
#include "runtime/RuntimeError.h"

namespace {

const int kComboId = 1;
const int kMargin = 9;
const UINT_PTR kEditSubclass = 1;

HFONT PageFont()
{
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The object's type name, as its type information names it; empty when it
// has none.
std::wstring TypeNameOf(IDispatch* object)
{
    if (!object) return {};
    Runtime::ComPtr<ITypeInfo> info;
    if (FAILED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.Put())) || !info) return {};
    BSTR name = nullptr;
    if (FAILED(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr))) return {};
    std::wstring text = Runtime::BstrText(name);
    SysFreeString(name);
    return text;
}

// The text result of the control's PropertyPageHook for the Object page.
std::wstring PageHook(IDispatch* control, const wchar_t* parameter)
{
    Runtime::Variant result;
    VARIANT args[3];
    V_VT(&args[0]) = VT_BSTR;
    V_BSTR(&args[0]) = SysAllocString(parameter);
    V_VT(&args[1]) = VT_BSTR;
    V_BSTR(&args[1]) = SysAllocString(L"");
    V_VT(&args[2]) = VT_BSTR;
    V_BSTR(&args[2]) = SysAllocString(L"Object");
    bool read = Common::ReadMember(control, L"PropertyPageHook", result, {args[0], args[1], args[2]});
    for (VARIANT& arg : args) VariantClear(&arg);
    if (!read || !result.ChangeType(VT_BSTR)) return {};
    return Runtime::BstrText(V_BSTR(result.Get()));
}

} // namespace

ObjectPropertyPage::~ObjectPropertyPage()
{
    ReleaseEdit();
}

void ObjectPropertyPage::CreateContent(HWND page)
{
    HINSTANCE module = Runtime::ComServer::Module();
    cbControl_ = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN |
                                                         CBS_AUTOHSCROLL | CBS_HASSTRINGS,
                                 0, 0, 0, 0, page, reinterpret_cast<HMENU>(kComboId), module, nullptr);
    ltWarning_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, page, nullptr, module, nullptr);
    if (!cbControl_ || !ltWarning_) Runtime::Raise(7);
    SendMessageW(cbControl_, WM_SETFONT, reinterpret_cast<WPARAM>(PageFont()), FALSE);
    SendMessageW(ltWarning_, WM_SETFONT, reinterpret_cast<WPARAM>(PageFont()), FALSE);
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    if (GetComboBoxInfo(cbControl_, &parts) && parts.hwndItem) {
        edit_ = parts.hwndItem;
        SetWindowSubclass(edit_, EditProc, kEditSubclass, reinterpret_cast<DWORD_PTR>(this));
    }
}

void ObjectPropertyPage::ReleaseEdit()
{
    if (edit_ && IsWindow(edit_)) RemoveWindowSubclass(edit_, EditProc, kEditSubclass);
    edit_ = nullptr;
}

void ObjectPropertyPage::Layout(int width, int height)
{
    width_ = width;
    height_ = height;
    int inner = std::max(0, width - 2 * kMargin);
    if (contained_) {
        MoveWindow(ltWarning_, kMargin, kMargin, inner, std::max(0, height - 20), TRUE);
        return;
    }
    // The combo's window with its drop-down list reaches to 8 pixels above
    // the page's bottom; the warning stands 8 pixels below the edit part.
    RECT box{};
    GetWindowRect(cbControl_, &box);
    int comboHeight = static_cast<int>(SendMessageW(cbControl_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0)) + 8;
    int drop = std::max(comboHeight, height - kMargin - comboHeight - 8);
    MoveWindow(cbControl_, kMargin, kMargin, inner, drop, TRUE);
    GetWindowRect(cbControl_, &box);
    int editHeight = box.bottom - box.top;
    if (editHeight > comboHeight + 8) editHeight = comboHeight; // the drop-down is not part of it
    MoveWindow(ltWarning_, kMargin, kMargin + editHeight + 8, inner, 48, TRUE);
    std::wstring warning = L"Attention!\r\nMake sure that " + instanceName_ +
                           L" control is placed on a form behind the object you select from the list above.";
    SetWindowTextW(ltWarning_, warning.c_str());
}

void ObjectPropertyPage::AddCandidate(IDispatch* control, IDispatch* candidate, bool isForm)
{
    if (!candidate || !Common::ObjectHwnd(candidate)) return;
    Runtime::ComPtr<IDispatch> extender = Common::MemberObject(control, L"ControlInstance");
    if (!isForm && extender) {
        bool sameName = _wcsicmp(Common::MemberText(candidate, L"Name").c_str(),
                                 Common::MemberText(extender.Get(), L"Name").c_str()) == 0;
        if (sameName && Common::IsArrayMember(candidate) == Common::IsArrayMember(extender.Get())) return;
    }
    std::wstring entry = isForm ? L"Me" : Common::MemberText(candidate, L"Name");
    if (!isForm && Common::IsArrayMember(candidate)) entry += L"(" + Common::MemberText(candidate, L"Index") + L")";

    VARIANT arg;
    V_VT(&arg) = VT_DISPATCH;
    V_DISPATCH(&arg) = candidate;
    Runtime::Variant guide;
    if (Common::ReadMember(control, L"ControlOf", guide, {arg}) && guide.ChangeType(VT_DISPATCH) &&
        V_DISPATCH(guide.Get())) {
        IDispatch* other = V_DISPATCH(guide.Get());
        bool self = Common::SameObject(other, control) || (extender && Common::SameObject(other, extender.Get()));
        if (!self) entry += L" [guided by " + Common::MemberText(other, L"Name") + L"]";
    }
    SendMessageW(cbControl_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
}

void ObjectPropertyPage::Load(IDispatch* control)
{
    std::wstring caption = PageHook(control, L"PropertyName");
    if (!caption.empty()) {
        property_ = caption;
        SetCaption(caption);
    }
    Runtime::ComPtr<IDispatch> extender = Common::MemberObject(control, L"ControlInstance");
    instanceName_ = Common::MemberText(extender.Get(), L"Name");
    Runtime::ComPtr<IDispatch> container = Common::MemberObject(extender.Get(), L"Parent");
    std::wstring kind = TypeNameOf(container.Get());
    contained_ = kind == L"UserControl" || kind == L"PropertyPage" || kind == L"UserDocument";

    if (contained_) {
        ShowWindow(cbControl_, SW_HIDE);
        Layout(width_, height_);
        std::wstring text = L"When " + PageHook(control, L"ControlName") +
                            L" is contained within a PropertyPage, UserControl or UserDocument, set values of the " +
                            property_ + L" property not at design time, but at run time.";
        SetWindowTextW(ltWarning_, text.c_str());
        SetChanged(false);
        return;
    }
    ShowWindow(cbControl_, SW_SHOW);
    Layout(width_, height_);
    SendMessageW(cbControl_, CB_RESETCONTENT, 0, 0);
    SendMessageW(cbControl_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"(None)"));
    AddCandidate(control, container.Get(), true);
    Runtime::ComPtr<IDispatch> controls = Common::MemberObject(container.Get(), L"Controls");
    Runtime::Variant count;
    if (controls && Common::ReadMember(controls.Get(), L"Count", count) && count.ChangeType(VT_I4)) {
        for (long i = 0; i < V_I4(count.Get()); ++i) {
            VARIANT at;
            V_VT(&at) = VT_I4;
            V_I4(&at) = i;
            Runtime::Variant item;
            if (Common::ReadMember(controls.Get(), L"Item", item, {at}) && item.ChangeType(VT_DISPATCH))
                AddCandidate(control, V_DISPATCH(item.Get()), false);
        }
    }
    int found = FindEntry(Common::MemberText(control, property_.c_str()));
    SendMessageW(cbControl_, CB_SETCURSEL, found < 0 ? 0 : static_cast<WPARAM>(found), 0);
    SetChanged(false);
}

std::wstring ObjectPropertyPage::ComboText() const
{
    int length = GetWindowTextLengthW(cbControl_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(cbControl_, text.data(), length + 1)));
    return text;
}

int ObjectPropertyPage::FindEntry(const std::wstring& text) const
{
    if (text.empty()) return -1;
    for (int i = 0, count = static_cast<int>(SendMessageW(cbControl_, CB_GETCOUNT, 0, 0)); i < count; ++i) {
        std::wstring entry(static_cast<std::size_t>(std::max<LRESULT>(SendMessageW(cbControl_, CB_GETLBTEXTLEN, i, 0), 0)) + 1,
                           L'\0');
        entry.resize(static_cast<std::size_t>(std::max<LRESULT>(
            SendMessageW(cbControl_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data())), 0)));
        if (Common::TextEqual(entry, text, Common::CompareText)) return i;
    }
    return -1;
}

void ObjectPropertyPage::Choose(int index)
{
    // A choice by the program runs the choice's handler as the user's does:
    // the page's changed state follows the entry now shown.
    SendMessageW(cbControl_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    cbControl_Click();
}

void ObjectPropertyPage::cbControl_KeyUp(int keyCode, int shift)
{
    switch (PageKeys::CommandOf(keyCode, shift)) {
    case PageKeys::Delete: SelectNone(); break;
    case PageKeys::Copy: PageClipboard::Put(ComboText()); break;
    case PageKeys::Cut:
        PageClipboard::Put(ComboText());
        SelectNone();
        break;
    case PageKeys::Paste:
        if (int found = FindEntry(PageClipboard::Text()); found >= 0) Choose(found);
        break;
    default: break;
    }
}

void ObjectPropertyPage::FocusProperty()
{
    if (IsWindowEnabled(cbControl_) && IsWindowVisible(cbControl_)) SetFocus(cbControl_);
}

void ObjectPropertyPage::cbControl_Click()
{
    auto index = SendMessageW(cbControl_, CB_GETCURSEL, 0, 0);
    std::wstring text;
    if (index != CB_ERR) {
        auto length = SendMessageW(cbControl_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        text.resize(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1);
        SendMessageW(cbControl_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(wcslen(text.c_str()));
    }
    // An object already hooked by another control cannot be chosen.
    if (text.find(L"[guided by") != std::wstring::npos) {
        SelectNone();
        return;
    }
    SetChanged(text != Common::MemberText(Edited(), property_.c_str()));
}

HRESULT ObjectPropertyPage::Save(IDispatch* control)
{
    HRESULT hr = PutText(control, property_.c_str(), ComboText());
    if (FAILED(hr)) return hr;
    // The property sheet closes: the page's parent's parent is its window.
    HWND parent = GetParent(Window());
    HWND sheet = parent ? GetParent(parent) : nullptr;
    if (sheet) DestroyWindow(sheet);
    return S_OK;
}

bool ObjectPropertyPage::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (msg != WM_COMMAND || LOWORD(wParam) != kComboId) return false;
    switch (HIWORD(wParam)) {
    case CBN_EDITCHANGE:
        SelectNone();
        break;
    case CBN_SELCHANGE:
        cbControl_Click();
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

LRESULT CALLBACK ObjectPropertyPage::EditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR page)
{
    auto* self = reinterpret_cast<ObjectPropertyPage*>(page);
    if (msg == WM_NCDESTROY) self->ReleaseEdit();
    LRESULT result = DefSubclassProc(edit, msg, wParam, lParam);
    // The page answers a key once the edit part has had it. No exception
    // leaves a window procedure: a clipboard that another program holds
    // leaves the combo box as it was.
    if (msg == WM_KEYUP) {
        try {
            self->cbControl_KeyUp(static_cast<int>(wParam), ShiftState());
        } catch (...) {
        }
    }
    return result;
}
