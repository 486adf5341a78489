// Timers on the runtime's message window: they tick at their interval
// while enabled, stop when disabled, destroyed or their form is unloaded,
// and a run-time error in a handler is reported without stopping them.
#include "runtime/ErrorReport.h"
#include "runtime/Form.h"
#include "runtime/Timer.h"
#include "tests/runtime/WaitFor.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace Runtime;
using TestWait::PumpFor;
using TestWait::PumpUntil;

class TimerForm : public Form {
public:
    TimerForm() : Form(L"fwTimers") {}
    TimerControl toTick{this, nullptr, L"toTick"};
};

TEST(Timer, TicksWhileEnabledWithAnInterval)
{
    TimerForm form;
    ASSERT_TRUE(form.Load());
    int ticks = 0;
    form.toTick.Timer = [&] { ++ticks; };
    EXPECT_TRUE(form.toTick.Enabled()) << "enabled by default";
    EXPECT_FALSE(form.toTick.Running()) << "but off with interval 0";

    form.toTick.SetInterval(20);
    EXPECT_TRUE(form.toTick.Running());
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));

    form.toTick.SetEnabled(false);
    EXPECT_FALSE(form.toTick.Running());
    int stopped = ticks;
    PumpFor(100);
    EXPECT_EQ(ticks, stopped);

    form.toTick.SetEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return ticks > stopped; }));
    form.toTick.SetInterval(0);
    EXPECT_FALSE(form.toTick.Running());
    EXPECT_TRUE(form.toTick.Enabled());

    for (long bad : {-1L, 65536L}) EXPECT_THROW(form.toTick.SetInterval(bad), Error) << bad;
    EXPECT_EQ(form.toTick.Interval(), 0);
    EXPECT_EQ(form.toTick.TypeName(), L"Timer");
    EXPECT_EQ(form.toTick.hWnd(), nullptr);
}

TEST(Timer, ErrorsInTheHandlerAreReportedAndTheTimerGoesOn)
{
    std::vector<int> reported;
    ErrorReporter old = SetErrorReporter([&](int number, const std::string&) { reported.push_back(number); });
    TimerForm form;
    ASSERT_TRUE(form.Load());
    int ticks = 0;
    form.toTick.Timer = [&] {
        ++ticks;
        Raise(ErrOverflow);
    };
    form.toTick.SetInterval(10);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    form.toTick.SetEnabled(false);
    SetErrorReporter(old);
    EXPECT_GE(reported.size(), 2u);
    EXPECT_EQ(reported[0], ErrOverflow);
}

TEST(Timer, AHandlerThatWaitsGetsNoSecondTickMeanwhile)
{
    TimerForm form;
    ASSERT_TRUE(form.Load());
    int depth = 0, deepest = 0, ticks = 0;
    form.toTick.Timer = [&] {
        ++ticks;
        ++depth;
        deepest = depth > deepest ? depth : deepest;
        if (ticks == 1) PumpFor(100); // like a message box: other messages run
        --depth;
    };
    form.toTick.SetInterval(10);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    form.toTick.SetEnabled(false);
    EXPECT_EQ(deepest, 1);
}

TEST(Timer, StopsWhenDestroyedOrItsFormIsUnloaded)
{
    // Destroyed inside its own handler: no more ticks, nothing touched after.
    auto form = std::make_unique<TimerForm>();
    ASSERT_TRUE(form->Load());
    int ticks = 0;
    form->toTick.Timer = [&] {
        ++ticks;
        form.reset();
    };
    form->toTick.SetInterval(10);
    ASSERT_TRUE(PumpUntil([&] { return form == nullptr; }));
    PumpFor(60);
    EXPECT_EQ(ticks, 1);

    // Unloaded: the next tick stops it without raising the event.
    TimerForm other;
    ASSERT_TRUE(other.Load());
    int otherTicks = 0;
    other.toTick.Timer = [&] { ++otherTicks; };
    other.toTick.SetInterval(10);
    ASSERT_TRUE(PumpUntil([&] { return otherTicks >= 1; }));
    other.Unload();
    // The last form gone posts WM_QUIT, which would hold back every timer message.
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    int atUnload = otherTicks;
    ASSERT_TRUE(PumpUntil([&] { return !other.toTick.Running(); }));
    EXPECT_EQ(otherTicks, atUnload);
}

} // namespace
