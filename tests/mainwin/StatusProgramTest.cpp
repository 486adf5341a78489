// The status bars and the always-on-top box of the real program, driven
// from outside: what the user's clicks do and what the settings file keeps.
#include "tests/mainwin/ProgramRun.h"
#include "tests/support/Screenshot.h"

#include <gtest/gtest.h>

namespace {

using namespace MainWinTest;

bool IsTopMost(HWND wnd)
{
    return (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// The upper of the two status bars: the one with the "Hex" panel first.
HWND CodeStatusBar(HWND wnd)
{
    HWND upper = nullptr;
    for (HWND bar : FindChildren(wnd, L"msctls_statusbar32"))
        if (!upper || RectInParent(bar).top < RectInParent(upper).top) upper = bar;
    return upper;
}

TEST(StatusProgram, AlwaysOnTopStartsFromItsSettingAndFollowsTheUsersClick)
{
    ProgramRun run;
    WriteIni(run.Settings(), L"fwMain", L"chOnTop", L"1");
    HWND wnd = run.Start();
    ASSERT_NE(wnd, nullptr);
    EXPECT_TRUE(IsTopMost(wnd));
    HWND box = FindChild(wnd, L"Always on T&op");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);

    for (bool onTop : {false, true, false}) {
        SendMessageW(box, BM_CLICK, 0, 0);
        EXPECT_EQ(IsTopMost(wnd), onTop);
    }
    EXPECT_EQ(run.Close(wnd), 0);
    EXPECT_EQ(ReadIni(run.Settings(), L"fwMain", L"chOnTop"), L"0");
}

// The panel's text is the window test's; here the switch is seen in what
// the program keeps.
TEST(StatusProgram, DoubleClickOnTheCodePanelSwitchesToDecimalAndIsKept)
{
    ProgramRun run;
    HWND wnd = run.Start();
    ASSERT_NE(wnd, nullptr);
    HWND bar = CodeStatusBar(wnd);
    ASSERT_NE(bar, nullptr);
    const LPARAM onHex = MAKELPARAM(8, 8);

    SendMessageW(bar, WM_LBUTTONDBLCLK, MK_LBUTTON, onHex);
    EXPECT_FALSE(TestSupport::SaveWindowScreenshot(wnd, "status-decimal").empty());
    EXPECT_EQ(run.Close(wnd), 0);
    EXPECT_EQ(ReadIni(run.Settings(), L"fwMain", L"bHexView"), L"0");

    // The next run starts decimal; a double click goes back.
    wnd = run.Start();
    ASSERT_NE(wnd, nullptr);
    bar = CodeStatusBar(wnd);
    SendMessageW(bar, WM_LBUTTONDBLCLK, MK_LBUTTON, onHex);
    EXPECT_EQ(run.Close(wnd), 0);
    EXPECT_EQ(ReadIni(run.Settings(), L"fwMain", L"bHexView"), L"1");
}

} // namespace
