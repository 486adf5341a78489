// Combo boxes in real windows (common controls version 6, as the program
// has them): program changes and the user's raise Click and Change once per
// change, rows keep their columns and data, the drop-down shows ListRows
// rows, and the edit part's keys reach the box's key events once.
#include "runtime/ComboBox.h"
#include "runtime/CommonControls.h"
#include "runtime/ErrorReport.h"
#include "runtime/Form.h"
#include "runtime/Pump.h"
#include "runtime/TextBox.h"
#include "tests/support/Screenshot.h"

#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace Runtime;

class ComboForm : public Form {
public:
    ComboForm() : Form(L"fwCombo") {}

    ComboBox cbPlain{this, nullptr, L"cbPlain"};
    ComboBox cbList{this, nullptr, L"cbList"};
    ComboBox cbCharSet{this, nullptr, L"cbCharSet"};
    TextBox tbOther{this, nullptr, L"tbOther"};

protected:
    void CreateControls() override
    {
        Move(80, 80, 420, 260);
        cbPlain.Create(8, 8, 180, ComboBox::StyleDropDown);
        cbList.Create(8, 40, 180, ComboBox::StyleDropDownList);
        cbCharSet.SetColumnCount(3);
        cbCharSet.Create(8, 72, 220, ComboBox::StyleDropDownList);
        tbOther.Create(240, 8, 150, 22);
    }
};

// The program's code-page rows: name, code page, character set.
struct CodePageRow {
    const wchar_t* name;
    int codePage;
    int charset;
};
const CodePageRow kCodePages[] = {
    {L"Thai (Windows)", 874, 222},         {L"Japanese (Windows)", 932, 128},
    {L"Korean (Windows)", 949, 129},       {L"Korean Johab (Windows)", 1361, 130},
    {L"Chinese Simplified (Windows)", 936, 134}, {L"Chinese Traditional (Windows)", 950, 136},
    {L"Central European (Windows)", 1250, 238},  {L"Cyrillic (Windows)", 1251, 204},
    {L"Western European (Windows)", 1252, 0},    {L"Greek (Windows)", 1253, 161},
    {L"Turkish (Windows)", 1254, 162},     {L"Hebrew (Windows)", 1255, 177},
    {L"Arabic (Windows)", 1256, 178},      {L"Baltic (Windows)", 1257, 186},
    {L"Vietnamese (Windows)", 1258, 163},  {L"Symbol", 42, 2},
};

using TestSupport::ErrorOf;

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(v6_.Active());
        old_ = SetErrorReporter([this](int number, const std::string&) { reported_.push_back(number); });
        ASSERT_TRUE(form_.Load());
        form_.Show();
        for (ComboBox* c : {&form_.cbPlain, &form_.cbList}) {
            for (const wchar_t* s : {L"Arial", L"Tahoma", L"Courier New"}) c->AddItem(s);
            c->Click = [this, c] { ++clicks_[c]; };
            c->Change = [this, c] { ++changes_[c]; };
        }
    }
    void TearDown() override
    {
        form_.Unload();
        DoEvents();
        MSG msg;
        PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE); // posted when the last form went
        SetErrorReporter(old_);
        EXPECT_TRUE(reported_.empty());
    }

    void Key(HWND wnd, UINT key)
    {
        SendMessageW(wnd, WM_KEYDOWN, key, 1);
        SendMessageW(wnd, WM_KEYUP, key, 0xC0000001);
    }

    ScopedCommonControls6 v6_;
    ComboForm form_;
    ErrorReporter old_;
    std::vector<int> reported_;
    std::map<ComboBox*, int> clicks_, changes_;
};

TEST_F(ComboBoxTest, ClickOncePerChangeOfTheCurrentRow)
{
    ComboBox& list = form_.cbList;
    ComboBox& plain = form_.cbPlain;
    struct Case {
        const char* what;
        ComboBox* box;
        std::function<void()> act;
        int clicks;
        int index;
    };
    const Case cases[] = {
        {"program selects row 1", &list, [&] { list.SetListIndex(1); }, 1, 1},
        {"program selects row 1 again", &list, [&] { list.SetListIndex(1); }, 0, 1},
        {"program clears the selection", &list, [&] { list.SetListIndex(-1); }, 1, -1},
        {"program selects row 0", &list, [&] { list.SetListIndex(0); }, 1, 0},
        {"user presses Down", &list, [&] { Key(list.hWnd(), VK_DOWN); }, 1, 1},
        {"user presses Down again", &list, [&] { Key(list.hWnd(), VK_DOWN); }, 1, 2},
        {"user presses Up at the top after Home", &list,
         [&] { Key(list.hWnd(), VK_HOME); Key(list.hWnd(), VK_UP); }, 1, 0},
        {"user chooses in the dropped list", &list,
         [&] { list.SetDroppedDown(true); Key(list.hWnd(), VK_DOWN); Key(list.hWnd(), VK_DOWN);
               Key(list.hWnd(), VK_RETURN); }, 2, 2},
        {"program sets a row's text", &list, [&] { list.SetText(L"Arial"); }, 1, 0},
        {"program sets the text it has", &list, [&] { list.SetText(L"Arial"); }, 0, 0},
        {"user presses Down in the edit part", &plain,
         [&] { plain.SetListIndex(0); Key(plain.EditWindow(), VK_DOWN); }, 2, 1},
        {"program selects in the edit combo", &plain, [&] { plain.SetListIndex(2); }, 1, 2},
    };
    for (const Case& c : cases) {
        int before = clicks_[c.box], changes = changes_[c.box];
        c.act();
        DoEvents();
        EXPECT_EQ(clicks_[c.box] - before, c.clicks) << c.what;
        EXPECT_EQ(c.box->ListIndex(), c.index) << c.what;
        if (c.index >= 0) {
            EXPECT_EQ(c.box->Text(), c.box->List(c.index)) << c.what;
        }
        EXPECT_EQ(changes_[c.box], changes) << c.what << ": choosing a row raises no Change";
        EXPECT_FALSE(c.box->DroppedDown()) << c.what;
    }
    EXPECT_EQ(ErrorOf([&] { list.SetText(L"Verdana"); }), 383);
    EXPECT_EQ(ErrorOf([&] { list.SetListIndex(3); }), ErrInvalidProperty);
    EXPECT_EQ(list.ListIndex(), 0);
}

TEST_F(ComboBoxTest, ChangeOncePerChangeOfTheEditText)
{
    ComboBox& box = form_.cbPlain;
    struct Case {
        const char* what;
        std::function<void()> act;
        int changes;
        const wchar_t* text;
    };
    const Case cases[] = {
        {"program sets a text", [&] { box.SetText(L"\x0416x"); }, 1, L"\x0416x"},
        {"program sets the same text", [&] { box.SetText(L"\x0416x"); }, 0, L"\x0416x"},
        {"user types a character at the end",
         [&] { box.SetSelStart(2); SendMessageW(box.EditWindow(), WM_CHAR, L'y', 1); }, 1, L"\x0416xy"},
        {"user deletes with Backspace", [&] { SendMessageW(box.EditWindow(), WM_CHAR, VK_BACK, 1); }, 1,
         L"\x0416x"},
        {"program empties the text", [&] { box.SetText(L""); }, 1, L""},
        {"clearing the list keeps the text", [&] { box.SetText(L"keep"); box.Clear(); }, 1, L"keep"},
    };
    for (const Case& c : cases) {
        int before = changes_[&box];
        c.act();
        EXPECT_EQ(changes_[&box] - before, c.changes) << c.what;
        EXPECT_EQ(box.Text(), c.text) << c.what;
    }
    EXPECT_EQ(box.ListCount(), 0);
    EXPECT_EQ(clicks_[&box], 0);

    box.SetText(L"abcdef");
    box.SetSelStart(2);
    box.SetSelLength(3);
    EXPECT_EQ(box.SelStart(), 2);
    EXPECT_EQ(box.SelLength(), 3);
    EXPECT_EQ(ErrorOf([&] { box.SetSelStart(-1); }), ErrInvalidProperty);
}

TEST_F(ComboBoxTest, EditPartKeysReachTheKeyEventsOnce)
{
    ComboBox& box = form_.cbPlain;
    std::vector<int> downs, presses, ups;
    box.KeyDown = [&](int& key, int) {
        downs.push_back(key);
        if (key == 'Q') key = 0; // swallowed
    };
    box.KeyUp = [&](int& key, int) { ups.push_back(key); };
    box.KeyPress = [&](int& ascii) {
        presses.push_back(ascii);
        if (ascii == 'q') ascii = 0;     // swallowed
        if (ascii == 'a') ascii = 'b';   // replaced
    };
    box.SetText(L"");
    HWND edit = box.EditWindow();
    ASSERT_NE(edit, nullptr);
    struct Case {
        const char* what;
        UINT msg;
        WPARAM key;
        size_t downs, presses, ups;
        const wchar_t* text;
    };
    const Case cases[] = {
        {"a typed character", WM_CHAR, 'x', 0, 1, 0, L"x"},
        {"a replaced character", WM_CHAR, 'a', 0, 1, 0, L"xb"},
        {"a swallowed character", WM_CHAR, 'q', 0, 1, 0, L"xb"},
        {"Down, which the edit part passes to the box", WM_KEYDOWN, VK_DOWN, 1, 0, 0, nullptr},
        {"a key down", WM_KEYDOWN, 'Q', 1, 0, 0, nullptr},
        {"a key up", WM_KEYUP, VK_DOWN, 0, 0, 1, nullptr},
    };
    for (const Case& c : cases) {
        size_t d = downs.size(), p = presses.size(), u = ups.size();
        SendMessageW(edit, c.msg, c.key, c.msg == WM_KEYUP ? 0xC0000001 : 1);
        EXPECT_EQ(downs.size() - d, c.downs) << c.what;
        EXPECT_EQ(presses.size() - p, c.presses) << c.what;
        EXPECT_EQ(ups.size() - u, c.ups) << c.what;
        if (c.text) {
            EXPECT_EQ(box.Text(), c.text) << c.what;
        }
    }

    // A drop-down list has no edit part: its own window raises the events.
    int listDowns = 0;
    form_.cbList.KeyDown = [&](int& key, int) {
        ++listDowns;
        key = 0; // swallowing Down keeps the row
    };
    Key(form_.cbList.hWnd(), VK_DOWN);
    EXPECT_EQ(listDowns, 1);
    EXPECT_EQ(form_.cbList.ListIndex(), -1);
    EXPECT_EQ(form_.cbList.EditWindow(), nullptr);
}

TEST_F(ComboBoxTest, RowsKeepTheirDataAndBadPositionsAreRefused)
{
    ComboBox& box = form_.cbList;
    for (int i = 0; i < box.ListCount(); ++i) box.SetItemData(i, 100 + i);
    box.AddItem(L"First", 0);
    EXPECT_EQ(box.NewIndex(), 0);
    box.SetListIndex(2); // Tahoma
    box.RemoveItem(1);   // Arial
    EXPECT_EQ(box.NewIndex(), -1);
    box.AddItem(L"Last");
    EXPECT_EQ(box.NewIndex(), 3);

    struct Row {
        const wchar_t* text;
        long data;
    };
    const Row expected[] = {{L"First", 0}, {L"Tahoma", 101}, {L"Courier New", 102}, {L"Last", 0}};
    ASSERT_EQ(box.ListCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(box.List(i), expected[i].text) << "row " << i;
        EXPECT_EQ(box.ItemData(i), expected[i].data) << "row " << i;
        wchar_t shown[64] = {};
        SendMessageW(box.hWnd(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(shown));
        EXPECT_STREQ(shown, expected[i].text) << "the window's row " << i;
    }
    EXPECT_EQ(box.ListIndex(), 1) << "the current row follows its row";
    EXPECT_EQ(box.Text(), L"Tahoma");

    struct Bad {
        const char* what;
        std::function<void()> act;
        int error;
    };
    const Bad bad[] = {
        {"AddItem past the end", [&] { box.AddItem(L"x", 5); }, ErrInvalidCall},
        {"AddItem before -1", [&] { box.AddItem(L"x", -2); }, ErrInvalidCall},
        {"RemoveItem -1", [&] { box.RemoveItem(-1); }, ErrInvalidCall},
        {"RemoveItem past the end", [&] { box.RemoveItem(4); }, ErrInvalidCall},
        {"ListIndex past the end", [&] { box.SetListIndex(4); }, ErrInvalidProperty},
        {"ItemData past the end", [&] { box.ItemData(4); }, 381},
        {"SetItemData of -1", [&] { box.SetItemData(-1, 1); }, 381},
        {"a column past the last", [&] { box.SetList(0, ComboBox::MaxColumns, L"x"); }, 381},
        {"no columns", [&] { box.SetColumnCount(0); }, ErrInvalidProperty},
        {"column widths that are no numbers", [&] { box.SetColumnWidths(L"wide;narrow"); }, ErrInvalidProperty},
        {"ListRows 0", [&] { box.SetListRows(0); }, ErrInvalidProperty},
    };
    for (const Bad& b : bad) EXPECT_EQ(ErrorOf(b.act), b.error) << b.what;
    EXPECT_EQ(box.ListCount(), 4) << "a refused call changes nothing";
    EXPECT_EQ(box.List(-1), L"");
    EXPECT_EQ(box.List(4), L"");
    EXPECT_EQ(box.ListIndex(), 1);
}

TEST_F(ComboBoxTest, ColumnRowsHoldTheirCellsAndDropListRows)
{
    ComboBox& box = form_.cbCharSet;
    int drops = 0;
    box.DropDown = [&] {
        ++drops;
        box.SetDropWidth(320); // as the program fits the width on DropDown
    };
    for (const CodePageRow& r : kCodePages) {
        box.AddItem(r.name);
        box.SetList(box.ListCount() - 1, 1, std::to_wstring(r.codePage));
        box.SetList(box.ListCount() - 1, 2, std::to_wstring(r.charset));
        box.SetItemData(box.NewIndex(), r.codePage);
    }
    box.SetColumnWidths(L"150;40 pt;");
    box.SetListRows(16);
    box.SetListIndex(7);
    EXPECT_TRUE(GetWindowLongW(box.hWnd(), GWL_STYLE) & CBS_OWNERDRAWFIXED);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(box.List(i, 0), kCodePages[i].name) << "row " << i;
        EXPECT_EQ(box.List(i), kCodePages[i].name) << "row " << i;
        EXPECT_EQ(box.List(i, 1), std::to_wstring(kCodePages[i].codePage)) << "row " << i;
        EXPECT_EQ(box.List(i, 2), std::to_wstring(kCodePages[i].charset)) << "row " << i;
        EXPECT_EQ(box.ItemData(i), kCodePages[i].codePage) << "row " << i;
    }
    EXPECT_EQ(box.Text(), L"Cyrillic (Windows)");
    // Column 0 is what the system's own row searches see.
    EXPECT_EQ(SendMessageW(box.hWnd(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(L"Symbol")), 15);
    box.SetList(15, 0, L"Symbol (42)");
    EXPECT_EQ(box.ItemData(15), 42) << "a row keeps its data when its text changes";
    EXPECT_EQ(box.List(15, 1), L"42");

    int itemHeight = static_cast<int>(SendMessageW(box.hWnd(), CB_GETITEMHEIGHT, 0, 0));
    ASSERT_GT(itemHeight, 0);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(box.hWnd(), &info));
    struct Case {
        int listRows;
        int visible;
    };
    const Case cases[] = {{16, 16}, {5, 5}, {30, 16}};
    for (const Case& c : cases) {
        box.SetListRows(c.listRows);
        int before = drops;
        box.SetDroppedDown(true);
        EXPECT_EQ(drops - before, 1) << "ListRows " << c.listRows;
        EXPECT_TRUE(box.DroppedDown());
        RECT r{};
        GetClientRect(info.hwndList, &r);
        EXPECT_EQ(r.bottom / itemHeight, c.visible) << "ListRows " << c.listRows;
        RECT w{};
        GetWindowRect(info.hwndList, &w);
        EXPECT_EQ(w.right - w.left, 320) << "the width the DropDown handler set";
        if (c.listRows == 16) TestSupport::SaveWindowScreenshot(info.hwndList, "runtime-combo-columns-dropped");
        box.SetDroppedDown(false);
    }
    EXPECT_EQ(box.ListWidth(), MulDiv(320, 72, ScreenDpiX()));
    box.SetListWidth(300);
    EXPECT_EQ(box.DropWidth(), MulDiv(300, ScreenDpiX(), 72));
    EXPECT_GT(box.Height(), 0);
    RECT field{};
    GetWindowRect(box.hWnd(), &field);
    EXPECT_EQ(field.bottom - field.top, box.Height()) << "Height is the closed box";
}

TEST_F(ComboBoxTest, ColumnCountAfterCreateKeepsRowsAndPlace)
{
    ComboBox& box = form_.cbList;
    box.SetList(1, 1, L"second column");
    box.SetListIndex(1);
    HWND before = GetWindow(box.hWnd(), GW_HWNDPREV);
    int clicks = clicks_[&box];
    box.SetColumnCount(2);
    EXPECT_TRUE(GetWindowLongW(box.hWnd(), GWL_STYLE) & CBS_OWNERDRAWFIXED);
    EXPECT_EQ(GetWindow(box.hWnd(), GW_HWNDPREV), before) << "the tab order is kept";
    EXPECT_EQ(box.ListCount(), 3);
    EXPECT_EQ(box.ListIndex(), 1);
    EXPECT_EQ(box.Text(), L"Tahoma");
    EXPECT_EQ(box.List(1, 1), L"second column");
    EXPECT_EQ(clicks_[&box], clicks);
    Key(box.hWnd(), VK_DOWN);
    EXPECT_EQ(clicks_[&box], clicks + 1) << "the new window raises the events";
}

TEST_F(ComboBoxTest, DropButtonCanBeHiddenAndShownAgain)
{
    ComboBox& box = form_.cbPlain;
    box.SetListIndex(1);
    int height = box.Height();
    int clicks = clicks_[&box], changes = changes_[&box];
    struct Case {
        bool show;
        DWORD type;
    };
    const Case cases[] = {{false, CBS_SIMPLE}, {false, CBS_SIMPLE}, {true, CBS_DROPDOWN}, {false, CBS_SIMPLE}};
    for (const Case& c : cases) {
        box.SetShowDropButton(c.show);
        EXPECT_EQ(GetWindowLongW(box.hWnd(), GWL_STYLE) & 3, c.type) << "show " << c.show;
        EXPECT_EQ(box.ShowDropButton(), c.show);
        EXPECT_EQ(box.ListCount(), 3) << "show " << c.show;
        EXPECT_EQ(box.Text(), L"Tahoma") << "show " << c.show;
        EXPECT_NEAR(box.Height(), height, 3) << "show " << c.show;
        RECT r{};
        GetWindowRect(box.hWnd(), &r);
        EXPECT_EQ(r.bottom - r.top, box.Height()) << "show " << c.show << ": no list below the field";
        ASSERT_NE(box.EditWindow(), nullptr);
    }
    EXPECT_EQ(clicks_[&box], clicks);
    EXPECT_EQ(changes_[&box], changes);
    box.SetDroppedDown(true);
    EXPECT_FALSE(box.DroppedDown());
    SendMessageW(box.EditWindow(), WM_CHAR, L'!', 1);
    EXPECT_EQ(changes_[&box], changes + 1) << "the new edit part raises Change";
    TestSupport::SaveWindowScreenshot(form_.hWnd(), "runtime-combo-no-button");
}

TEST_F(ComboBoxTest, LockedBoxRefusesTheUserButNotTheProgram)
{
    ComboBox& list = form_.cbList;
    ComboBox& plain = form_.cbPlain;
    list.SetListIndex(0);
    plain.SetText(L"fixed");
    list.SetLocked(true);
    plain.SetLocked(true);
    int listClicks = clicks_[&list], plainChanges = changes_[&plain];
    Key(list.hWnd(), VK_DOWN);
    SendMessageW(list.hWnd(), WM_CHAR, L'C', 1);
    SendMessageW(plain.EditWindow(), WM_CHAR, L'z', 1);
    Key(plain.EditWindow(), VK_DOWN);
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(plain.Text(), L"fixed");
    EXPECT_EQ(plain.ListIndex(), -1);
    EXPECT_EQ(clicks_[&list], listClicks);
    EXPECT_EQ(changes_[&plain], plainChanges);
    list.SetListIndex(2);
    plain.SetText(L"by the program");
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(plain.Text(), L"by the program");
}

TEST_F(ComboBoxTest, FocusEventsOncePerMove)
{
    int got = 0, lost = 0;
    form_.cbPlain.GotFocus = [&] { ++got; };
    form_.cbPlain.LostFocus = [&] { ++lost; };
    form_.tbOther.SetFocus();
    form_.cbPlain.SetFocus();
    EXPECT_TRUE(form_.cbPlain.HasFocus());
    EXPECT_EQ(got, 1);
    EXPECT_EQ(lost, 0);
    form_.tbOther.SetFocus();
    EXPECT_EQ(got, 1);
    EXPECT_EQ(lost, 1);
}

// A box is placed again only where something changed: the place and the
// dropped list must still follow every Move, also after the window was
// moved behind the box's back; an owner-drawn box has its font's item
// heights from the start.
TEST_F(ComboBoxTest, EveryMoveIsFollowedAndTheDroppedListKeepsItsRows)
{
    ComboBox& box = form_.cbList;
    box.SetListRows(3);
    auto placeOf = [&] {
        RECT r{};
        GetWindowRect(box.hWnd(), &r);
        MapWindowPoints(nullptr, form_.hWnd(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    auto droppedRows = [&] {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(box.hWnd(), &info);
        box.SetDroppedDown(true);
        RECT list{};
        GetClientRect(info.hwndList, &list);
        box.SetDroppedDown(false);
        int item = static_cast<int>(SendMessageW(box.hWnd(), CB_GETITEMHEIGHT, 0, 0));
        return item > 0 ? static_cast<int>(list.bottom) / item : 0;
    };
    const int field = box.Height();
    struct Case {
        const char* what;
        int left, top, width;
        bool movedAside; // the window is moved elsewhere by a direct call first
    };
    const Case cases[] = {
        {"the same place again", 8, 40, 180, false},
        {"a new place, the same width", 20, 50, 180, false},
        {"a new width", 20, 50, 150, false},
        {"back where it was, after a move aside", 20, 50, 150, true},
    };
    for (const Case& c : cases) {
        if (c.movedAside) MoveWindow(box.hWnd(), 200, 150, 90, 60, TRUE);
        box.Move(c.left, c.top, c.width, 0);
        RECT r = placeOf();
        EXPECT_EQ(r.left, c.left) << c.what;
        EXPECT_EQ(r.top, c.top) << c.what;
        EXPECT_EQ(r.right - r.left, c.width) << c.what;
        EXPECT_EQ(r.bottom - r.top, field) << c.what;
        EXPECT_EQ(box.Height(), field) << c.what;
        EXPECT_EQ(droppedRows(), 3) << c.what;
    }

    ComboBox& columns = form_.cbCharSet;
    ScopedGetDC dc(columns.hWnd());
    ScopedSelect font(dc.Get(), columns.FontHandle());
    TEXTMETRICW tm{};
    GetTextMetricsW(dc.Get(), &tm);
    EXPECT_EQ(SendMessageW(columns.hWnd(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), tm.tmHeight + 4);
    EXPECT_EQ(SendMessageW(columns.hWnd(), CB_GETITEMHEIGHT, 0, 0), tm.tmHeight + 2);
}

TEST_F(ComboBoxTest, UnloadEmptiesTheList)
{
    form_.Unload();
    EXPECT_EQ(form_.cbList.ListCount(), 0);
    EXPECT_EQ(form_.cbList.ListIndex(), -1);
    ASSERT_TRUE(form_.Load());
    form_.cbList.AddItem(L"again");
    EXPECT_EQ(SendMessageW(form_.cbList.hWnd(), CB_GETCOUNT, 0, 0), 1);
}

} // namespace
