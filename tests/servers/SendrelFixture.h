#pragma once
// A Sendrel control linked into the test program, driven through its own
// IDispatch, with a real HTTP server on loopback as its remote end and the
// connected-state question answered "connected" (a loopback-only namespace
// says "offline" although loopback fetches work).
#include "sendrel/CheckForUpdate.h"
#include "sendrel/Sendrel.h"
#include "tests/servers/ComTestObjects.h"
#include "tests/servers/HttpTestServer.h"

#include <gtest/gtest.h>

namespace TestSupport {

class SendrelFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        previousConnected_ = aSendrel::SetConnectedState([] { return true; });
        ASSERT_TRUE(server.Listening());
        ASSERT_EQ(Sendrel::Create(IID_IDispatch, reinterpret_cast<void**>(control.Put())), S_OK);
        // The tests drive the timer's ticks themselves.
        PutProperty(control.Get(), L"AutoCheck", BoolArg(false));
        SetText(L"RemotePath", server.Url());
        SetText(L"LocalVersion", L"6.08");
    }
    void TearDown() override
    {
        aSendrel::SetConnectedState(previousConnected_);
        control.Reset();
        CoUninitialize();
    }

    void SetText(const wchar_t* name, const std::wstring& text)
    {
        VARIANT value = TextArg(text);
        EXPECT_EQ(PutProperty(control.Get(), name, value), S_OK);
        VariantClear(&value);
    }
    // The control object behind the dispatch pointer, for its timer.
    Sendrel* Object() const { return static_cast<Sendrel*>(static_cast<_Sendrel*>(control.Get())); }

    // CheckForUpdate with both optional arguments; sVersion and nSize start
    // as "untouched" and -1.
    struct Outcome {
        HRESULT hr;
        int result;
        std::wstring version;
        std::wstring size;
        std::wstring error;
    };
    Outcome Check()
    {
        VARIANT version = TextArg(L"untouched");
        VARIANT size = LongArg(-1);
        Runtime::Variant result;
        EXCEPINFO excep{};
        Outcome outcome{};
        outcome.hr = CallMethod(control.Get(), L"CheckForUpdate", {ByRefArg(&version), ByRefArg(&size)}, result,
                                &excep);
        outcome.result = V_VT(result.Get()) == VT_I2 ? V_I2(result.Get()) : 99;
        outcome.version = TextOf(version);
        outcome.size = TextOf(size);
        if (outcome.hr == DISP_E_EXCEPTION)
            outcome.error = std::to_wstring(excep.scode & 0xFFFF) + L" " + Runtime::BstrText(excep.bstrDescription);
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
        SysFreeString(excep.bstrHelpFile);
        VariantClear(&version);
        VariantClear(&size);
        return outcome;
    }

    HttpTestServer server;
    Runtime::ComPtr<IDispatch> control;

private:
    aSendrel::ConnectedStateFn previousConnected_ = nullptr;
};

inline std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

} // namespace TestSupport
