// The Latchet server's self-registration in the test prefix: what
// DllRegisterServer writes and DllUnregisterServer takes away.
#include "tests/support/Process.h"

#include <objbase.h>

#include <gtest/gtest.h>

namespace {

using EntryNoArgs = HRESULT(STDAPICALLTYPE*)();

std::wstring ReadDefault(const std::wstring& key)
{
    wchar_t value[512] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return L"(missing)";
    return value;
}

TEST(LatchetServer, RegistersTheControlClassItsProgIdAndTypeLibrary)
{
    std::wstring path = TestSupport::BuildPath("latchet/Latchet.dll");
    Runtime::ScopedModule dll(LoadLibraryW(path.c_str()));
    ASSERT_NE(dll.Get(), nullptr);
    auto entry = [&](const char* name) { return reinterpret_cast<EntryNoArgs>(GetProcAddress(dll.Get(), name))(); };
    const std::wstring classKey = L"CLSID\\{D5271525-A808-11D4-87D2-00D0B74CFA04}";
    ASSERT_EQ(entry("DllRegisterServer"), S_OK);
    EXPECT_EQ(ReadDefault(L"LatchetControl.Latchet\\CLSID"), L"{D5271525-A808-11D4-87D2-00D0B74CFA04}");
    std::wstring server = ReadDefault(classKey + L"\\InprocServer32");
    EXPECT_EQ(_wcsicmp(server.c_str(), path.c_str()), 0) << std::string(server.begin(), server.end());
    EXPECT_EQ(ReadDefault(classKey + L"\\ProgID"), L"LatchetControl.Latchet");
    EXPECT_EQ(ReadDefault(L"TypeLib\\{161AA5A1-A4E8-11D4-87D2-00D0B74CFA04}\\11.0"), L"Latchet ActiveX Control");
    // The two property pages, served by the same module.
    const std::wstring pageKeys[] = {L"CLSID\\{D54612D8-B033-4F90-9262-58BF0F642135}",
                                     L"CLSID\\{1AA54A65-6C7A-4B7B-9C74-8642F2E2F5E3}"};
    for (const std::wstring& pageKey : pageKeys) {
        std::wstring pageServer = ReadDefault(pageKey + L"\\InprocServer32");
        EXPECT_EQ(_wcsicmp(pageServer.c_str(), path.c_str()), 0) << std::string(pageServer.begin(), pageServer.end());
    }

    ASSERT_EQ(entry("DllUnregisterServer"), S_OK);
    EXPECT_EQ(ReadDefault(classKey + L"\\InprocServer32"), L"(missing)");
    for (const std::wstring& pageKey : pageKeys) EXPECT_EQ(ReadDefault(pageKey + L"\\InprocServer32"), L"(missing)");
    EXPECT_EQ(ReadDefault(L"LatchetControl.Latchet\\CLSID"), L"(missing)");
}

} // namespace
