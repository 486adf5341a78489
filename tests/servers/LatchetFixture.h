#pragma once
// A Latchet control as a host meets it: loaded from its server with
// LoadLibrary and DllGetClassObject (no registry state), driven through
// IDispatch, with a host site, an event sink and a real window to hook.
#include "tests/servers/HostObjects.h"
#include "tests/support/Process.h"

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace TestSupport {

const CLSID kLatchetClassId = {0xd5271525, 0xa808, 0x11d4, {0x87, 0xd2, 0x00, 0xd0, 0xb7, 0x4c, 0xfa, 0x04}};
const IID kLatchetEventsIid = {0x5127cfee, 0x49c8, 0x46a6, {0xbd, 0xec, 0x41, 0x0a, 0x12, 0x9c, 0x37, 0xce}};
const IID kLatchetIid = {0x9654e621, 0xdff0, 0x4087, {0x86, 0x1d, 0x0f, 0xaf, 0x50, 0x65, 0x51, 0x3f}};

// The test window's own procedure answers 77 to the messages it watches
// and logs "window N" for each of them.
const LRESULT kWindowAnswer = 77;

class LatchetFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new control from the server; with `site` it is placed on that site.
    Runtime::ComPtr<IDispatch> NewControl(SiteStub* site = nullptr);
    // The class factory of `classId` from the control's server.
    HRESULT ClassFactory(REFCLSID classId, IClassFactory** factory);
    // A new object of class `classId` from the control's server.
    HRESULT NewObject(REFCLSID classId, REFIID iid, void** object);
    // A new top-level test window (hidden), destroyed at the end of the test.
    HWND NewWindow();

    // Calls through the control's IDispatch; failures fail the test.
    void Put(const wchar_t* name, const VARIANT& value);
    void PutRef(const wchar_t* name, IDispatch* object);
    std::wstring Text(const wchar_t* name);
    long Long(const wchar_t* name);
    void Call(const wchar_t* method, std::vector<VARIANT> args = {});
    // The run-time error number of a failed call (0: it did not fail).
    int ErrorOfPut(const wchar_t* name, const VARIANT& value, std::wstring* description = nullptr);

    // The server's DllCanUnloadNow.
    HRESULT CanUnloadNow();
    // Lets go of the server's load the way the host does: only when
    // DllCanUnloadNow says yes. True when it let go.
    bool FreeServer();
    // Loads the server again after FreeServer (nothing when it is loaded).
    void LoadServer();
    // Whether the server's module is in the process.
    static bool ServerLoaded();

    static bool Hooked(HWND window);
    // Closes a control and takes it off its site, as a host does before
    // releasing it.
    static void CloseControl(IDispatch* made);

    SiteStub site;
    LatchetSink sink;
    std::vector<std::string> log;
    Runtime::ComPtr<IDispatch> control;
    HWND window = nullptr;

private:
    HMODULE dll_ = nullptr;
    std::vector<HWND> windows_;
};

// The messages whose arrival the test window logs.
std::set<UINT>& WatchedMessages();

} // namespace TestSupport
