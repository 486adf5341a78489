// The real program with and without the hook control's server beside it:
// it starts either way; with the control, a window closed minimised keeps
// the place it was last moved to.
#include "tests/mainwin/ProgramRun.h"

#include <gtest/gtest.h>

namespace {

using MainWinTest::ProgramRun;
using MainWinTest::ReadIni;

TEST(HookProgram, AWindowClosedMinimisedIsSavedWhereItWasLastMovedWithTheControlOnly)
{
    for (bool withControl : {true, false}) {
        ProgramRun run;
        if (withControl) {
            ASSERT_TRUE(run.CopyBeside("latchet/Latchet.dll"));
        }
        HWND wnd = run.Start();
        ASSERT_NE(wnd, nullptr) << "with the control: " << withControl;
        RECT start{};
        GetWindowRect(wnd, &start);
        const int left = start.left + 23, top = start.top + 19;
        ASSERT_TRUE(SetWindowPos(wnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
        ShowWindow(wnd, SW_MINIMIZE);
        ASSERT_TRUE(IsIconic(wnd));
        EXPECT_EQ(run.Close(wnd), 0);
        const std::wstring savedLeft = ReadIni(run.Settings(), L"fwMain_State", L"Left");
        const std::wstring savedTop = ReadIni(run.Settings(), L"fwMain_State", L"Top");
        if (withControl) {
            EXPECT_EQ(savedLeft, std::to_wstring(left));
            EXPECT_EQ(savedTop, std::to_wstring(top));
        } else {
            // The window's own start place: the move went unseen.
            EXPECT_EQ(savedLeft, std::to_wstring(start.left));
            EXPECT_EQ(savedTop, std::to_wstring(start.top));
        }
    }
}

} // namespace
