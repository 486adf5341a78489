// The window-hook control on the real main window: its subscription, and
// what the window does with the messages it hands over (the title bar's
// help area, the normal position for the placement save, What's This help
// for status-bar panels and menu items, the help file while a menu is
// open). Messages are sent to the window itself, so they pass through the
// control's hook as the system's do.
#include "tests/mainwin/LoadedMain.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/ObjectMembers.h"
#include "runtime/App.h"
#include "runtime/HelpPopup.h"
#include "runtime/Menu.h"
#include "runtime/WhatsThisMode.h"

namespace {

using MainWinTest::LoadedMain;

std::wstring HookText(fwMain& w, const wchar_t* property)
{
    return Common::MemberText(w.ucLatchet.Object(), property);
}

long HookNumber(fwMain& w, const wchar_t* property)
{
    Runtime::Variant value;
    if (!Common::ReadMember(w.ucLatchet.Object(), property, value) || !value.ChangeType(VT_I4)) return -1;
    return V_I4(value.Get());
}

// The window's outer rectangle on the screen.
RECT WindowRect(const fwMain& w)
{
    RECT r{};
    GetWindowRect(w.hWnd(), &r);
    return r;
}

// A screen point as non-client mouse messages carry it.
long PointParam(int x, int y)
{
    return static_cast<long>(MAKELPARAM(x, y));
}

// The help area's corners on the screen: measured at start-up, it keeps
// its distance from the window's right edge.
POINT AreaTopLeft(const fwMain& w)
{
    RECT r = WindowRect(w);
    const int left = w.CaptionButtonRect.left + (r.right - r.left) - w.CaptionButtonWidth;
    return {r.left + left, r.top + w.CaptionButtonRect.top};
}

POINT AreaBottomRight(const fwMain& w)
{
    POINT p = AreaTopLeft(w);
    return {p.x + w.CaptionButtonRect.right, p.y + w.CaptionButtonRect.bottom};
}

void Press(fwMain& w, int hitTest, POINT at)
{
    VARIANT rc;
    VariantInit(&rc);
    w.ucLatchet_Message(WM_NCLBUTTONDOWN, hitTest, PointParam(at.x, at.y), rc);
    EXPECT_EQ(V_VT(&rc), VT_EMPTY);
}

// A caption move, sent to the window (through the hook).
void Move(fwMain& w, int hitTest, POINT at)
{
    SendMessageW(w.hWnd(), WM_NCMOUSEMOVE, hitTest, PointParam(at.x, at.y));
}

// A WM_HELP for a window, sent to the main window with its HELPINFO at `info`.
void SendWindowHelp(fwMain& w, HELPINFO& info, HWND item, POINT at)
{
    info = {};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.hItemHandle = item;
    info.MousePos = at;
    SendMessageW(w.hWnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

// A screen point in the middle of a status-bar panel.
POINT PanelPoint(const Runtime::StatusBar& bar, int panel)
{
    RECT r{};
    GetWindowRect(bar.hWnd(), &r);
    const Runtime::Panel& p = bar.Panels()(panel);
    return {r.left + p.Left() + p.Width() / 2, r.top + 4};
}

std::wstring ShownTopic()
{
    HWND popup = Runtime::HelpPopupWindow();
    return popup ? Runtime::WindowText(popup) : L"(none)";
}

TEST(Hook, TheControlHooksTheWindowForItsSixMessagesInOrder)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    ASSERT_TRUE(w.ucLatchet.Created());
    EXPECT_EQ(HookText(w, L"Messages"), L"287 530 83 3 161 160");
    EXPECT_EQ(HookNumber(w, L"Count"), 6);
    EXPECT_EQ(HookNumber(w, L"HookedObjectHandle"), static_cast<long>(reinterpret_cast<INT_PTR>(w.hWnd())));
    // Its face is not part of the window.
    HWND face = nullptr;
    for (HWND child = GetWindow(w.hWnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (!Runtime::Control::FromHwnd(child) && IsWindowVisible(child)) face = child;
    EXPECT_EQ(face, nullptr);
}

TEST(Hook, MovesKeepTheLastNormalPositionForThePlacement)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    const int tx = Runtime::TwipsPerPixelX(), ty = Runtime::TwipsPerPixelY();

    SetWindowPos(w.hWnd(), nullptr, 37, 41, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(w.FormPlacement.Left, 37 * tx);
    EXPECT_EQ(w.FormPlacement.Top, 41 * ty);

    // Maximised: moves are not the normal position.
    w.SetWindowState(Runtime::StateMaximized);
    ASSERT_EQ(w.WindowState(), Runtime::StateMaximized);
    SetWindowPos(w.hWnd(), nullptr, 90, 95, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(w.FormPlacement.Left, 37 * tx);
    EXPECT_EQ(w.FormPlacement.Top, 41 * ty);
    // Restored: back at the last normal position.
    w.SetWindowState(Runtime::StateNormal);
    EXPECT_EQ(w.FormPlacement.Left, 37 * tx);
    EXPECT_EQ(w.FormPlacement.Top, 41 * ty);

    // Minimised, the same.
    w.SetWindowState(Runtime::StateMinimized);
    ASSERT_EQ(w.WindowState(), Runtime::StateMinimized);
    EXPECT_EQ(w.FormPlacement.Left, 37 * tx);
    EXPECT_EQ(w.FormPlacement.Top, 41 * ty);
    w.SetWindowState(Runtime::StateNormal);
}

TEST(Hook, TheHelpAreaHoldsItsEdgesAndNothingBeyond)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    const POINT a = AreaTopLeft(w), b = AreaBottomRight(w);
    const struct {
        const char* what;
        POINT at;
        bool hit;
    } cases[] = {
        {"top left corner", a, true},
        {"bottom right corner", b, true},
        {"middle", {(a.x + b.x) / 2, (a.y + b.y) / 2}, true},
        {"left of it", {a.x - 1, a.y}, false},
        {"above it", {a.x, a.y - 1}, false},
        {"right of it", {b.x + 1, b.y}, false},
        {"below it", {b.x, b.y + 1}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(w.HitCaptionButton(PointParam(c.at.x, c.at.y)), c.hit) << c.what;
}

// The area lies where a fourth caption button would: on the caption, and
// right beside the minimise button, in either mode.
TEST(Hook, TheHelpAreaLiesOnTheCaptionJustLeftOfTheCaptionButtonsInBothModes)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    for (int mode : {1, 0, 1}) {
        w.chMode.SetValue(mode);
        const POINT a = AreaTopLeft(w), b = AreaBottomRight(w);
        const int middle = (a.y + b.y) / 2;
        auto hitAt = [&](int x, int y) {
            return SendMessageW(w.hWnd(), WM_NCHITTEST, 0, MAKELPARAM(x, y));
        };
        for (int x = a.x; x <= b.x; ++x) ASSERT_EQ(hitAt(x, middle), HTCAPTION) << "mode " << mode << " x " << x;
        int x = b.x + 1;
        while (x < b.x + 8 && hitAt(x, middle) == HTCAPTION) ++x;
        EXPECT_EQ(hitAt(x, middle), HTMINBUTTON) << "mode " << mode;
        EXPECT_TRUE(w.HitCaptionButton(PointParam(a.x, middle))) << "mode " << mode;
        EXPECT_TRUE(w.HitCaptionButton(PointParam(b.x, middle))) << "mode " << mode;
        EXPECT_FALSE(w.HitCaptionButton(PointParam(b.x + 1, middle))) << "mode " << mode;
    }
}

TEST(Hook, ThePressArmsTheAreaAndTheNextCaptionMoveOnItStartsWhatsThisMode)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    const POINT on = AreaTopLeft(w);
    const POINT off{on.x - 20, on.y};

    // A press elsewhere on the caption, then a move onto the area: nothing.
    Press(w, HTCAPTION, off);
    EXPECT_FALSE(w.CaptionButtonArmed);
    Move(w, HTCAPTION, on);
    EXPECT_FALSE(Runtime::InWhatsThisMode());

    // A press on the area that is no caption press arms nothing.
    Press(w, HTCLIENT, on);
    EXPECT_FALSE(w.CaptionButtonArmed);

    // A press on the area, then a move off it: disarmed, no mode, and the
    // move back onto it does nothing either.
    Press(w, HTCAPTION, on);
    EXPECT_TRUE(w.CaptionButtonArmed);
    Move(w, HTCAPTION, off);
    EXPECT_FALSE(w.CaptionButtonArmed);
    Move(w, HTCAPTION, on);
    EXPECT_FALSE(Runtime::InWhatsThisMode());

    // Armed, a move over something else than the caption keeps it armed;
    // the next caption move on the area starts the mode.
    Press(w, HTCAPTION, on);
    Move(w, HTCLIENT, on);
    EXPECT_TRUE(w.CaptionButtonArmed);
    Move(w, HTCAPTION, on);
    EXPECT_FALSE(w.CaptionButtonArmed);
    EXPECT_TRUE(Runtime::InWhatsThisMode());
    EXPECT_NE(GetCapture(), nullptr);
    // A key ends the mode with no help.
    PostMessageW(w.hWnd(), WM_KEYDOWN, VK_ESCAPE, 1);
    LoadedMain::Pump();
    EXPECT_FALSE(Runtime::InWhatsThisMode());
    EXPECT_EQ(Runtime::HelpPopupWindow(), nullptr);
}

TEST(Hook, WhatsThisOnAStatusBarShowsThePanelsTopicAndLeavesTheBarWithoutOne)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    ASSERT_NE(w.StatusBarHandles[0], nullptr);
    ASSERT_EQ(w.StatusBarHandles[0], w.pbStatus[0]->hWnd());
    const struct {
        int bar, panel;
        long topic;
    } cases[] = {{0, 1, 171}, {0, 2, 172}, {0, 3, 173}, {1, 1, 174}, {1, 2, 177}, {1, 4, 176}};
    for (const auto& c : cases) {
        Runtime::StatusBar& bar = *w.pbStatus[c.bar];
        HELPINFO info;
        SendWindowHelp(w, info, bar.hWnd(), PanelPoint(bar, c.panel));
        EXPECT_EQ(ShownTopic(), fwMain::BuiltInHelpText(c.topic)) << c.bar << "," << c.panel;
        EXPECT_EQ(bar.WhatsThisHelpID, 0) << c.bar << "," << c.panel;
        Runtime::CloseHelpPopup();
    }
    // A point beside every panel finds none: nothing is shown.
    Runtime::StatusBar& bar = *w.pbStatus[0];
    RECT r{};
    GetWindowRect(bar.hWnd(), &r);
    HELPINFO info;
    SendWindowHelp(w, info, bar.hWnd(), {r.left - 5, r.top + 4});
    EXPECT_EQ(Runtime::HelpPopupWindow(), nullptr);
    EXPECT_EQ(bar.WhatsThisHelpID, 0);
}

TEST(Hook, AWindowHelpForAnotherControlIsTheRuntimesWhichShowsThatControlsTopic)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    HELPINFO info;
    RECT r{};
    GetWindowRect(w.bbCopy.hWnd(), &r);
    SendWindowHelp(w, info, w.bbCopy.hWnd(), {r.left + 2, r.top + 2});
    EXPECT_EQ(ShownTopic(), fwMain::BuiltInHelpText(162));
    Runtime::CloseHelpPopup();
}

// The HELPINFO of a WM_HELP lies anywhere in the address space; the hook
// control reports only 32 bits of lParam. Above 4 GB those bits alone
// point elsewhere.
TEST(Hook, AHelpRecordAbove4GBIsReadWhole)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    void* high = VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT | MEM_TOP_DOWN, PAGE_READWRITE);
    ASSERT_NE(high, nullptr);
    EXPECT_GT(reinterpret_cast<UINT_PTR>(high), 0xFFFFFFFFull);
    auto* info = static_cast<HELPINFO*>(high);
    SendWindowHelp(w, *info, w.pbStatus[0]->hWnd(), PanelPoint(*w.pbStatus[0], 1));
    EXPECT_EQ(ShownTopic(), fwMain::BuiltInHelpText(171));
    Runtime::CloseHelpPopup();
    VirtualFree(high, 0, MEM_RELEASE);
}

TEST(Hook, AHelpMessageWithoutARecordOnlyRestoresTheHelpFile)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    Runtime::App::SetHelpFile(L"");
    w.pbAux.WhatsThisHelpID = 151;
    SendMessageW(w.hWnd(), WM_HELP, 0, 0);
    EXPECT_EQ(Runtime::App::HelpFile(), w.HelpPath);
    EXPECT_EQ(w.pbAux.WhatsThisHelpID, 151);
    EXPECT_EQ(Runtime::HelpPopupWindow(), nullptr);
}

TEST(Hook, TheHelpFileIsEmptyWhileAMenuIsOpenAndTheProgramsOneAfterwards)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    EXPECT_NE(w.HelpPath, Runtime::App::HelpFile()); // the built-in one until a menu loop ends
    w.mEditCopy.SetHelpContextID(151);
    const struct {
        const char* what;
        WPARAM wParam;
        long helpId;
    } cases[] = {
        {"an item with a topic", MAKEWPARAM(w.mEditCopy.CommandId(), MF_HILITE), 151},
        {"an item without one", MAKEWPARAM(w.mEditCut.CommandId(), MF_HILITE), 0},
        {"a popup heading", MAKEWPARAM(0, MF_POPUP | MF_HILITE), 0},
        {"a system menu item", MAKEWPARAM(SC_CLOSE, MF_HILITE | MF_SYSMENU), 0},
        {"the menu closing", MAKEWPARAM(0, 0xFFFF), 0},
    };
    for (const auto& c : cases) {
        w.pbAux.WhatsThisHelpID = 99;
        SendMessageW(w.hWnd(), WM_MENUSELECT, c.wParam, 0);
        EXPECT_EQ(Runtime::App::HelpFile(), L"") << c.what;
        EXPECT_EQ(w.pbAux.WhatsThisHelpID, c.helpId) << c.what;
    }
    SendMessageW(w.hWnd(), WM_EXITMENULOOP, TRUE, 0);
    EXPECT_EQ(Runtime::App::HelpFile(), w.HelpPath);
}

TEST(Hook, TheWindowStartsAndWorksWithoutTheControl)
{
    const CLSID served = fwMain::HookClassId;
    // A class no server gives.
    fwMain::HookClassId = {0x0badc0de, 0x0001, 0x0002, {0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0a}};
    {
        LoadedMain window;
        fwMain::HookClassId = served;
        ASSERT_TRUE(window.Loaded());
        fwMain& w = *window;
        EXPECT_FALSE(w.ucLatchet.Created());
        EXPECT_TRUE(IsWindowVisible(w.hWnd()));
        // Moves are the window's own now; the table and the copy box work.
        const std::int32_t placedLeft = w.FormPlacement.Left;
        SetWindowPos(w.hWnd(), nullptr, 53, 57, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_EQ(w.FormPlacement.Left, placedLeft);
        w.tlCell_Click(17);
        EXPECT_EQ(w.CurrentCell, 17);
        ASSERT_TRUE(window.Unload());
        wchar_t left[16] = {};
        GetPrivateProfileStringW(L"fwMain_State", L"Left", L"", left, 16, window.Settings().c_str());
        EXPECT_STREQ(left, L"53");
    }
    fwMain::HookClassId = served;
}

// A press in What's This mode, where the user would press: sent to the
// window that holds the mouse.
void PressInMode(POINT screen)
{
    HWND capture = GetCapture();
    ASSERT_NE(capture, nullptr);
    POINT client = screen;
    ScreenToClient(capture, &client);
    SendMessageW(capture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
}

POINT CenterOf(HWND wnd)
{
    RECT r{};
    GetWindowRect(wnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST(Hook, WhatsThisModeEndsWithNoHelpOnARightPressAMouseTakenElsewhereOrTheWindowClosing)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    Runtime::EnterWhatsThisMode(w);
    ASSERT_TRUE(Runtime::InWhatsThisMode());
    SendMessageW(GetCapture(), WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_FALSE(Runtime::InWhatsThisMode());
    EXPECT_EQ(GetCapture(), nullptr);

    Runtime::EnterWhatsThisMode(w);
    SetCapture(w.bbCopy.hWnd());
    EXPECT_FALSE(Runtime::InWhatsThisMode());
    ReleaseCapture();
    LoadedMain::Pump();

    Runtime::EnterWhatsThisMode(w);
    HWND mode = GetCapture();
    ASSERT_NE(mode, nullptr);
    ASSERT_TRUE(window.Unload());
    LoadedMain::Pump();
    EXPECT_FALSE(Runtime::InWhatsThisMode());
    EXPECT_FALSE(IsWindow(mode));
    EXPECT_EQ(Runtime::HelpPopupWindow(), nullptr);
}

// The cases below press at places on the screen and open real menus: the
// window must be the one on top, with the keyboard.

// The whole window on the screen, on top.
void BringToFront(fwMain& w)
{
    SetWindowPos(w.hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(w.hWnd());
}

TEST(HookFocus, AClickInWhatsThisModeShowsTheTopicOfWhatIsClicked)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    BringToFront(w);
    const struct {
        const char* what;
        POINT at;
        long topic;
    } cases[] = {
        {"bbCopy", CenterOf(w.bbCopy.hWnd()), 162},
        {"the Hex panel", PanelPoint(*w.pbStatus[0], 1), 171},
        {"a key panel", PanelPoint(*w.pbStatus[1], 4), 176},
        {"tbCopy", CenterOf(w.tbCopy.hWnd()), 151},
    };
    for (const auto& c : cases) {
        // Into the mode through the title bar's help area.
        Press(w, HTCAPTION, AreaTopLeft(w));
        Move(w, HTCAPTION, AreaTopLeft(w));
        ASSERT_TRUE(Runtime::InWhatsThisMode()) << c.what;
        PressInMode(c.at);
        EXPECT_FALSE(Runtime::InWhatsThisMode()) << c.what;
        EXPECT_EQ(ShownTopic(), fwMain::BuiltInHelpText(c.topic)) << c.what;
        EXPECT_EQ(w.pbStatus[0]->WhatsThisHelpID, 0) << c.what;
        EXPECT_EQ(w.pbStatus[1]->WhatsThisHelpID, 0) << c.what;
        Runtime::CloseHelpPopup();
    }
    // A press outside the window ends the mode with no help.
    Runtime::EnterWhatsThisMode(w);
    RECT r = WindowRect(w);
    PressInMode({r.right + 40, r.bottom + 40});
    EXPECT_FALSE(Runtime::InWhatsThisMode());
    EXPECT_EQ(Runtime::HelpPopupWindow(), nullptr);
}

// The user's own mouse: moves, presses and releases as the system's input.
void MouseInput(POINT at, DWORD buttons)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    SendInput(1, &input, sizeof input);
}

// Handles this thread's messages until `done` holds, for at most 5 s.
bool PumpUntil(const std::function<bool()>& done)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > 5000) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        LoadedMain::Pump();
    }
    return true;
}

TEST(HookFocus, AClickOnTheHelpAreaThenAMoveThenAClickOnAControlShowsItsTopic)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    BringToFront(w);
    const POINT a = AreaTopLeft(w), b = AreaBottomRight(w);
    const POINT on{(a.x + b.x) / 2, (a.y + b.y) / 2};
    MouseInput(on, 0);
    MouseInput(on, MOUSEEVENTF_LEFTDOWN);
    MouseInput(on, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return w.CaptionButtonArmed; }));
    MouseInput({on.x + 1, on.y}, 0);
    ASSERT_TRUE(PumpUntil([] { return Runtime::InWhatsThisMode(); }));
    EXPECT_FALSE(w.CaptionButtonArmed);
    // The press reached the window too: it still sits where it was.
    EXPECT_EQ(WindowRect(w).left, 0);

    const POINT button = CenterOf(w.bbCopy.hWnd());
    MouseInput(button, 0);
    MouseInput(button, MOUSEEVENTF_LEFTDOWN);
    MouseInput(button, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([] { return Runtime::HelpPopupWindow() != nullptr; }));
    EXPECT_FALSE(Runtime::InWhatsThisMode());
    EXPECT_EQ(ShownTopic(), fwMain::BuiltInHelpText(162));
    Runtime::CloseHelpPopup();
}

bool g_menuLeftOpen = false;

void CALLBACK CloseMenuLeftOpen(HWND, UINT, UINT_PTR, DWORD)
{
    g_menuLeftOpen = true;
    EndMenu();
}

TEST(HookFocus, F1OnAHighlightedMenuItemClosesTheMenuAndShowsItsTopic)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    fwMain& w = *window;
    bool chosen = false;
    w.mHelpWhatsThis.Click = [&chosen] { chosen = true; };
    for (long topic : {164L, 0L}) {
        w.mHelpWhatsThis.SetHelpContextID(topic);
        // Waiting for the menu: the first item highlighted, then F1.
        PostMessageW(w.hWnd(), WM_KEYDOWN, VK_DOWN, 1);
        PostMessageW(w.hWnd(), WM_KEYDOWN, VK_F1, 1);
        g_menuLeftOpen = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 5000, &CloseMenuLeftOpen);
        Runtime::PopupMenu(w, w.mHelp);
        KillTimer(nullptr, timer);
        EXPECT_FALSE(g_menuLeftOpen) << topic;
        EXPECT_FALSE(chosen) << topic;
        EXPECT_EQ(ShownTopic(), topic ? fwMain::BuiltInHelpText(topic) : L"(none)") << topic;
        EXPECT_EQ(w.pbAux.WhatsThisHelpID, 0) << topic;
        EXPECT_EQ(Runtime::App::HelpFile(), w.HelpPath) << topic;
        Runtime::CloseHelpPopup();
    }
}

} // namespace
