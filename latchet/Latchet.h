#pragma once
// The Latchet control: hooks a window of its host (the hooked object),
// raises the Message event for each window message on its list, lets the
// host answer before, after or instead of the window's own procedure, and
// can register one system-wide hot key on the hooked window.
#include "Latchet_h.h"

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "runtime/DualControl.h"

class cmLatchet;

class Latchet final : public Runtime::DualControl<_Latchet, ISpecifyPropertyPages> {
public:
    // The class factory's creation function.
    static HRESULT Create(REFIID iid, void** object)
    {
        return Runtime::ComServer::HandOutMade(iid, object, [] { return new Latchet(); });
    }
    ~Latchet() override;

    // ISpecifyPropertyPages: the Object page, then the Message page.
    STDMETHODIMP GetPages(CAUUID* pages) override;

    // IPersistPropertyBag: a control new on its form hooks the form.
    STDMETHODIMP InitNew() override;

    // _Latchet
    STDMETHODIMP get_CallOrder(CallOrderConst* value) override;
    STDMETHODIMP put_CallOrder(CallOrderConst value) override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* value) override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL value) override;
    STDMETHODIMP get_HookedObject(VARIANT* value) override;
    STDMETHODIMP put_HookedObject(VARIANT value) override;
    STDMETHODIMP putref_HookedObject(VARIANT value) override;
    STDMETHODIMP get_HotKeyAlt(VARIANT_BOOL* value) override;
    STDMETHODIMP put_HotKeyAlt(VARIANT_BOOL value) override;
    STDMETHODIMP get_HotKeyCode(KeyCodeConst* value) override;
    STDMETHODIMP put_HotKeyCode(KeyCodeConst value) override;
    STDMETHODIMP get_HotKeyChar(BSTR* value) override;
    STDMETHODIMP put_HotKeyChar(BSTR value) override;
    STDMETHODIMP get_HotKeyCtrl(VARIANT_BOOL* value) override;
    STDMETHODIMP put_HotKeyCtrl(VARIANT_BOOL value) override;
    STDMETHODIMP get_HotKeyShift(VARIANT_BOOL* value) override;
    STDMETHODIMP put_HotKeyShift(VARIANT_BOOL value) override;
    STDMETHODIMP get_HotKeyWin(VARIANT_BOOL* value) override;
    STDMETHODIMP put_HotKeyWin(VARIANT_BOOL value) override;
    STDMETHODIMP get_List(BSTR* value) override;
    STDMETHODIMP put_List(BSTR value) override;
    STDMETHODIMP get_Messages(BSTR* value) override;
    STDMETHODIMP put_Messages(BSTR value) override;
    STDMETHODIMP get_ControlInstance(VARIANT* value) override;
    STDMETHODIMP get_Count(LONG* value) override;
    STDMETHODIMP get_HookedObjectHandle(LONG* value) override;
    STDMETHODIMP put_HookedObjectHandle(LONG value) override;
    STDMETHODIMP get_Version(BSTR* value) override;
    STDMETHODIMP AboutBox() override;
    STDMETHODIMP Add(LONG nMsg) override;
    STDMETHODIMP Clear() override;
    STDMETHODIMP Remove(LONG nMsg) override;
    STDMETHODIMP Terminate() override;
    STDMETHODIMP ControlOf(IDispatch* vObj, IDispatch** result) override;
    STDMETHODIMP PropertyPageHook(BSTR Parameter, BSTR PropertyName, BSTR PropertyPage, VARIANT* result) override;
    STDMETHODIMP PPMenuPopup(IDispatch* vObj) override;
    STDMETHODIMP RaiseMessage(LONG nMsg, LONG wPar, LONG lPar, VARIANT* result) override;

    // What the window procedure reads on every message.
    long CallOrderValue() const noexcept { return callOrder_; }
    const std::wstring& MessagesText() const noexcept { return messages_; }

private:
    Latchet();

    void* OwnInterface(REFIID iid) override;
    void ReadProperties(IPropertyBag* bag) override;
    void WriteProperties(IPropertyBag* bag) override;
    void Paint(HDC, const RECT&) override {}
    SIZE PixelSize() const override { return {32, 32}; }

    // HookedObject Set: hooks the window of `object` (none: unhooks).
    void SetHookedObject(IDispatch* object);
    // Lets go of the hooked window (releases the hook instance).
    void ReleaseHook();
    // Hooks `window` for this control.
    void NewHook(HWND window);
    // The window this control hooks (null when none): its own, whatever
    // other controls of the thread hook.
    HWND HookedWindow() const noexcept;
    // The host's form (the extender's Parent); empty without a host.
    Runtime::ComPtr<IDispatch> HostForm() const;
    // The extender, or this control itself when there is no host.
    Runtime::ComPtr<IDispatch> ControlReference();

    // The hot key (Latchet_RegisterHotKey, Latchet_UnregisterHotKey).
    void RegisterHotKey();
    void UnregisterHotKey();
    HRESULT LetHotKeyFlag(bool& field, VARIANT_BOOL value, DISPID id);
    int ModifierSum() const noexcept;

    void AddMessage(long message);
    void RebuildMessages();

    std::shared_ptr<cmLatchet> hook_;
    Runtime::ComPtr<IDispatch> menuList_;
    bool loading_ = false;
    ATOM hotKeyId_ = 0;
    HWND hotKeyWindow_ = nullptr; // the window the hot key was registered on
    long callOrder_ = CallBefore;
    Runtime::ComPtr<IDispatch> hookedObject_;
    std::wstring hookedName_;
    long hotKeyCode_ = 0;
    bool hotKeyAlt_ = false, hotKeyCtrl_ = false, hotKeyShift_ = false, hotKeyWin_ = false;
    std::vector<long> messageList_;
    std::wstring messages_;
    long count_ = 0;
    bool enabled_ = true;
};
