// CheckForUpdate hands the version and the size back through whatever kind
// of by-reference argument its host passes: a reference to a Variant (a
// late-bound host), or typed references to the host's own variables (an
// early-bound host), converted to their types; late-bound through IDispatch
// and early-bound through the interface alike.
#include "tests/servers/SendrelFixture.h"

namespace {

using namespace TestSupport;
using Reply = HttpTestServer::Reply;

class SendrelArguments : public SendrelFixture {
protected:
    // Calls CheckForUpdate with `version` and `size` either way.
    int CallWith(bool earlyBound, VARIANT version, VARIANT size)
    {
        if (earlyBound) {
            short result = 99;
            auto* early = static_cast<_Sendrel*>(control.Get());
            EXPECT_EQ(early->CheckForUpdate(&version, &size, &result), S_OK);
            return result;
        }
        Runtime::Variant result;
        EXPECT_EQ(CallMethod(control.Get(), L"CheckForUpdate", {version, size}, result), S_OK);
        return V_VT(result.Get()) == VT_I2 ? V_I2(result.Get()) : 99;
    }
};

// A typed reference to a variable of `type` held in `store`.
VARIANT TypedRef(VARTYPE type, VARIANT& store)
{
    VariantInit(&store);
    V_VT(&store) = type;
    V_I8(&store) = 0;
    VARIANT ref;
    V_VT(&ref) = static_cast<VARTYPE>(VT_BYREF | type);
    V_BYREF(&ref) = &V_UI1(&store);
    return ref;
}

double AsDouble(VARIANT value)
{
    Runtime::Variant copy;
    if (FAILED(VariantCopy(copy.Get(), &value)) || !copy.ChangeType(VT_R8)) return -12345;
    return V_R8(copy.Get());
}

TEST_F(SendrelArguments, TypedReferencesReceiveTheVersionAndTheSizeConverted)
{
    struct {
        const char* name;
        VARTYPE type;
        const char* body;
        double size; // -7: the variable keeps its value
    } cases[] = {
        {"Double", VT_R8, "Version=6.09;Size=1482752.5;", 1482752.5},
        {"Long", VT_I4, "Version=6.09;Size=1482752;", 1482752},
        {"Integer", VT_I2, "Version=6.09;Size=1024;", 1024},
        {"Currency", VT_CY, "Version=6.09;Size=1482752.25;", 1482752.25},
        {"Integer, size too big for it", VT_I2, "Version=6.09;Size=1482752;", -7},
    };
    for (bool earlyBound : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (earlyBound ? ", early-bound" : ", late-bound"));
            server.Serve(Reply::Body, c.body);
            BSTR version = SysAllocString(L"old");
            VARIANT versionRef;
            V_VT(&versionRef) = VT_BYREF | VT_BSTR;
            V_BSTRREF(&versionRef) = &version;
            VARIANT store;
            VARIANT sizeRef = TypedRef(c.type, store);
            VARIANT seven;
            V_VT(&seven) = VT_I4;
            V_I4(&seven) = -7;
            VariantChangeType(&store, &seven, 0, c.type);
            EXPECT_EQ(CallWith(earlyBound, versionRef, sizeRef), 1);
            EXPECT_EQ(Runtime::BstrText(version), L"6.09");
            EXPECT_EQ(V_VT(&store), c.type);
            EXPECT_EQ(AsDouble(store), c.size);
            SysFreeString(version);
        }
    }
}

TEST_F(SendrelArguments, AVariantReferenceTakesTheValuesAsTheyAre)
{
    server.Serve(Reply::Body, "Version=6.09;Size=1024;");
    for (bool earlyBound : {false, true}) {
        SCOPED_TRACE(earlyBound ? "early-bound" : "late-bound");
        VARIANT version = TextArg(L"old");
        VARIANT size = LongArg(-1);
        EXPECT_EQ(CallWith(earlyBound, ByRefArg(&version), ByRefArg(&size)), 1);
        EXPECT_EQ(V_VT(&version), VT_BSTR);
        EXPECT_EQ(TextOf(version), L"6.09");
        EXPECT_EQ(V_VT(&size), VT_R8);
        EXPECT_EQ(AsDouble(size), 1024);
        VariantClear(&version);
    }
}

TEST_F(SendrelArguments, AVersionReferenceOfAnotherTypeTakesWhatConvertsAndOtherwiseKeepsItsValue)
{
    struct {
        const char* body;
        double version;
    } cases[] = {
        {"Version=7;", 7},
        {"Version=6.09.1;", -3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        server.Serve(Reply::Body, c.body);
        VARIANT store;
        VARIANT versionRef = TypedRef(VT_I4, store);
        V_I4(&store) = -3;
        CallWith(false, versionRef, MissingArg());
        EXPECT_EQ(AsDouble(store), c.version);
    }
}

} // namespace
