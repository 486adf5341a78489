// The class factories of both control servers when memory runs out while
// an object is made: each allocation the making does fails in turn, from
// the first on, and the creation function answers E_OUTOFMEMORY with
// nothing handed out, or an object, never an exception.
// The hook control's first object also fills the module's message-name
// table, which a failure part-way leaves to the next object.
#include "common/MessageList.h"
#include "latchet/Latchet.h"
#include "latchet/MessagePropertyPage.h"
#include "latchet/ObjectPropertyPage.h"
#include "runtime/ClassFactory.h"
#include "runtime/ScopedWin.h"
#include "sendrel/Sendrel.h"
#include "tests/support/FailingAllocation.h"

#include <gtest/gtest.h>

namespace {

struct ClassCase {
    const char* name;
    Runtime::CreateObject create;
};

const ClassCase kClasses[] = {
    {"Latchet", &Latchet::Create},
    {"Sendrel", &Sendrel::Create},
    {"Latchet's Object page", &Runtime::PropertyPage::Create<ObjectPropertyPage>},
    {"Latchet's Message page", &Runtime::PropertyPage::Create<MessagePropertyPage>},
};

} // namespace

TEST(FactoryOutOfMemory, EachAllocationFailingInTurnIsAnErrorCodeUntilTheObjectIsMade)
{
    CoInitialize(nullptr);
    for (const ClassCase& made : kClasses) {
        int refused = 0;
        for (int failAt = 1;; ++failAt) {
            Runtime::ComPtr<IUnknown> object;
            FailingAllocation::FailAt(failAt);
            HRESULT hr = made.create(IID_IUnknown, reinterpret_cast<void**>(object.Put()));
            bool failed = FailingAllocation::Failed();
            FailingAllocation::FailAt(0);
            // A failure the making can do without (a vector that keeps its
            // spare room) may still give an object.
            if (hr == S_OK) {
                ASSERT_TRUE(object) << made.name << ", allocation " << failAt;
            } else {
                ASSERT_EQ(hr, E_OUTOFMEMORY) << made.name << ", allocation " << failAt;
                ASSERT_FALSE(object) << made.name << ", allocation " << failAt;
                ++refused;
            }
            // Every allocation the making does has failed once.
            if (!failed) break;
            ASSERT_LT(failAt, 100000) << made.name;
        }
        EXPECT_GT(refused, 0) << made.name << ": no allocation failed";
    }
    EXPECT_EQ(Common::SharedMessageList().Count(), 1198);
    CoUninitialize();
}
