#pragma once
// What a form host gives the hook control, made small for the tests: a
// form with its Controls collection, and a sink that records the control's
// events and can answer Message. The client site is SiteStub.
#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/servers/ComTestObjects.h"

namespace TestSupport {

// A form with a Name, a window and a Controls collection of `controls`.
struct FakeForm {
    FakeForm(const std::wstring& name, HWND window);
    void AddControl(FakeObject& control) { collection.items.push_back(&control); collection.SetLong(L"Count", static_cast<long>(collection.items.size())); }
    FakeObject form;
    FakeObject collection;
};

// Records the Message and HotKeyPress events in `log` ("event 1025");
// `answer` (when set) fills RC for a message.
class LatchetSink final : public DispatchStub {
public:
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override;

    std::vector<std::string>* log = nullptr;
    std::function<void(long message, VARIANT& rc)> answer;
    int hotKeyPresses = 0;
    std::vector<long> messages; // nMsg, wPar, lPar of each Message event
};

} // namespace TestSupport
