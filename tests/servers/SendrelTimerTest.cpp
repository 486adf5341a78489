// The control's own timer: the hourly turn, the once-a-day rule, NewVersion,
// and the stored result in an INI file and in the registry.
#include "tests/servers/SendrelFixture.h"

#include "runtime/Pump.h"
#include "tests/servers/PostedCall.h"
#include "sendrel/Today.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace TestSupport;
using Reply = HttpTestServer::Reply;

std::wstring g_today = L"20261209";

class SendrelTimer : public SendrelFixture {
protected:
    void SetUp() override
    {
        SendrelFixture::SetUp();
        g_today = L"20261209";
        previousToday_ = aSendrel::SetToday([] { return g_today; });
        server.Serve(Reply::Body, "Version=\"6.09\";Size=1482752;");
        ASSERT_EQ(control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(ole_.Put())), S_OK);
        ole_->SetClientSite(&site_);
        Connect(control.Get(), DIID___Sendrel, &events);
        ini = folder_.File(L"Orlenta.dat");
        SetText(L"LocalPath", ini);
    }
    void TearDown() override
    {
        ole_->Close(OLECLOSE_NOSAVE);
        ole_->SetClientSite(nullptr);
        ole_.Reset();
        aSendrel::SetToday(previousToday_);
        SendrelFixture::TearDown();
    }

    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i) Object()->toUpdate_Timer();
    }
    std::wstring IniValue(const wchar_t* key) const
    {
        wchar_t value[256] = {};
        GetPrivateProfileStringW(L"ucUpdate", key, L"<none>", value, 256, ini.c_str());
        return value;
    }

    EventSink events;
    std::wstring ini;

private:
    TempFolder folder_;
    // The host names the instance through its extender; the ambient display
    // name is the host's caption for it.
    SiteStub site_{L"Sendrel1", L"ucUpdate"};
    Runtime::ComPtr<IOleObject> ole_;
    aSendrel::TodayFn previousToday_ = nullptr;
};

TEST_F(SendrelTimer, FirstTickFindsTheNewVersionAndStoresItInTheIniFile)
{
    Ticks(1);
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(Narrow(IniValue(L"LastVer")), "6.09");
    EXPECT_EQ(Narrow(IniValue(L"LastDate")), "20261209");
    EXPECT_EQ(events.newVersions, std::vector<std::wstring>{L"6.09"});
}

TEST_F(SendrelTimer, AfterAFindingNoFurtherCheckRunsThatDay)
{
    Ticks(1);
    Ticks(3599 * 3); // three hourly turns, all on the same day
    EXPECT_EQ(server.Requests(), 1);

    // The next day the same version is found again: a new date, no event.
    g_today = L"20261210";
    Ticks(3599);
    EXPECT_EQ(server.Requests(), 2);
    EXPECT_EQ(Narrow(IniValue(L"LastDate")), "20261210");
    EXPECT_EQ(events.newVersions.size(), 1u);

    // A newer one that day is not looked for; the day after it is reported.
    server.Serve(Reply::Body, "Version=6.10;");
    Ticks(3599);
    EXPECT_EQ(server.Requests(), 2);
    g_today = L"20261211";
    Ticks(3599);
    EXPECT_EQ(events.newVersions, (std::vector<std::wstring>{L"6.09", L"6.10"}));
    EXPECT_EQ(Narrow(IniValue(L"LastVer")), "6.10");
}

TEST_F(SendrelTimer, UpToDateStoresNothingAndChecksAgainNextHour)
{
    SetText(L"LocalVersion", L"6.09");
    Ticks(1);
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(Narrow(IniValue(L"LastVer")), "<none>");
    EXPECT_EQ(Narrow(IniValue(L"LastDate")), "<none>");
    Ticks(3598);
    EXPECT_EQ(server.Requests(), 1);
    Ticks(1);
    EXPECT_EQ(server.Requests(), 2);
    EXPECT_TRUE(events.newVersions.empty());
}

TEST_F(SendrelTimer, FailedOrCancelledChecksStoreNothing)
{
    for (Reply reply : {Reply::NotFound, Reply::CloseMidBody}) {
        server.Serve(reply, "Version=6.09;");
        Ticks(3599);
    }
    EXPECT_EQ(server.Requests(), 2);
    EXPECT_EQ(Narrow(IniValue(L"LastVer")), "<none>");
    EXPECT_TRUE(events.newVersions.empty());
}

TEST_F(SendrelTimer, SwitchingAutoCheckDoesNotRestartTheHour)
{
    Ticks(1);
    g_today = L"20261210";
    PutProperty(control.Get(), L"AutoCheck", BoolArg(true));
    PutProperty(control.Get(), L"AutoCheck", BoolArg(false));
    Ticks(3598);
    EXPECT_EQ(server.Requests(), 1);
    Ticks(1);
    EXPECT_EQ(server.Requests(), 2);
}

TEST_F(SendrelTimer, TheRealTimerChecksOnItsFirstTick)
{
    PutProperty(control.Get(), L"AutoCheck", BoolArg(true));
    DWORD start = GetTickCount();
    while (server.Requests() == 0 && GetTickCount() - start < 10000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        Runtime::DoEvents();
    }
    PutProperty(control.Get(), L"AutoCheck", BoolArg(false));
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(events.newVersions, std::vector<std::wstring>{L"6.09"});
}

TEST_F(SendrelTimer, AHostWithoutExtenderNamesTheSectionByItsDisplayName)
{
    Runtime::ComPtr<IOleObject> ole;
    control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(ole.Put()));
    SiteStub plainSite(L"ucPlain");
    ole->SetClientSite(&plainSite);
    Ticks(1);
    wchar_t value[64] = {};
    GetPrivateProfileStringW(L"ucPlain", L"LastVer", L"<none>", value, 64, ini.c_str());
    EXPECT_EQ(Narrow(value), "6.09");
    EXPECT_EQ(Narrow(IniValue(L"LastVer")), "<none>");
    ole->SetClientSite(nullptr);
}

TEST_F(SendrelTimer, RegistryStyleStoresAStringAndADword)
{
    const std::wstring key = L"SOFTWARE\\OrlentaTests\\Sendrel" + std::to_wstring(GetCurrentProcessId());
    SetText(L"LocalPath", key);
    PutProperty(control.Get(), L"SaveStyle", LongArg(1));
    Ticks(1);
    wchar_t version[64] = {};
    DWORD size = sizeof(version);
    EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"LastVer", RRF_RT_REG_SZ, nullptr, version, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(Narrow(version), "6.09");
    DWORD date = 0;
    size = sizeof(date);
    EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"LastDate", RRF_RT_REG_DWORD, nullptr, &date, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(date, 20261209u);
    Ticks(3599); // found today: no check
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(Narrow(IniValue(L"LastVer")), "<none>");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
}

// Stored values that are not what the control wrote (hand edits, another
// program) only make it check again; nothing breaks.
TEST_F(SendrelTimer, DamagedStoredValuesOnlyLeadToACheck)
{
    WritePrivateProfileStringW(L"ucUpdate", L"LastDate", L"yesterday-ish", ini.c_str());
    WritePrivateProfileStringW(L"ucUpdate", L"LastVer", L".5", ini.c_str()); // not comparable
    // The stored version cannot be compared: the run-time error ends this
    // tick (the timer drops it) after the new result was stored.
    EXPECT_THROW(Ticks(1), Runtime::Error);
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(Narrow(IniValue(L"LastVer")), "6.09");
    EXPECT_EQ(Narrow(IniValue(L"LastDate")), "20261209");
    EXPECT_TRUE(events.newVersions.empty());
    Ticks(3599);
    EXPECT_EQ(server.Requests(), 1);
}

TEST_F(SendrelTimer, WithoutAPlaceForTheResultNothingIsWritten)
{
    SetText(L"LocalPath", L"");
    PutProperty(control.Get(), L"SaveStyle", LongArg(1));
    Ticks(1);
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(events.newVersions, std::vector<std::wstring>{L"6.09"});
    wchar_t value[64] = {};
    DWORD size = sizeof(value);
    EXPECT_NE(RegGetValueW(HKEY_LOCAL_MACHINE, nullptr, L"LastVer", RRF_RT_ANY, nullptr, value, &size), ERROR_SUCCESS);
}

// A check that falls due while the host's own check waits on the server
// does not start inside that wait (where it would hold the host's check
// until its own end, and ask the server twice): it runs on the first tick
// after the host's check.
TEST_F(SendrelTimer, ACheckDueDuringTheHostsCheckRunsOnTheTickAfterIt)
{
    PostedCall window(control.Get());
    window.onPost = [&] {
        Ticks(1);
        Runtime::Variant ignored;
        CallMethod(control.Get(), L"Cancel", {}, ignored);
    };
    server.Midway = [&window] { window.Post(); };
    server.Serve(Reply::Silent, "");
    EXPECT_EQ(Check().result, -2);
    EXPECT_EQ(window.calls, 1);
    EXPECT_EQ(server.Requests(), 1);
    server.Midway = nullptr;
    server.Serve(Reply::Body, "Version=\"6.09\";Size=1482752;");
    Ticks(1);
    EXPECT_EQ(server.Requests(), 2);
    EXPECT_EQ(Narrow(IniValue(L"LastVer")), "6.09");
    EXPECT_EQ(events.newVersions, std::vector<std::wstring>{L"6.09"});
}

} // namespace
