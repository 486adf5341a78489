// Both control servers load in process and export the four entry points of
// a self-registering COM server.
#include "tests/support/Process.h"
#include "tests/support/VersionInfo.h"

#include <objbase.h>
#include <string>
#include <gtest/gtest.h>

namespace {

using EntryNoArgs = HRESULT(STDAPICALLTYPE*)();
using EntryClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

const char* const kServers[] = {"latchet/Latchet.dll", "sendrel/Sendrel.dll"};

TEST(ControlServers, ExportTheSelfRegistrationEntryPoints)
{
    for (const char* server : kServers) {
        SCOPED_TRACE(server);
        std::wstring path = TestSupport::BuildPath(server);
        Runtime::ScopedModule dll(LoadLibraryW(path.c_str()));
        ASSERT_NE(dll.Get(), nullptr);
        for (const char* name : {"DllRegisterServer", "DllUnregisterServer", "DllCanUnloadNow"}) {
            auto entry = reinterpret_cast<EntryNoArgs>(GetProcAddress(dll.Get(), name));
            ASSERT_NE(entry, nullptr) << name;
            // Registration is tested for each server on its own (it writes
            // the prefix's registry, which tests running beside may read).
        }
        auto getClass = reinterpret_cast<EntryClassObject>(GetProcAddress(dll.Get(), "DllGetClassObject"));
        ASSERT_NE(getClass, nullptr);
        void* object = reinterpret_cast<void*>(1);
        EXPECT_EQ(getClass(GUID_NULL, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
        EXPECT_EQ(object, nullptr);
        // Hosts look for this marker before they call the registration entry.
        EXPECT_TRUE(TestSupport::ReadFileVersion(path).found);
    }
}

} // namespace
