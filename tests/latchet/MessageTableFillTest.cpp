// The message-name table when memory runs out while it is filled: the fill
// throws, the table is left empty, and the next call fills it, whether it
// comes from the same thread or from one that was waiting for the fill.
// The table is the module's, filled once: the whole story is one case.
#include "common/MessageList.h"
#include "latchet/Messages.h"
#include "tests/support/FailingAllocation.h"

#include <atomic>
#include <chrono>
#include <future>
#include <new>
#include <ostream>
#include <thread>

#include <gtest/gtest.h>

namespace {

enum class Outcome { Filled, OutOfMemory, StillWaiting };

void PrintTo(Outcome outcome, std::ostream* out)
{
    static const char* const kNames[] = {"filled", "out of memory", "still waiting after 30 s"};
    *out << kNames[static_cast<int>(outcome)];
}

// Messages::Init on a thread of its own, given 30 seconds: a call that
// waits for a fill that never ends would otherwise hold the case for good.
// `failAt` is passed to FailingAllocation::FailAt on that thread, and
// `calling` (if given) is set just before the call.
Outcome InitOnAThread(int failAt, std::atomic<bool>* calling = nullptr)
{
    std::packaged_task<void()> task([failAt, calling] {
        FailingAllocation::FailAt(failAt);
        if (calling) *calling = true;
        Messages::Init();
        FailingAllocation::FailAt(0);
    });
    std::future<void> done = task.get_future();
    std::thread(std::move(task)).detach();
    if (done.wait_for(std::chrono::seconds(30)) != std::future_status::ready) return Outcome::StillWaiting;
    try {
        done.get();
    } catch (const std::bad_alloc&) {
        return Outcome::OutOfMemory;
    }
    return Outcome::Filled;
}

std::atomic<bool> g_waiterCalling{false};
std::future<Outcome> g_waiter;

// Called inside the failing fill: another thread calls Init while the
// table is being filled, then the fill fails.
void StartAWaiter()
{
    g_waiter = std::async(std::launch::async, [] { return InitOnAThread(0, &g_waiterCalling); });
    while (!g_waiterCalling) std::this_thread::yield();
}

} // namespace

TEST(MessageTableFill, AFillThatRunsOutOfMemoryLeavesTheTableToTheNextCall)
{
    const Common::MessageList& table = Common::SharedMessageList();
    // The room for the rows, the first name, a name far down the table.
    for (int failAt : {1, 2, 900}) {
        ASSERT_EQ(InitOnAThread(failAt), Outcome::OutOfMemory) << failAt;
        EXPECT_EQ(table.Count(), 0) << failAt;
    }

    // A fill fails while another thread waits for it: that thread fills.
    FailingAllocation::BeforeFailing(&StartAWaiter);
    EXPECT_EQ(InitOnAThread(300), Outcome::OutOfMemory);
    FailingAllocation::BeforeFailing(nullptr);
    ASSERT_TRUE(g_waiter.valid());
    EXPECT_EQ(g_waiter.get(), Outcome::Filled);
    EXPECT_EQ(table.Count(), 1198);

    // Filled for good: a later call changes nothing.
    EXPECT_EQ(InitOnAThread(0), Outcome::Filled);
    EXPECT_EQ(table.Count(), 1198);
}
