// The window's own keys, posted to the focused control and handled through
// the message loop as the user's keys are (the form sees them first, then
// the access keys, then the control): F1, F3, Alt+digit. They need the
// keyboard focus.
#include "tests/mainwin/LoadedMain.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/Geometry.h"
#include "runtime/HelpPopup.h"

namespace {

using MainWinTest::LoadedMain;

const char kAllBlocks[] = "[fwMain]\r\nchRange=1\r\n";

// Posts a key to the focused window with Alt held or not, as the keyboard
// state reports it, and handles the messages it brings; the keyboard state
// is put back afterwards.
void PostKey(int virtualKey, bool alt = false)
{
    BYTE saved[256] = {}, keys[256] = {};
    GetKeyboardState(saved);
    std::copy(std::begin(saved), std::end(saved), keys);
    keys[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(keys);
    HWND focus = GetFocus();
    PostMessageW(focus, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, alt ? 1 | (1 << 29) : 1);
    PostMessageW(focus, alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey, (alt ? 1 << 29 : 0) | 0xC0000001);
    LoadedMain::Pump();
    SetKeyboardState(saved);
}

TEST(KeysFocus, AltAndATopRowDigitChoosesThatOutputForm)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    window->tbCopy.SetFocus();
    for (int digit : {9, 0, 5, 1, 8, 3}) {
        PostKey('0' + digit, true);
        EXPECT_EQ(window->CopyFormat, digit) << "Alt+" << digit;
        EXPECT_TRUE(window->obFormat[digit]->HasFocus()) << "Alt+" << digit;
    }
    // Keypad digits, digits without Alt and disabled options are left alone.
    window->tbCopy.SetFocus();
    PostKey(VK_NUMPAD4, true);
    EXPECT_EQ(window->CopyFormat, 3);
    PostKey('4');
    EXPECT_EQ(window->CopyFormat, 3);
    window->obFormat[7]->SetEnabled(false);
    PostKey('7', true);
    EXPECT_EQ(window->CopyFormat, 3);
    EXPECT_TRUE(window->tbCopy.HasFocus());
    // The access keys still work beside them.
    PostKey('R', true); // "&Reset"
    EXPECT_TRUE(window->bbReset.HasFocus());
}

// In the compact mode the output options are hidden with their frame: they
// cannot take the focus, so Alt+digit leaves the form and the focus alone,
// and acts again once the window is expanded.
TEST(KeysFocus, AltAndADigitLeaveTheHiddenOutputFormsAlone)
{
    LoadedMain window("[fwMain]\r\nchMode=0\r\nobFormat=2\r\n");
    ASSERT_TRUE(window.Loaded());
    ASSERT_EQ(window->CopyFormat, 2);
    ASSERT_FALSE(IsWindowVisible(window->obFormat[5]->hWnd()));
    window->tbCopy.SetFocus();
    for (int digit : {0, 5, 9}) {
        PostKey('0' + digit, true);
        EXPECT_EQ(window->CopyFormat, 2) << "Alt+" << digit;
        EXPECT_TRUE(window->obFormat[2]->Value()) << "Alt+" << digit;
        EXPECT_FALSE(window->obFormat[digit]->Value()) << "Alt+" << digit;
        EXPECT_TRUE(window->tbCopy.HasFocus()) << "Alt+" << digit;
    }
    window->chMode.SetValue(1);
    ASSERT_TRUE(IsWindowVisible(window->obFormat[5]->hWnd()));
    PostKey('5', true);
    EXPECT_EQ(window->CopyFormat, 5);
    EXPECT_TRUE(window->obFormat[5]->HasFocus());
}

TEST(KeysFocus, F1ShowsTheFocusedControlsTopicAtItsCorner)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    window->tbCopy.SetFocus();
    PostKey(VK_F1);
    HWND popup = Runtime::HelpPopupWindow();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(Runtime::WindowText(popup), fwMain::BuiltInHelpText(151));
    POINT pointer{};
    GetCursorPos(&pointer);
    EXPECT_EQ(pointer.x, std::lround(Common::ControlLeft(window->tbCopy) / double(Runtime::TwipsPerPixelX())));
    EXPECT_EQ(pointer.y, std::lround(Common::ControlTop(window->tbCopy) / double(Runtime::TwipsPerPixelY())));
    // The next key closes it, and still reaches the box.
    PostKey(VK_END);
    EXPECT_EQ(Runtime::HelpPopupWindow(), nullptr);
    EXPECT_FALSE(IsWindow(popup));

    // A control without a topic shows nothing.
    window->tbCopy.WhatsThisHelpID = 0;
    PostKey(VK_F1);
    EXPECT_EQ(Runtime::HelpPopupWindow(), nullptr);

    // The table's cells share one topic.
    window->pbTable.SetFocus();
    PostKey(VK_F1);
    ASSERT_NE(Runtime::HelpPopupWindow(), nullptr);
    EXPECT_EQ(Runtime::WindowText(Runtime::HelpPopupWindow()), fwMain::BuiltInHelpText(105));
    Runtime::CloseHelpPopup();
}

TEST(KeysFocus, F3FindsTheNextMatchOnlyOnceASearchFoundOne)
{
    LoadedMain window(kAllBlocks);
    ASSERT_TRUE(window.Loaded());
    window->tbCopy.SetFocus();
    window->cbSearch.SetText(L"dotless j");
    PostKey(VK_F3);
    EXPECT_EQ(window->SearchCursor, 0) << "no search has found anything yet";
    EXPECT_EQ(window->GoToCode, 0);

    window->bbSearch_Click();
    ASSERT_EQ(window->GoToCode, 0x0237);
    window->tbCopy.SetFocus();
    PostKey(VK_F3);
    EXPECT_EQ(window->GoToCode, 0x025F);
    PostKey(VK_F3);
    EXPECT_EQ(window->GoToCode, 0x0284);
}

} // namespace
