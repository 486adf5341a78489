#pragma once
// An ActiveX control hosted in process on a form's window: made from the
// server file beside the program (the copy shipped with it, so no
// registration is needed), or else from the registered class; sited in
// place on the window; called late-bound by member name through IDispatch;
// its events handed to the site's Event function. Closing (or destroying)
// the host releases the control before the server can go.
#include <windows.h>
#include <ocidl.h>

#include <string>
#include <vector>

#include "runtime/ComVariant.h"
#include "runtime/HostSite.h"
#include "runtime/ScopedWin.h"

namespace Runtime {

class HostedControl {
public:
    HostedControl() = default;
    ~HostedControl() { Close(); }
    HostedControl(const HostedControl&) = delete;
    HostedControl& operator=(const HostedControl&) = delete;

    // Makes the control of class `classId` named `name`, initialised new,
    // and shows it at `place` in `host`. `serverFile` is the server's file
    // name beside the program; `events` the control's outgoing interface.
    // False when no server gives the control.
    bool Create(REFCLSID classId, const std::wstring& serverFile, REFIID events, HWND host, RECT place,
                const std::wstring& name);
    bool Created() const noexcept { return object_.Get() != nullptr; }
    // True when the control came from the file beside the program.
    bool FromOwnServer() const noexcept { return server_ != nullptr; }
    IDispatch* Object() const noexcept { return object_.Get(); }

    // Shows or hides the control's window on the host window.
    void SetVisible(bool visible);

    // The control's events: its dispatch id and arguments.
    void OnEvent(HostSite::EventFn handler);

    // Writes a property by name.
    HRESULT Put(const wchar_t* name, const VARIANT& value);
    HRESULT PutText(const wchar_t* name, const std::wstring& text);
    HRESULT PutLong(const wchar_t* name, long value);
    HRESULT PutBool(const wchar_t* name, bool value);
    // Sets an object property by name (by reference).
    HRESULT PutRef(const wchar_t* name, IDispatch* object);
    // Calls a method by name; `args` in order (first argument first).
    HRESULT Call(const wchar_t* name, std::vector<VARIANT> args, Variant& result);

    // Deactivates the control, disconnects its events and lets go of it and
    // of its server file. A server still in use (closed from inside one of
    // the control's own calls) goes once that call has returned.
    void Close();

private:
    ComPtr<IClassFactory> FactoryBesideProgram(REFCLSID classId, const std::wstring& serverFile);
    DISPID IdOf(const wchar_t* name) const;
    HRESULT Assign(const wchar_t* name, const VARIANT& value, WORD how);

    HMODULE server_ = nullptr;
    ComPtr<IDispatch> object_;
    ComPtr<IOleObject> ole_;
    HostSite* site_ = nullptr;
    ComPtr<IConnectionPoint> events_;
    DWORD cookie_ = 0;
    bool oleStarted_ = false;
};

} // namespace Runtime
