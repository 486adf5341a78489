// The type libraries that the two control servers register, read through
// their type information: the enumerations' members carry their own names
// as help strings, and the interfaces carry their flags.
#include "tests/support/Process.h"

#include <objbase.h>
#include <oleauto.h>

#include <string>

#include <gtest/gtest.h>

#include "runtime/ComVariant.h"
#include "runtime/ScopedWin.h"

namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// The type `name` of the type library embedded in a server (the library
// that its registration registers); empty when there is none.
Runtime::ComPtr<ITypeInfo> TypeNamed(const char* server, const wchar_t* name)
{
    Runtime::ComPtr<ITypeLib> library;
    std::wstring path = TestSupport::BuildPath(server);
    Runtime::ComPtr<ITypeInfo> info;
    if (LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.Put()) != S_OK) return info;
    MEMBERID id = 0;
    USHORT found = 1;
    std::wstring wanted = name;
    ITypeInfo* raw = nullptr;
    if (library->FindName(wanted.data(), 0, &raw, &id, &found) == S_OK && found == 1) info = Runtime::ComPtr<ITypeInfo>(raw);
    return info;
}

struct Enumeration {
    const char* server;
    const wchar_t* name;
    unsigned members;
};

TEST(TypeLibraries, EveryMemberOfTheEnumerationsIsHelpedByItsOwnName)
{
    const Enumeration enumerations[] = {
        {"latchet/Latchet.dll", L"CallOrderConst", 3},
        {"latchet/Latchet.dll", L"KeyCodeConst", 115},
        {"sendrel/Sendrel.dll", L"SaveStyleConst", 2},
    };
    for (const Enumeration& e : enumerations) {
        SCOPED_TRACE(Narrow(e.name));
        Runtime::ComPtr<ITypeInfo> info = TypeNamed(e.server, e.name);
        ASSERT_TRUE(info);
        TYPEATTR* attr = nullptr;
        ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
        EXPECT_EQ(attr->typekind, TKIND_ENUM);
        EXPECT_EQ(attr->cVars, e.members);
        const unsigned count = attr->cVars;
        info->ReleaseTypeAttr(attr);
        for (unsigned i = 0; i < count; ++i) {
            VARDESC* var = nullptr;
            ASSERT_EQ(info->GetVarDesc(i, &var), S_OK);
            BSTR name = nullptr, help = nullptr;
            EXPECT_EQ(info->GetDocumentation(var->memid, &name, &help, nullptr, nullptr), S_OK);
            std::wstring member = Runtime::BstrText(name);
            EXPECT_FALSE(member.empty()) << i;
            EXPECT_EQ(Runtime::BstrText(help), member) << i;
            SysFreeString(name);
            SysFreeString(help);
            info->ReleaseVarDesc(var);
        }
    }
}

TEST(TypeLibraries, InterfacesCarryTheirFlags)
{
    // A dual interface's dispatch view leaves out the oleautomation flag,
    // which its interface view carries.
    const WORD dual = TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE;
    const WORD events = TYPEFLAG_FHIDDEN | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FDISPATCHABLE;
    struct Case {
        const char* server;
        const wchar_t* name;
        WORD flags;
    };
    const Case cases[] = {
        {"latchet/Latchet.dll", L"_Latchet", dual},  {"latchet/Latchet.dll", L"__Latchet", events},
        {"latchet/Latchet.dll", L"_Message", dual},  {"latchet/Latchet.dll", L"_Object", dual},
        {"latchet/Latchet.dll", L"_cmLatchet", dual}, {"sendrel/Sendrel.dll", L"_Sendrel", dual},
        {"sendrel/Sendrel.dll", L"__Sendrel", events},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.name));
        Runtime::ComPtr<ITypeInfo> info = TypeNamed(c.server, c.name);
        ASSERT_TRUE(info);
        TYPEATTR* attr = nullptr;
        ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
        EXPECT_EQ(attr->typekind, TKIND_DISPATCH);
        EXPECT_EQ(attr->wTypeFlags, c.flags) << std::hex << attr->wTypeFlags;
        info->ReleaseTypeAttr(attr);
        if (!(c.flags & TYPEFLAG_FDUAL)) continue;
        HREFTYPE vtable = 0;
        ASSERT_EQ(info->GetRefTypeOfImplType(-1, &vtable), S_OK);
        Runtime::ComPtr<ITypeInfo> side;
        ASSERT_EQ(info->GetRefTypeInfo(vtable, side.Put()), S_OK);
        ASSERT_EQ(side->GetTypeAttr(&attr), S_OK);
        EXPECT_EQ(attr->typekind, TKIND_INTERFACE);
        EXPECT_EQ(attr->wTypeFlags, c.flags | TYPEFLAG_FOLEAUTOMATION) << std::hex << attr->wTypeFlags;
        side->ReleaseTypeAttr(attr);
    }
}

} // namespace
