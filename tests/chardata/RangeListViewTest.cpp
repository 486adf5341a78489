// The block list and the sub-range box filled in real controls, a block
// selected with the covering fonts marked, and the listed block of a code
// point found in the list.
#include "chardata/RangeListView.h"

#include "runtime/ComboBox.h"
#include "runtime/CommonControls.h"
#include "runtime/ErrorReport.h"
#include "runtime/Form.h"
#include "runtime/ImageList.h"
#include "runtime/ListView.h"
#include "runtime/Pump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace CharData;
using namespace Runtime;

class RangeForm : public Form {
public:
    RangeForm() : Form(L"fwRange") {}

    ImageList ilCheck{this, nullptr, L"ilCheck"};
    ListView lvFont{this, nullptr, L"lvFont"};
    ListView lvRange{this, nullptr, L"lvRange"};
    ComboBox cbRange{this, nullptr, L"cbRange"};

protected:
    void CreateControls() override
    {
        Move(40, 40, 560, 420);
        lvFont.ColumnHeaders().Add(L"Fonts", 140);
        lvFont.Create(8, 8, 180, 360);
        lvRange.ColumnHeaders().Add(L"Subranges:", 100);
        lvRange.Create(200, 8, 160, 300);
        cbRange.SetColumnCount(2);
        cbRange.Create(372, 8, 170, ComboBox::StyleDropDownList);
    }
};

std::wstring Bits(std::initializer_list<int> set)
{
    std::wstring bits(128, L'0');
    for (int bit : set) bits[static_cast<std::size_t>(bit)] = L'1';
    return bits;
}

class RangeListViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(v6_.Active());
        old_ = SetErrorReporter([this](int number, const std::string&) { reported_.push_back(number); });
        ASSERT_TRUE(form_.Load());
        check_ = SolidBitmap(16, 16, RGB(0, 128, 0));
        form_.ilCheck.ListImages().Add(kCheckIcon, check_.Get());
        form_.lvRange.SetSmallIcons(&form_.ilCheck);
        form_.lvFont.SetSmallIcons(&form_.ilCheck);
        form_.Show();
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

    static ScopedBitmap SolidBitmap(int width, int height, COLORREF color)
    {
        ScopedGetDC screen(nullptr);
        ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
        ScopedMemDC mem(screen.Get());
        ScopedSelect select(mem.Get(), bitmap.Get());
        ScopedBrush brush(CreateSolidBrush(color));
        RECT r{0, 0, width, height};
        FillRect(mem.Get(), &r, brush.Get());
        return bitmap;
    }

    RangeListFill Fill(const std::wstring& bits, bool listAll)
    {
        bits_ = bits;
        return FillRangeList(form_.lvRange, form_.cbRange, RangeFilter{bits_, listAll});
    }

    std::vector<std::wstring> Checked(const ListView& list) const
    {
        std::vector<std::wstring> keys;
        for (const auto& item : list.ListItems())
            if (item->SmallIcon() == kCheckIcon) keys.push_back(item->Key());
        return keys;
    }

    ScopedCommonControls6 v6_;
    RangeForm form_;
    ScopedBitmap check_;
    std::wstring bits_;
    ErrorReporter old_;
    std::vector<int> reported_;
};

TEST_F(RangeListViewTest, EveryBlockListedWithoutAFont)
{
    const RangeListFill fill = Fill(L"", true);
    EXPECT_EQ(fill.ListedCount, 65424);
    EXPECT_EQ(fill.ScrollMax, 4088);
    ListView& list = form_.lvRange;
    ASSERT_EQ(list.ListItems().Count(), 162);
    EXPECT_EQ(SendMessageW(list.hWnd(), LVM_GETITEMCOUNT, 0, 0), 162);
    EXPECT_TRUE(Checked(list).empty());

    const ListItem& cyrillic = list.ListItems()(L"D.1024");
    EXPECT_EQ(cyrillic.Text(), L"Cyrillic");
    EXPECT_EQ(cyrillic.Tag, L"1279");
    EXPECT_EQ(cyrillic.SubItems(1), L"9");
    EXPECT_EQ(list.ListItems()(L"D.1872").SubItems(1), L"-1");   // Arabic Supplement
    EXPECT_EQ(list.ListItems()(104).Text(), L"<undefined>");

    // The box: every name but "<undefined>", sorted ignoring case, each
    // row keyed like its list item.
    ComboBox& box = form_.cbRange;
    ASSERT_EQ(box.ListCount(), 161);
    for (int i = 0; i < box.ListCount(); ++i) {
        EXPECT_NE(box.List(i), L"<undefined>");
        const ListItem* item = list.ListItems().Find(box.List(i, 1));
        ASSERT_NE(item, nullptr) << "row " << i << " key " << box.List(i, 1);
        EXPECT_EQ(item->Text(), box.List(i)) << "row " << i;
        if (i > 0) {
            EXPECT_LT(CompareIgnoringCase(box.List(i - 1), box.List(i)), 0) << "row " << i;
        }
    }
    auto row = [&](const wchar_t* name) {
        for (int i = 0; i < box.ListCount(); ++i)
            if (box.List(i) == name) return i;
        return -1;
    };
    EXPECT_LT(row(L"Arabic Extended-A"), row(L"Arabic Presentation Forms-A"));
    EXPECT_GT(row(L"IPA Extensions"), row(L"Ideographic Description"));
}

TEST_F(RangeListViewTest, OnlyTheFontsBlocksAllChecked)
{
    const RangeListFill fill = Fill(Bits({0, 1}), false);
    EXPECT_EQ(fill.ListedCount, 256);
    EXPECT_EQ(fill.ScrollMax, 15);
    ListView& list = form_.lvRange;
    ASSERT_EQ(list.ListItems().Count(), 2);
    EXPECT_EQ(list.ListItems()(1).Key(), L"D.0");
    EXPECT_EQ(list.ListItems()(1).Text(), L"Basic Latin");
    EXPECT_EQ(list.ListItems()(1).Tag, L"127");
    EXPECT_EQ(list.ListItems()(2).Key(), L"D.128");
    EXPECT_EQ(Checked(list), (std::vector<std::wstring>{L"D.0", L"D.128"}));
    ASSERT_EQ(form_.cbRange.ListCount(), 2);
    EXPECT_EQ(form_.cbRange.List(0, 1), L"D.0");
    EXPECT_EQ(form_.cbRange.List(1, 1), L"D.128");

    // Every block, the font's own checked; a refill starts afresh.
    Fill(Bits({0, 1}), true);
    EXPECT_EQ(list.ListItems().Count(), 162);
    EXPECT_EQ(Checked(list), (std::vector<std::wstring>{L"D.0", L"D.128"}));
    EXPECT_EQ(form_.cbRange.ListCount(), 161);

    // Bit 84's four blocks come together.
    Fill(Bits({84}), false);
    EXPECT_EQ(Checked(list), (std::vector<std::wstring>{L"D.5888", L"D.5920", L"D.5952", L"D.5984"}));

    // A font that claims no listed block: both lists empty.
    const RangeListFill none = Fill(Bits({127}), false);
    EXPECT_EQ(list.ListItems().Count(), 0);
    EXPECT_EQ(form_.cbRange.ListCount(), 0);
    EXPECT_EQ(none.ListedCount, 0);
    EXPECT_EQ(none.ScrollMax, 0);
}

TEST_F(RangeListViewTest, FirstColumnFitsTheWidestName)
{
    ListView& list = form_.lvRange;
    Fill(L"", true);
    int widest = 0;
    for (const Subrange& row : SubrangeTable()) widest = std::max(widest, form_.TextWidth(std::wstring(row.Name)));
    EXPECT_EQ(list.ColumnHeaders()(1).Width(), std::max(list.Width(), widest + 12));
    EXPECT_GT(widest + 12, list.Width()) << "the test wants a name wider than the list";

    // A refill starts again from the list's own width.
    Fill(Bits({0}), false);
    EXPECT_EQ(list.ColumnHeaders()(1).Width(),
              std::max(list.Width(), form_.TextWidth(L"Basic Latin") + 12));
}

TEST_F(RangeListViewTest, SelectingABlockMarksTheFontsThatClaimIt)
{
    InstalledFonts fonts;
    fonts.Records() = {
        FontRecord{},
        FontRecord{4, L"Cyrillic Font", L"c.ttf", Bits({0, 9})},
        FontRecord{4, L"Latin Font", L"l.ttf", Bits({0})},
        FontRecord{4, L"Short Bits", L"s.ttf", L"1"},
        FontRecord{4, L"Not Seen Yet", L"n.ttf", L""},
    };
    ListView& lvFont = form_.lvFont;
    for (int i = 1; i <= 4; ++i) lvFont.ListItems().Add(0, L"D." + std::to_wstring(i), fonts.Records()[i].Name);
    lvFont.ListItems().Add(0, L"D.99", L"No Record");
    lvFont.ListItems().Add(0, L"Odd Key", L"Odd Key");
    Fill(L"", true);
    ListView& lvRange = form_.lvRange;

    struct Case {
        const wchar_t* block;
        std::int32_t first;
        std::vector<std::wstring> marked;
    };
    const Case cases[] = {
        {L"D.1024", 1024, {L"D.1"}},
        {L"D.1280", 1280, {L"D.1"}},                 // Cyrillic Supplement: bit 9 too
        {L"D.0", 0, {L"D.1", L"D.2", L"D.3"}},
        {L"D.1872", 1872, {}},                       // Arabic Supplement has no bit
        {L"D.65520", 65520, {}},                     // Specials, the last item
        {L"D.12256", 12256, {}},                     // "<undefined>"
    };
    for (const auto& c : cases) {
        ListItem& item = lvRange.ListItems()(c.block);
        EXPECT_EQ(SelectRangeItem(item, lvFont, fonts), c.first) << c.block;
        EXPECT_EQ(lvRange.SelectedItem(), &item) << c.block;
        EXPECT_EQ(Checked(lvFont), c.marked) << c.block;
        // The item is in view, below the header and above the list's bottom.
        RECT client{};
        GetClientRect(lvRange.hWnd(), &client);
        RECT header{};
        GetWindowRect(lvRange.HeaderWindow(), &header);
        EXPECT_GE(item.Top(), header.bottom - header.top) << c.block;
        EXPECT_LE(item.Top() + item.Height(), client.bottom) << c.block;
    }
    EXPECT_TRUE(IsWindowVisible(lvFont.hWnd()));
}

// Filling and selecting hold off the lists' drawing, and leave a hidden
// list hidden.
TEST_F(RangeListViewTest, HiddenListsStayHidden)
{
    InstalledFonts fonts;
    fonts.Records() = {FontRecord{}, FontRecord{4, L"Latin Font", L"l.ttf", Bits({0})}};
    form_.lvFont.ListItems().Add(0, L"D.1", L"Latin Font");
    form_.lvRange.SetVisible(false);
    form_.cbRange.SetVisible(false);
    form_.lvFont.SetVisible(false);
    Fill(Bits({0}), false);
    EXPECT_EQ(SelectRangeItem(form_.lvRange.ListItems()(1), form_.lvFont, fonts), 0);
    EXPECT_FALSE(IsWindowVisible(form_.lvRange.hWnd()));
    EXPECT_FALSE(IsWindowVisible(form_.cbRange.hWnd()));
    EXPECT_FALSE(IsWindowVisible(form_.lvFont.hWnd()));
    EXPECT_EQ(Checked(form_.lvFont), std::vector<std::wstring>{L"D.1"});

    form_.lvRange.SetVisible(true);
    form_.cbRange.SetVisible(true);
    form_.lvFont.SetVisible(true);
    Fill(Bits({0}), false);
    SelectRangeItem(form_.lvRange.ListItems()(1), form_.lvFont, fonts);
    EXPECT_TRUE(IsWindowVisible(form_.lvRange.hWnd()));
    EXPECT_TRUE(IsWindowVisible(form_.cbRange.hWnd()));
    EXPECT_TRUE(IsWindowVisible(form_.lvFont.hWnd()));
}

TEST_F(RangeListViewTest, FindRangeIndexOverTheListedItems)
{
    ListView& list = form_.lvRange;
    EXPECT_EQ(FindRangeIndex(0x41, list), std::nullopt) << "empty list";

    Fill(L"", true);
    struct Case {
        std::int32_t code;
        std::int32_t first;
    };
    const Case all[] = {{0x41, 0}, {0x0865, 0x08A0}, {0x1C95, 0x1CC0}, {0x2FE5, 0x2FE0}, {0xFFFF, 0xFFF0}};
    for (const auto& c : all) {
        EXPECT_EQ(FindRangeIndex(c.code, list), c.first) << "all blocks, U+" << std::hex << c.code;
        // The result always names a listed item.
        EXPECT_NE(list.ListItems().Find(RangeKey(c.first)), nullptr) << "U+" << std::hex << c.code;
    }

    Fill(Bits({1, 9}), false);
    const Case noBasicLatin[] = {{0x41, 0x80}, {0x0100, 0x0400}, {0x0400, 0x0400}, {0x0600, 0x0500}};
    for (const auto& c : noBasicLatin)
        EXPECT_EQ(FindRangeIndex(c.code, list), c.first) << "no Basic Latin, U+" << std::hex << c.code;
}

} // namespace
