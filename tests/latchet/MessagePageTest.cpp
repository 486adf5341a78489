// The Message page apart from its window: loading a control's list, the
// page's order and checks over the real message table, writing the checks
// back, item texts and the list menu's rules.
#include "latchet/MessagePage.h"
#include "latchet/Messages.h"

#include <gtest/gtest.h>

namespace {

using namespace MessagePage;

TEST(MessagePage, LoadsEachNumberOnceAndCountsThem)
{
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"83 3 83", L"83 3"}, {L"", L""}, {L"287 530 83", L"287 530 83"}, {L"5  5 6", L"5  6"}, {L" 7", L"7"},
    };
    for (const auto& [messages, list] : cases) EXPECT_EQ(PageList(messages), list);
    EXPECT_EQ(CountLabel(PageList(L"83 3 83")), L"(2)");
    EXPECT_EQ(CountLabel(PageList(L"")), L"(0)");
    EXPECT_EQ(CountLabel(PageList(L"5  5 6")), L"(2)"); // an empty part is no number
}

TEST(MessagePage, ListedRowsStandFirstCheckedInTableOrder)
{
    Messages::Init();
    const Common::MessageList& table = Common::SharedMessageList();
    std::vector<Item> items = Items(table, PageList(L"83 3 83"));
    ASSERT_EQ(static_cast<int>(items.size()), table.Count());
    // WM_HELP (83) and WM_MOVE (3) lead, in the table's order.
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[0].name, L"WM_HELP");
    EXPECT_EQ(items[1].name, L"WM_MOVE");
    EXPECT_TRUE(items[0].checked && items[1].checked);
    EXPECT_FALSE(items[2].checked);
    EXPECT_EQ(items[2].name, L"CCM_FIRST");
    EXPECT_EQ(PageListOfChecked(items), L"83 3");

    // A value that several names share checks every one of them.
    items = Items(table, L"1024");
    std::vector<std::wstring> checked;
    for (const Item& item : items)
        if (item.checked) checked.push_back(item.name);
    EXPECT_EQ(checked.front(), L"WM_USER");
    EXPECT_GE(checked.size(), 5u);
    EXPECT_EQ(PageListOfChecked(items), L"1024");
    // A number that is only part of a listed one checks nothing.
    for (const Item& item : Items(table, L"10240")) EXPECT_FALSE(item.checked) << item.value;
}

TEST(MessagePage, ItemTextsLineTheirTabsUp)
{
    auto width = [](std::wstring_view text) { return 7.0 * static_cast<double>(text.size()); };
    EXPECT_EQ(ItemText(Item{L"WM_MOVE", 3, false}, 7.0 * 12, width), L"WM_MOVE     \t= 3");
    EXPECT_EQ(ItemText(Item{L"CDN_FIRST", -601, false}, 7.0 * 9, width), L"CDN_FIRST\t= -601");
    EXPECT_EQ(ItemText(Item{L"LONGER_THAN_WIDEST", 1, false}, 7.0, width), L"LONGER_THAN_WIDEST\t= 1");
}

TEST(MessagePage, ListMenuFollowsTheChecks)
{
    struct {
        std::vector<bool> selected;
        int current;
        MenuState expected;
        int previous, next;
    } cases[] = {
        {{false, false, false}, 1, {true, false, false, false, false, false}, -1, -1},
        {{true, false, true}, 1, {true, true, true, true, true, true}, 0, 2},
        {{true, true, true}, 0, {false, true, true, true, false, true}, -1, 1},
        {{false, true, false}, -1, {true, true, true, true, false, true}, -1, 1},
        {{}, -1, {false, false, false, false, false, false}, -1, -1},
    };
    for (const auto& c : cases) {
        MenuState state = MenuStateOf(c.selected, c.current);
        EXPECT_EQ(state.selectAll, c.expected.selectAll);
        EXPECT_EQ(state.clearAll, c.expected.clearAll);
        EXPECT_EQ(state.copySelected, c.expected.copySelected);
        EXPECT_EQ(state.copySpecial, c.expected.copySpecial);
        EXPECT_EQ(state.previousSelected, c.expected.previousSelected);
        EXPECT_EQ(state.nextSelected, c.expected.nextSelected);
        EXPECT_EQ(PreviousSelected(c.selected, c.current), c.previous);
        EXPECT_EQ(NextSelected(c.selected, c.current), c.next);
    }
    std::vector<Item> items{{L"WM_MOVE", 3, true}, {L"WM_SIZE", 5, false}, {L"WM_HELP", 83, true}};
    std::vector<std::wstring> texts{L"WM_MOVE\t= 3", L"WM_SIZE\t= 5", L"WM_HELP\t= 83"};
    EXPECT_EQ(CopySelected(items, texts), L"WM_MOVE\t= 3\r\nWM_HELP\t= 83\r\n");
    EXPECT_EQ(CopySpecial(items, texts), L"WM_MOVE\t= 3 = 3\r\nWM_HELP\t= 83 = 83\r\n");
}

} // namespace
