// List boxes in real windows (common controls version 6): Click once per
// change of the selection, by the program or the user, in single and
// multiple selection; items keep their data; bad positions are refused.
#include "runtime/CommonControls.h"
#include "runtime/ErrorReport.h"
#include "runtime/Form.h"
#include "runtime/ListBox.h"
#include "runtime/Pump.h"

#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace Runtime;

class ListBoxForm : public Form {
public:
    ListBoxForm() : Form(L"fwListBox") {}

    ListBox lbSingle{this, nullptr, L"lbSingle"};
    ListBox lbSimple{this, nullptr, L"lbSimple"};
    ListBox lbExtended{this, nullptr, L"lbExtended"};

protected:
    void CreateControls() override
    {
        Move(60, 60, 420, 220);
        lbSingle.Create(8, 8, 120, 160);
        lbSimple.SetMultiSelect(ListBox::SelectSimple);
        lbSimple.Create(136, 8, 120, 160);
        lbExtended.SetMultiSelect(ListBox::SelectExtended);
        lbExtended.Create(264, 8, 120, 160);
    }
};

using TestSupport::ErrorOf;

class ListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(v6_.Active());
        old_ = SetErrorReporter([this](int number, const std::string&) { reported_.push_back(number); });
        ASSERT_TRUE(form_.Load());
        form_.Show();
        for (ListBox* b : {&form_.lbSingle, &form_.lbSimple, &form_.lbExtended}) {
            for (const wchar_t* s : {L"WM_MENUSELECT", L"WM_EXITMENULOOP", L"WM_HELP", L"WM_MOVE"}) b->AddItem(s);
        }
    }
    void TearDown() override
    {
        form_.Unload();
        DoEvents();
        MSG msg;
        PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        SetErrorReporter(old_);
        EXPECT_TRUE(reported_.empty());
    }

    void Key(HWND wnd, UINT vk)
    {
        SendMessageW(wnd, WM_KEYDOWN, vk, 1);
        SendMessageW(wnd, WM_KEYUP, vk, 0xC0000001);
    }
    // The user's click on an item (the list's own mouse handling).
    void ClickItem(ListBox& box, int index, UINT down = WM_LBUTTONDOWN)
    {
        RECT r{};
        SendMessageW(box.hWnd(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        LPARAM at = MAKELPARAM(r.left + 5, (r.top + r.bottom) / 2);
        SendMessageW(box.hWnd(), down, MK_LBUTTON, at);
        SendMessageW(box.hWnd(), WM_LBUTTONUP, 0, at);
    }

    ScopedCommonControls6 v6_;
    ListBoxForm form_;
    ErrorReporter old_;
    std::vector<int> reported_;
};

TEST_F(ListBoxTest, SingleSelectionClicksOncePerChange)
{
    ListBox& box = form_.lbSingle;
    int clicks = 0, doubles = 0;
    box.Click = [&] { ++clicks; };
    box.DblClick = [&] { ++doubles; };
    struct Case {
        const char* what;
        std::function<void()> act;
        int clicks, index;
    };
    const Case cases[] = {
        {"program selects item 2", [&] { box.SetListIndex(2); }, 1, 2},
        {"program selects item 2 again", [&] { box.SetListIndex(2); }, 0, 2},
        {"program selects through Selected", [&] { box.SetSelected(1, true); }, 1, 1},
        {"program unselects through Selected", [&] { box.SetSelected(1, false); }, 1, -1},
        {"user clicks item 3", [&] { ClickItem(box, 3); }, 1, 3},
        {"user clicks item 3 again", [&] { ClickItem(box, 3); }, 0, 3},
        {"user presses Up", [&] { Key(box.hWnd(), VK_UP); }, 1, 2},
        {"user presses Home twice", [&] { Key(box.hWnd(), VK_HOME); Key(box.hWnd(), VK_HOME); }, 1, 0},
    };
    for (const Case& c : cases) {
        int before = clicks;
        c.act();
        EXPECT_EQ(clicks - before, c.clicks) << c.what;
        EXPECT_EQ(box.ListIndex(), c.index) << c.what;
        for (int i = 0; i < box.ListCount(); ++i) EXPECT_EQ(box.Selected(i), i == c.index) << c.what << ", item " << i;
    }
    ClickItem(box, 1, WM_LBUTTONDBLCLK);
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(box.SelCount(), 1);
}

TEST_F(ListBoxTest, MultipleSelectionClicksOncePerChange)
{
    ListBox& box = form_.lbSimple;
    int clicks = 0;
    box.Click = [&] { ++clicks; };
    struct Case {
        const char* what;
        std::function<void()> act;
        int clicks;
        std::vector<bool> selected;
    };
    const Case cases[] = {
        {"program selects item 1", [&] { box.SetSelected(1, true); }, 1, {false, true, false, false}},
        {"program selects item 1 again", [&] { box.SetSelected(1, true); }, 0, {false, true, false, false}},
        {"program selects item 3", [&] { box.SetSelected(3, true); }, 1, {false, true, false, true}},
        {"user clicks item 0", [&] { ClickItem(box, 0); }, 1, {true, true, false, true}},
        {"user clicks item 1 (toggles it off)", [&] { ClickItem(box, 1); }, 1, {true, false, false, true}},
        {"program unselects item 3", [&] { box.SetSelected(3, false); }, 1, {true, false, false, false}},
        {"ListIndex selects and focuses item 2", [&] { box.SetListIndex(2); }, 1, {true, false, true, false}},
    };
    for (const Case& c : cases) {
        int before = clicks;
        c.act();
        EXPECT_EQ(clicks - before, c.clicks) << c.what;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(box.Selected(i), c.selected[i]) << c.what << ", item " << i;
    }
    EXPECT_EQ(box.ListIndex(), 2);
    EXPECT_EQ(box.SelCount(), 2);
    EXPECT_EQ(form_.lbExtended.MultiSelect(), ListBox::SelectExtended);
    form_.lbExtended.SetSelected(0, true);
    form_.lbExtended.SetSelected(2, true);
    EXPECT_EQ(form_.lbExtended.SelCount(), 2);
    EXPECT_EQ(ErrorOf([&] { box.SetMultiSelect(ListBox::SelectSingle); }), ErrInvalidProperty)
        << "the selection mode is fixed once the window exists";
}

TEST_F(ListBoxTest, ItemsKeepTheirDataAndBadPositionsAreRefused)
{
    ListBox& box = form_.lbSingle;
    const long messages[] = {287, 530, 83, 3};
    for (int i = 0; i < 4; ++i) box.SetItemData(i, messages[i]);
    box.SetListIndex(2);
    box.AddItem(L"WM_NCLBUTTONDOWN", 0);
    EXPECT_EQ(box.NewIndex(), 0);
    box.SetItemData(0, 161);
    box.RemoveItem(2); // WM_EXITMENULOOP
    box.SetList(3, L"WM_MOVE (3)");
    struct Row {
        const wchar_t* text;
        long data;
    };
    const Row expected[] = {{L"WM_NCLBUTTONDOWN", 161}, {L"WM_MENUSELECT", 287}, {L"WM_HELP", 83}, {L"WM_MOVE (3)", 3}};
    ASSERT_EQ(box.ListCount(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(box.List(i), expected[i].text) << "item " << i;
        EXPECT_EQ(box.ItemData(i), expected[i].data) << "item " << i;
        wchar_t shown[64] = {};
        SendMessageW(box.hWnd(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(shown));
        EXPECT_STREQ(shown, expected[i].text) << "the window's item " << i;
    }
    EXPECT_EQ(box.ListIndex(), 2) << "the selection stays with its item";

    struct Bad {
        const char* what;
        std::function<void()> act;
        int error;
    };
    const Bad bad[] = {
        {"AddItem past the end", [&] { box.AddItem(L"x", 5); }, ErrInvalidCall},
        {"RemoveItem past the end", [&] { box.RemoveItem(4); }, ErrInvalidCall},
        {"ListIndex past the end", [&] { box.SetListIndex(4); }, ErrInvalidProperty},
        {"ItemData of -1", [&] { box.ItemData(-1); }, 381},
        {"Selected past the end", [&] { box.Selected(4); }, 381},
        {"List set past the end", [&] { box.SetList(4, L"x"); }, 381},
        {"a selection mode of 3", [&] { ListBox other(&form_, nullptr, L"other"); other.SetMultiSelect(3); },
         ErrInvalidProperty},
    };
    for (const Bad& b : bad) EXPECT_EQ(ErrorOf(b.act), b.error) << b.what;
    EXPECT_EQ(box.ListCount(), 4);
    box.Clear();
    EXPECT_EQ(box.ListCount(), 0);
    EXPECT_EQ(box.ListIndex(), -1);
    EXPECT_EQ(box.NewIndex(), -1);
    EXPECT_EQ(SendMessageW(box.hWnd(), LB_GETCOUNT, 0, 0), 0);
}

} // namespace
