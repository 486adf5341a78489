// The Character Map stand-in can be found on the search path and driven the
// way a program drives the system one: its "&Font :" label is followed by
// the font combo box, which selects a font by name.
#include "tests/support/Process.h"

#include <gtest/gtest.h>

namespace {

std::wstring ClassOf(HWND wnd)
{
    wchar_t name[256] = {};
    GetClassNameW(wnd, name, 256);
    return name;
}

std::wstring TextOf(HWND wnd)
{
    wchar_t text[256] = {};
    GetWindowTextW(wnd, text, 256);
    return text;
}

TEST(CharMapStandIn, IsFoundAndSelectsAFontThroughItsComboBox)
{
    wchar_t path[MAX_PATH] = {};
    ASSERT_NE(SearchPathW(nullptr, L"charmap.exe", nullptr, MAX_PATH, path, nullptr), 0u)
        << "charmap.exe is not on the search path";

    TestSupport::ChildProcess charmap;
    ASSERT_TRUE(charmap.Start(path));
    HWND wnd = charmap.WaitForWindow(L"");
    ASSERT_NE(wnd, nullptr);
    EXPECT_EQ(TextOf(wnd), L"Character Map");
    EXPECT_EQ(FindWindowW(nullptr, L"Character Map"), wnd);

    HWND label = nullptr;
    for (HWND child = GetWindow(wnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (_wcsicmp(ClassOf(child).c_str(), L"Static") == 0 && TextOf(child) == L"&Font :") label = child;
    ASSERT_NE(label, nullptr) << "no \"&Font :\" label";
    HWND combo = GetWindow(label, GW_HWNDNEXT);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(_wcsicmp(ClassOf(combo).c_str(), L"ComboBox"), 0);
    EXPECT_GT(SendMessageW(combo, CB_GETCOUNT, 0, 0), 1);

    LRESULT index = SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>("Tahoma"));
    ASSERT_NE(index, CB_ERR);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), index);
    EXPECT_EQ(SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("No Such Font 123")), CB_ERR);

    PostMessageW(wnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(charmap.WaitForExit(), 0);
}

} // namespace
