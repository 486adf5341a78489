#include "runtime/PropertyPage.h"

#include "runtime/ComDispatch.h"
#include "runtime/MousePointer.h"
#include "runtime/WindowClass.h"

namespace Runtime {

namespace {

const wchar_t kClassName[] = L"OrlentaPropertyPage";

LPOLESTR TaskText(const std::wstring& text)
{
    auto* copy = static_cast<LPOLESTR>(CoTaskMemAlloc((text.size() + 1) * sizeof(wchar_t)));
    if (copy) wcscpy(copy, text.c_str());
    return copy;
}

} // namespace

PropertyPage::PropertyPage(std::wstring caption) : caption_(std::move(caption)) {}

PropertyPage::~PropertyPage()
{
    if (wnd_) DestroyWindow(wnd_);
}

STDMETHODIMP PropertyPage::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyPage) || IsEqualIID(iid, IID_IPropertyPage2)) {
        *object = static_cast<IPropertyPage2*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) PropertyPage::Release()
{
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

STDMETHODIMP PropertyPage::SetPageSite(IPropertyPageSite* site)
{
    if (site) site->AddRef();
    site_ = ComPtr<IPropertyPageSite>(site);
    return S_OK;
}

STDMETHODIMP PropertyPage::Activate(HWND parent, LPCRECT rect, BOOL)
{
    if (!rect) return E_POINTER;
    if (wnd_) return E_UNEXPECTED;
    RegisterWindowClassOnce(kClassName, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    HWND wnd = CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN, rect->left, rect->top,
                               rect->right - rect->left, rect->bottom - rect->top, parent, nullptr,
                               ComServer::Module(), nullptr);
    if (!wnd) return HRESULT_FROM_WIN32(GetLastError());
    wnd_ = wnd;
    SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
    HRESULT hr = Guarded(Source(), [&] {
        CreateContent(wnd_);
        Layout(rect->right - rect->left, rect->bottom - rect->top);
        return S_OK;
    });
    if (SUCCEEDED(hr) && edited_) hr = LoadEdited();
    if (FAILED(hr)) Deactivate();
    return hr;
}

STDMETHODIMP PropertyPage::Deactivate()
{
    if (!wnd_) return S_OK;
    HWND wnd = wnd_;
    wnd_ = nullptr;
    SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
    DestroyWindow(wnd);
    return S_OK;
}

STDMETHODIMP PropertyPage::GetPageInfo(PROPPAGEINFO* info)
{
    if (!info) return E_POINTER;
    info->cb = sizeof(PROPPAGEINFO);
    info->pszTitle = TaskText(caption_);
    info->size = {320, 240};
    info->pszDocString = nullptr;
    info->pszHelpFile = nullptr;
    info->dwHelpContext = 0;
    return info->pszTitle ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP PropertyPage::SetObjects(ULONG count, IUnknown** objects)
{
    edited_.Reset();
    if (count == 0) return S_OK;
    if (!objects || !objects[0]) return E_POINTER;
    // The page edits the first object, through its dispatch interface.
    HRESULT hr = objects[0]->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(edited_.Put()));
    if (FAILED(hr)) return hr;
    return wnd_ ? LoadEdited() : S_OK;
}

HRESULT PropertyPage::LoadEdited()
{
    return Guarded(Source(), [&] {
        Load(edited_.Get());
        return S_OK;
    });
}

STDMETHODIMP PropertyPage::Show(UINT command)
{
    if (!wnd_) return E_UNEXPECTED;
    ShowWindow(wnd_, command);
    return S_OK;
}

STDMETHODIMP PropertyPage::Move(LPCRECT rect)
{
    if (!rect) return E_POINTER;
    if (!wnd_) return E_UNEXPECTED;
    int width = rect->right - rect->left, height = rect->bottom - rect->top;
    MoveWindow(wnd_, rect->left, rect->top, width, height, TRUE);
    return Guarded(Source(), [&] {
        Layout(width, height);
        return S_OK;
    });
}

STDMETHODIMP PropertyPage::Apply()
{
    if (!dirty_) return S_OK;
    // Without an object to write to the changes stay, and the page dirty.
    if (!edited_) return E_UNEXPECTED;
    return Guarded(Source(), [&] {
        HRESULT hr = Save(edited_.Get());
        if (SUCCEEDED(hr)) SetChanged(false);
        return hr;
    });
}

STDMETHODIMP PropertyPage::TranslateAccelerator(MSG* msg)
{
    if (!msg) return E_POINTER;
    if (!wnd_ || !IsChild(wnd_, msg->hwnd)) return S_FALSE;
    return IsDialogMessageW(wnd_, msg) ? S_OK : S_FALSE;
}

STDMETHODIMP PropertyPage::EditProperty(DISPID)
{
    if (!wnd_) return E_UNEXPECTED;
    return Guarded(Source(), [&] {
        FocusProperty();
        return S_OK;
    });
}

HRESULT PropertyPage::PutText(IDispatch* object, const wchar_t* name, const std::wstring& text)
{
    LPOLESTR member = const_cast<LPOLESTR>(name);
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = object->GetIDsOfNames(IID_NULL, &member, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    VARIANT value;
    V_VT(&value) = VT_BSTR;
    V_BSTR(&value) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!V_BSTR(&value)) return E_OUTOFMEMORY;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
    VariantClear(&value);
    return hr;
}

void PropertyPage::SetChanged(bool changed)
{
    if (dirty_ == changed) return;
    dirty_ = changed;
    if (site_) site_->OnStatusChange(changed ? PROPPAGESTATUS_DIRTY : PROPPAGESTATUS_CLEAN);
}

void PropertyPage::SetMousePointer(int pointer)
{
    if (pointer == mousePointer_) return;
    mousePointer_ = pointer;
    RefreshPointer(wnd_);
}

LRESULT CALLBACK PropertyPage::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<PropertyPage*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (self && msg == WM_NCDESTROY) {
        // Destroyed from outside (the frame closing): the page forgets it.
        self->wnd_ = nullptr;
        SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
    } else if (self) {
        LRESULT result = 0;
        // No exception leaves a window procedure: a failed handler leaves
        // the page as it was.
        try {
            if (self->OnMessage(msg, wParam, lParam, result)) return result;
        } catch (...) {
        }
        if (msg == WM_SETCURSOR && AnswerSetCursor(self->mousePointer_, nullptr, lParam)) return TRUE;
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

} // namespace Runtime
