#pragma once
// The common part of a property page object as a property frame drives it:
// the page site, the objects being edited (the first one is the page's
// object, reached late bound), the page window made as a child of the
// frame's window on Activate and destroyed on Deactivate, the dirty state
// reported to the site, Apply, and the frame's request to edit a property.
// A page class derives from it and fills its window, loads from and writes
// back to the edited object.
#include <windows.h>
#include <ocidl.h>

#include <atomic>
#include <new>
#include <string>

#include "runtime/ComServer.h"
#include "runtime/ScopedWin.h"

namespace Runtime {

class PropertyPage : public IPropertyPage2 {
public:
    explicit PropertyPage(std::wstring caption);
    virtual ~PropertyPage();
    PropertyPage(const PropertyPage&) = delete;
    PropertyPage& operator=(const PropertyPage&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override;

    // IPropertyPage
    STDMETHODIMP SetPageSite(IPropertyPageSite* site) override;
    STDMETHODIMP Activate(HWND parent, LPCRECT rect, BOOL modal) override;
    STDMETHODIMP Deactivate() override;
    STDMETHODIMP GetPageInfo(PROPPAGEINFO* info) override;
    STDMETHODIMP SetObjects(ULONG count, IUnknown** objects) override;
    STDMETHODIMP Show(UINT command) override;
    STDMETHODIMP Move(LPCRECT rect) override;
    STDMETHODIMP IsPageDirty() override { return dirty_ ? S_OK : S_FALSE; }
    STDMETHODIMP Apply() override;
    STDMETHODIMP Help(LPCOLESTR) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(MSG* msg) override;

    // IPropertyPage2: the frame asks the page to let the user edit a
    // property (the page focuses its control for it).
    STDMETHODIMP EditProperty(DISPID) override;

    // The creation function of page class `Page` for its class factory.
    template <typename Page>
    static HRESULT Create(REFIID iid, void** object)
    {
        return ComServer::HandOutMade(iid, object, [] { return new Page(); });
    }

    // The page window (null while the page is not active).
    HWND Window() const noexcept { return wnd_; }

    // The cursor shown over the page and its controls that keep the
    // default (runtime/MousePointer.h): 11, the hourglass, while a long
    // change of the page runs; 0 the default. A change shows at once.
    int MousePointer() const noexcept { return mousePointer_; }
    void SetMousePointer(int pointer);

protected:
    // Makes the page's controls as children of `page`.
    virtual void CreateContent(HWND page) = 0;
    // Places the controls for a page of `width` x `height` pixels.
    virtual void Layout(int width, int height) = 0;
    // Fills the controls from the edited object (selection changed).
    virtual void Load(IDispatch* control) = 0;
    // Writes the page's values to the edited object (apply changes); the
    // object's own failure is returned as it is.
    virtual HRESULT Save(IDispatch* control) = 0;
    // Messages of the page window (the notes of its child controls among
    // them); true when handled.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
    // Focuses the control that edits the page's property (edit property).
    virtual void FocusProperty() {}

    // Marks the page changed or unchanged and tells the frame.
    void SetChanged(bool changed);
    // The edited object: the first object the frame handed over, or null.
    IDispatch* Edited() const noexcept { return edited_.Get(); }
    void SetCaption(std::wstring caption) { caption_ = std::move(caption); }
    // Sets the text property `name` of `object` by name, late bound.
    static HRESULT PutText(IDispatch* object, const wchar_t* name, const std::wstring& text);
    // The source named in the run-time errors the page returns.
    virtual const wchar_t* Source() const = 0;

private:
    static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HRESULT LoadEdited();

    ComServer::ObjectLock lock_;
    std::atomic<ULONG> refs_{1};
    std::wstring caption_;
    ComPtr<IPropertyPageSite> site_;
    ComPtr<IDispatch> edited_;
    HWND wnd_ = nullptr;
    bool dirty_ = false;
    int mousePointer_ = 0;
};

} // namespace Runtime
