// The copy row of the real program, driven from outside as a user would:
// characters typed into the copy box, an output form chosen, Copy clicked,
// and the clipboard read back; the chosen form is there at the next start.
#include "tests/mainwin/ProgramRun.h"

#include <gtest/gtest.h>

#include "runtime/Clipboard.h"
#include "tests/chardata/ClipboardFixture.h"

namespace {

using namespace MainWinTest;
namespace Clipboard = Runtime::Clipboard;

// The copy box stands just before the Copy button among its siblings.
HWND CopyBox(HWND copyButton)
{
    HWND box = GetWindow(copyButton, GW_HWNDPREV);
    wchar_t name[32] = {};
    GetClassNameW(box, name, 32);
    return _wcsicmp(name, L"Edit") == 0 ? box : nullptr;
}

void Click(HWND button)
{
    SendMessageW(button, BM_CLICK, 0, 0);
}

TEST(CopyProgram, TypedCharactersAreCopiedInTheChosenFormAndTheFormIsKept)
{
    FormsTest::ClipboardLock lock;
    ASSERT_TRUE(lock.Held());
    ProgramRun run;
    WriteIni(run.Settings(), L"fwMain", L"obFormat", L"6");
    HWND wnd = run.Start();
    ASSERT_NE(wnd, nullptr) << "no main window";
    HWND copy = FindChild(wnd, L"&Copy", L"Button");
    ASSERT_NE(copy, nullptr);
    HWND box = CopyBox(copy);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(IsWindowEnabled(copy)) << "nothing to copy yet";

    for (wchar_t c : std::wstring(L"A\u0411")) SendMessageW(box, WM_CHAR, c, 1);
    EXPECT_TRUE(IsWindowEnabled(copy));
    Clipboard::Clear();
    Click(copy);
    EXPECT_EQ(Clipboard::GetText(Clipboard::FormatText), "&#x0041;&#x0411;");

    HWND picture = FindChild(wnd, L"Picture (BMP)", L"Button");
    ASSERT_NE(picture, nullptr);
    Click(picture);
    Clipboard::Clear();
    Click(copy);
    Runtime::ScopedBitmap bitmap = Clipboard::GetData();
    ASSERT_NE(bitmap.Get(), nullptr) << "no picture copied";
    BITMAP info{};
    GetObjectW(bitmap.Get(), sizeof info, &info);
    EXPECT_GT(info.bmWidth, 0);
    EXPECT_GT(info.bmHeight, 0);

    EXPECT_EQ(run.Close(wnd), 0);
    EXPECT_EQ(ReadIni(run.Settings(), L"fwMain", L"obFormat"), L"10");
}

} // namespace
