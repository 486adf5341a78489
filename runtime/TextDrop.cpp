#include "runtime/TextDrop.h"

#include <commctrl.h>

#include <string>

#include "runtime/Subclass.h"

namespace Runtime {

namespace {

FORMATETC TextFormat(CLIPFORMAT format)
{
    return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// The text of the data object: Unicode text, else ANSI text; up to its
// first zero character. Empty when it holds neither.
std::wstring DroppedText(IDataObject* data)
{
    FORMATETC unicode = TextFormat(CF_UNICODETEXT);
    STGMEDIUM medium{};
    if (SUCCEEDED(data->GetData(&unicode, &medium))) {
        std::wstring text;
        if (auto* p = static_cast<const wchar_t*>(GlobalLock(medium.hGlobal))) {
            const size_t limit = GlobalSize(medium.hGlobal) / sizeof(wchar_t);
            text.assign(p, wcsnlen(p, limit));
            GlobalUnlock(medium.hGlobal);
        }
        ReleaseStgMedium(&medium);
        return text;
    }
    FORMATETC ansi = TextFormat(CF_TEXT);
    if (SUCCEEDED(data->GetData(&ansi, &medium))) {
        std::wstring text;
        if (auto* p = static_cast<const char*>(GlobalLock(medium.hGlobal))) {
            const int length = static_cast<int>(strnlen(p, GlobalSize(medium.hGlobal)));
            const int n = MultiByteToWideChar(CP_ACP, 0, p, length, nullptr, 0);
            text.resize(static_cast<size_t>(n));
            MultiByteToWideChar(CP_ACP, 0, p, length, text.data(), n);
            GlobalUnlock(medium.hGlobal);
        }
        ReleaseStgMedium(&medium);
        return text;
    }
    return {};
}

bool HoldsText(IDataObject* data)
{
    FORMATETC unicode = TextFormat(CF_UNICODETEXT), ansi = TextFormat(CF_TEXT);
    return data && (data->QueryGetData(&unicode) == S_OK || data->QueryGetData(&ansi) == S_OK);
}

bool TakesText(HWND edit)
{
    return IsWindowEnabled(edit) && !(GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY);
}

} // namespace

class TextDrop::DropTarget final : public IDropTarget {
public:
    DropTarget(HWND edit, TextDrop* owner) : edit_(edit), owner_(owner) {}
    void Forget() noexcept { owner_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (!object) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDropTarget) {
            *object = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override
    {
        accepted_ = HoldsText(data);
        return Answer(effect);
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override { return Answer(effect); }
    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        accepted_ = false;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) override
    {
        accepted_ = HoldsText(data);
        Answer(effect);
        if (*effect == DROPEFFECT_NONE) return S_OK;
        std::wstring text = DroppedText(data);
        if (!(GetWindowLongPtrW(edit_, GWL_STYLE) & ES_MULTILINE)) text = text.substr(0, text.find_first_of(L"\r\n"));
        if (text.empty()) {
            *effect = DROPEFFECT_NONE;
            return S_OK;
        }
        // The caret goes where the text was dropped.
        POINT client{point.x, point.y};
        ScreenToClient(edit_, &client);
        const LRESULT at = SendMessageW(edit_, EM_CHARFROMPOS, 0, MAKELPARAM(client.x, client.y));
        const WPARAM index = LOWORD(at);
        SendMessageW(edit_, EM_SETSEL, index, index);
        if (owner_ && owner_->BeforeDrop) owner_->BeforeDrop();
        SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        return S_OK;
    }

private:
    HRESULT Answer(DWORD* effect) const
    {
        if (!effect) return E_INVALIDARG;
        *effect = accepted_ && TakesText(edit_) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
        return S_OK;
    }

    LONG refs_ = 1;
    HWND edit_;
    TextDrop* owner_;
    bool accepted_ = false;
};

TextDrop::~TextDrop()
{
    Detach();
}

bool TextDrop::Attach(HWND edit)
{
    if (edit_ || !edit) return edit && edit_ == edit;
    const HRESULT started = OleInitialize(nullptr);
    if (FAILED(started)) return false;
    ComPtr<IDropTarget> target(new DropTarget(edit, this));
    if (FAILED(RegisterDragDrop(edit, target.Get()))) {
        OleUninitialize();
        return false;
    }
    edit_ = edit;
    oleStarted_ = true;
    target_ = target;
    // The registration ends with the window.
    AddSubclass(edit, WatchProc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
    return true;
}

void TextDrop::Detach()
{
    if (!edit_) return;
    RemoveSubclass(edit_, WatchProc, reinterpret_cast<UINT_PTR>(this));
    RevokeDragDrop(edit_);
    static_cast<DropTarget*>(target_.Get())->Forget();
    target_.Reset();
    edit_ = nullptr;
    if (oleStarted_) OleUninitialize();
    oleStarted_ = false;
}

LRESULT CALLBACK TextDrop::WatchProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR refData)
{
    if (msg == WM_DESTROY) reinterpret_cast<TextDrop*>(refData)->Detach();
    return DefSubclass(wnd, msg, wParam, lParam);
}

} // namespace Runtime
