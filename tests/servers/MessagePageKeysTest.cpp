// The Message page's list keys and its check boxes: the keys sent to the
// real list window with their shift state, the clipboard read back (under
// the machine-wide clipboard lock), the count, the checks and the page's
// changed state read from the page.
#include "tests/servers/PageFixture.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <utility>

#include "tests/chardata/ClipboardFixture.h"
#include "tests/support/CursorAnswer.h"

namespace {

using namespace TestSupport;

constexpr int kShift = 1, kCtrl = 2;

// The item texts are ASCII: their bytes on the clipboard.
std::string Ansi(const std::wstring& text, bool lower = false)
{
    std::string bytes;
    for (wchar_t c : text) bytes += static_cast<char>(lower ? towlower(c) : c);
    return bytes;
}

class MessagePageKeys : public PageFixture {
protected:
    // WM_HELP (83) and WM_MOVE (3) checked at the top, every other row
    // unchecked below them.
    void SetUp() override
    {
        PageFixture::SetUp();
        Put(L"Messages", TextArg(L"83 3"));
        OpenPage(kMessagePageId);
        list = ChildOf(pageWindow, L"ListBox");
        count = ChildOf(pageWindow, L"Static");
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(WindowText(count), L"(2)");
    }
    int Current() const { return static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0)); }
    void SetCurrent(int index) { SendMessageW(list, LB_SETCARETINDEX, index, FALSE); }
    bool Checked(int index) const { return SendMessageW(list, LB_GETSEL, index, 0) > 0; }
    int CheckedCount() const { return static_cast<int>(SendMessageW(list, LB_GETSELCOUNT, 0, 0)); }
    void Key(int key, int shift) { SendKey(list, WM_KEYDOWN, key, shift); }
    // Each key, pressed on row 40, leaves the current row, the checks and
    // the page's changed state as they were.
    void ExpectKeysLeaveTheList(std::initializer_list<std::pair<int, int>> keys)
    {
        for (auto [key, shift] : keys) {
            SCOPED_TRACE(key);
            SetCurrent(40);
            Key(key, shift);
            EXPECT_EQ(Current(), 40);
            EXPECT_EQ(CheckedCount(), 2);
            EXPECT_EQ(page->IsPageDirty(), S_FALSE);
        }
    }

    HWND list = nullptr;
    HWND count = nullptr;
};

TEST_F(MessagePageKeys, MovingKeysGoToTheNearestCheckedItemAndCheckNothing)
{
    struct Case {
        const char* name;
        int from, key, shift, to;
    } cases[] = {
        {"F7 from below the checks", 40, VK_F7, 0, 1},
        {"F7 from the second check", 1, VK_F7, 0, 0},
        {"F7 with none above", 0, VK_F7, 0, 0},
        {"F8 from the first check", 0, VK_F8, 0, 1},
        {"F8 with none below", 1, VK_F8, 0, 1},
        {"Ctrl+F7 is no command", 40, VK_F7, kCtrl, 40},
        {"Ctrl+X makes the first item current", 40, 'X', kCtrl, 0},
    };
    FormsTest::ClipboardLock lock; // Ctrl+X copies
    ASSERT_TRUE(lock.Held());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetCurrent(c.from);
        Key(c.key, c.shift);
        EXPECT_EQ(Current(), c.to);
        EXPECT_EQ(CheckedCount(), 2);
        EXPECT_EQ(page->IsPageDirty(), S_FALSE);
    }
}

TEST_F(MessagePageKeys, DeleteUnchecksTheCurrentItemAsTheUsersCheckDoes)
{
    struct Case {
        const char* name;
        int current, shift;
        const wchar_t* count;
        bool dirty;
    } cases[] = {
        {"Shift+Delete is no command", 0, kShift, L"(2)", false},
        {"an unchecked item stays so", 5, 0, L"(2)", false},
        {"WM_HELP unchecked", 0, 0, L"(1)", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetCurrent(c.current);
        Key(VK_DELETE, c.shift);
        EXPECT_EQ(WindowText(count), c.count);
        EXPECT_EQ(page->IsPageDirty(), c.dirty ? S_OK : S_FALSE);
    }
    EXPECT_FALSE(Checked(0));
    ASSERT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(Text(L"Messages"), L"3");
}

TEST_F(MessagePageKeys, CheckAllAndUncheckAllShowTheHourglassAndCountEveryNumberOnce)
{
    // The label's text changes while the hourglass is up: the list answers
    // the mouse with the page's hourglass then, with its arrow afterwards.
    static HCURSOR seen = nullptr;
    auto watch = [](HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR list) -> LRESULT {
        if (msg == WM_SETTEXT) seen = CursorAnswer(reinterpret_cast<HWND>(list));
        return DefSubclassProc(wnd, msg, wParam, lParam);
    };
    SetWindowSubclass(count, watch, 1, reinterpret_cast<DWORD_PTR>(list));
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW), wait = LoadCursorW(nullptr, IDC_WAIT);

    int items = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    std::set<long> values;
    for (int i = 0; i < items; ++i) values.insert(static_cast<long>(SendMessageW(list, LB_GETITEMDATA, i, 0)));
    Key('A', kCtrl);
    EXPECT_EQ(CheckedCount(), items);
    EXPECT_EQ(WindowText(count), L"(" + std::to_wstring(values.size()) + L")");
    EXPECT_EQ(seen, wait);
    EXPECT_EQ(CursorAnswer(list), arrow);
    EXPECT_EQ(page->IsPageDirty(), S_OK);
    ASSERT_EQ(page->Apply(), S_OK);
    std::wstring applied = Text(L"Messages");
    EXPECT_EQ(static_cast<std::size_t>(std::count(applied.begin(), applied.end(), L' ')) + 1, values.size());

    seen = nullptr;
    Key('U', kCtrl);
    EXPECT_EQ(CheckedCount(), 0);
    EXPECT_EQ(WindowText(count), L"(0)");
    EXPECT_EQ(seen, wait);
    EXPECT_EQ(CursorAnswer(list), arrow);
    ASSERT_EQ(page->Apply(), S_OK);
    EXPECT_EQ(Text(L"Messages"), L"");

    Key('U', kCtrl | kShift); // no command: nothing changes
    EXPECT_EQ(page->IsPageDirty(), S_FALSE);
    RemoveWindowSubclass(count, watch, 1);
}

TEST_F(MessagePageKeys, CopyAndCutPutTheCurrentItemsTextBesideWhatTheClipboardHolds)
{
    FormsTest::ClipboardLock lock;
    ASSERT_TRUE(lock.Held());
    const UINT mark = RegisterClipboardFormatW(L"Orlenta.Tests.Mark");
    struct Case {
        const char* name;
        int key, shift, current;
    } cases[] = {
        {"Ctrl+C", 'C', kCtrl, 1}, {"Ctrl+Insert", VK_INSERT, kCtrl, 1}, {"Ctrl+X", 'X', kCtrl, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Runtime::Clipboard::Clear();
        Runtime::Clipboard::SetText("kept", static_cast<long>(mark));
        SetCurrent(1);
        Key(c.key, c.shift);
        EXPECT_EQ(Runtime::Clipboard::GetText(), Ansi(ListText(list, 1)));
        EXPECT_EQ(Runtime::Clipboard::GetText(static_cast<long>(mark)), "kept");
        EXPECT_EQ(Current(), c.current);
        EXPECT_EQ(CheckedCount(), 2);
    }
    // Ctrl+C with Shift as well is no command.
    Runtime::Clipboard::Clear();
    Key('C', kCtrl | kShift);
    EXPECT_FALSE(Runtime::Clipboard::GetFormat(Runtime::Clipboard::FormatText));
}

TEST_F(MessagePageKeys, PasteMakesTheItemOfTheClipboardsTextCurrent)
{
    FormsTest::ClipboardLock lock;
    ASSERT_TRUE(lock.Held());
    int size = FindItem(list, L"WM_SIZE");
    ASSERT_GT(size, 1);
    std::string sizeText = Ansi(ListText(list, size));
    struct Case {
        const char* name;
        std::string clipboard;
        int key, shift, to;
    } cases[] = {
        {"Ctrl+V finds the item", sizeText, 'V', kCtrl, size},
        {"Shift+Insert ignores letter case", Ansi(ListText(list, 1), true), VK_INSERT, kShift, 1},
        {"a text no item has leaves the current item", "WM_NO_SUCH", 'V', kCtrl, 40},
        {"only a whole item's text matches", "WM_SIZE", 'V', kCtrl, 40},
        {"an empty clipboard finds nothing", "", 'V', kCtrl, 40},
        {"Ctrl+Shift+V is no command", sizeText, 'V', kCtrl | kShift, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Runtime::Clipboard::Clear();
        if (!c.clipboard.empty()) Runtime::Clipboard::SetText(c.clipboard);
        SetCurrent(40);
        Key(c.key, c.shift);
        EXPECT_EQ(Current(), c.to);
        EXPECT_EQ(CheckedCount(), 2);
        EXPECT_EQ(page->IsPageDirty(), S_FALSE);
    }
}

TEST_F(MessagePageKeys, AClipboardAnotherProgramHoldsLeavesTheListAsItWas)
{
    FormsTest::ClipboardLock lock;
    ASSERT_TRUE(lock.Held());
    Runtime::Clipboard::Clear();
    Runtime::Clipboard::SetText("kept");
    FormsTest::ClipboardHolder holder(20000);
    ASSERT_TRUE(holder.Held());
    ExpectKeysLeaveTheList({{'C', kCtrl}, {'X', kCtrl}, {'V', kCtrl}, {VK_INSERT, kShift}});
    holder.Release();
    EXPECT_EQ(Runtime::Clipboard::GetText(), "kept");
}

TEST_F(MessagePageKeys, ACopyTheSystemRefusesLeavesTheListAsItWas)
{
    RefusedServerClipboard clipboard;
    ASSERT_TRUE(clipboard.Ready());
    // Ctrl+X copies nothing, and so does not move on.
    ExpectKeysLeaveTheList({{'C', kCtrl}, {VK_INSERT, kCtrl}, {'X', kCtrl}});
    EXPECT_EQ(Runtime::Clipboard::GetText(), "kept");
}

} // namespace
