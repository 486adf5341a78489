// The font list, the block list and the sub-range box of a loaded window:
// the Copy key of both lists with the real clipboard, the sub-range box's
// drop button, a saved block that the saved font does not claim, and what
// start-up sets on the table and the popup menus.
#include "chardata/RangeList.h"
#include "chardata/SubrangeTable.h"
#include "runtime/Clipboard.h"
#include "tests/chardata/ClipboardFixture.h"
#include "tests/mainwin/SearchDriving.h"
#include "tests/mainwin/TablePages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

using MainWinTest::LoadedMain;
using MainWinTest::PressKey;
namespace Clipboard = Runtime::Clipboard;

struct CopyKey {
    const char* name;
    int key, shift;
    bool copies;
};

const CopyKey kCopyKeys[] = {
    {"Ctrl+C", 'C', Runtime::CtrlMask, true},
    {"Ctrl+Insert", VK_INSERT, Runtime::CtrlMask, true},
    {"Ctrl+V", 'V', Runtime::CtrlMask, false},
    {"C alone", 'C', 0, false},
};

// The list's Copy keys put the selected item's text on the clipboard and
// leave it alone otherwise.
void ExpectCopyKeys(Runtime::ListView& list)
{
    const Runtime::ListItem* item = list.SelectedItem();
    ASSERT_NE(item, nullptr) << "nothing selected in " << std::string(list.Name().begin(), list.Name().end());
    for (const CopyKey& c : kCopyKeys) {
        SCOPED_TRACE(c.name);
        Clipboard::Clear();
        Clipboard::SetText(std::string("before"));
        PressKey(list.hWnd(), c.key, c.shift);
        EXPECT_EQ(Clipboard::GetUnicodeText(), c.copies ? item->Text() : L"before");
    }
}

class SideLists : public ::testing::Test {
protected:
    FormsTest::ClipboardLock lock_;
};

TEST_F(SideLists, CopyKeysCopyTheFontNameAndTheBlockName)
{
    ASSERT_TRUE(lock_.Held());
    LoadedMain window("[fwMain]\r\nchRange=1\r\nlvRange=0\r\n");
    ASSERT_TRUE(window.Loaded());
    ExpectCopyKeys(window->lvFont);
    ASSERT_NE(window->lvRange.SelectedItem(), nullptr);
    EXPECT_EQ(window->lvRange.SelectedItem()->Text(), L"Basic Latin");
    ExpectCopyKeys(window->lvRange);
}

TEST_F(SideLists, ListsWithoutASelectionCopyNothingAndOpenNoMenu)
{
    ASSERT_TRUE(lock_.Held());
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    for (Runtime::ListView* list : {&window->lvFont, &window->lvRange}) {
        list->SetSelectedItem(nullptr);
        Clipboard::Clear();
        Clipboard::SetText(std::string("before"));
        PressKey(list->hWnd(), 'C', Runtime::CtrlMask);
        EXPECT_EQ(Clipboard::GetText(Clipboard::FormatText), "before");
        // A right click with nothing to place the menu at does nothing.
        // (The button's release waits in the queue: the list view tracks
        // the mouse after a press until it sees one.)
        PostMessageW(list->hWnd(), WM_RBUTTONUP, 0, MAKELPARAM(10, 30));
        SendMessageW(list->hWnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 30));
        LoadedMain::Pump();
        EXPECT_TRUE(IsWindow(window->hWnd()));
    }
}

TEST(SideListBoxFocus, DropButtonDropsTheBoxWideEnoughForTheLongestName)
{
    LoadedMain window("[fwMain]\r\nchRange=1\r\n");
    ASSERT_TRUE(window.Loaded());
    Runtime::ComboBox& box = window->cbRange;
    ASSERT_GT(box.ListCount(), 100);
    SendMessageW(window->bbRange.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(window->bbRange.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    LoadedMain::Pump();
    EXPECT_TRUE(box.HasFocus());
    EXPECT_TRUE(box.DroppedDown());

    // The drop-down is as wide as the longest name needs, never narrower
    // than the box.
    HDC dc = GetDC(box.hWnd());
    HGDIOBJ old = SelectObject(dc, box.FontHandle());
    int longest = 0;
    for (int i = 0; i < box.ListCount(); ++i) {
        const std::wstring name = box.List(i);
        SIZE size{};
        GetTextExtentPoint32W(dc, name.c_str(), static_cast<int>(name.size()), &size);
        longest = std::max(longest, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(box.hWnd(), dc);
    EXPECT_GE(box.DropWidth(), longest);
    EXPECT_GE(box.DropWidth(), box.Width());
    box.SetDroppedDown(false);
}

TEST(SideListBox, ChoosingABlockInTheBoxSelectsItInTheListAndFillsTheTable)
{
    LoadedMain window("[fwMain]\r\nchRange=1\r\n");
    ASSERT_TRUE(window.Loaded());
    Runtime::ComboBox& box = window->cbRange;
    int arrows = -1;
    for (int i = 0; i < box.ListCount(); ++i)
        if (box.List(i) == L"Arrows") arrows = i;
    ASSERT_GE(arrows, 0);
    box.SetListIndex(arrows);
    LoadedMain::Pump();
    ASSERT_NE(window->lvRange.SelectedItem(), nullptr);
    EXPECT_EQ(window->lvRange.SelectedItem()->Key(), L"D.8592");
    EXPECT_EQ(window->BlockFirst, 0x2190);
    EXPECT_EQ(window->tlCell[0].Tag, L"8592");
    EXPECT_EQ(window->CurrentCell, 0);

    // The block already current: nothing moves.
    window->CurrentCell = 5;
    box.SetListIndex(-1);
    box.SetListIndex(arrows);
    EXPECT_EQ(window->CurrentCell, 5);
}

// A saved block that the saved font does not claim, with only the font's
// blocks listed, moves to the listed block the rebuild picks; the table
// then starts at that block with its first cell selected. The font is
// named: which blocks are listed is the font's.
TEST(SideListStart, SavedBlockNotListedForTheFontMovesToAListedOne)
{
    const std::wstring font = MainWinTest::kDejaVuSans;
    const std::string fontSetting = "lvFont=" + std::string(font.begin(), font.end()) + "\r\n";
    std::vector<CharData::ListedBlock> listed;
    {
        LoadedMain first("[fwMain]\r\nchRange=0\r\n" + fontSetting);
        ASSERT_TRUE(first.Loaded());
        ASSERT_NE(first->lvFont.SelectedItem(), nullptr);
        ASSERT_EQ(first->lvFont.SelectedItem()->Text(), font);
        for (const auto& item : first->lvRange.ListItems()) {
            auto key = CharData::KeyNumber(item->Key());
            ASSERT_TRUE(key.has_value());
            listed.push_back({*key, std::stoi(item->Tag)});
        }
    }
    ASSERT_FALSE(listed.empty());
    std::optional<std::int32_t> unlisted;
    for (const CharData::Subrange& row : CharData::SubrangeTable()) {
        bool isListed = std::any_of(listed.begin(), listed.end(),
                                    [&](const CharData::ListedBlock& b) { return b.First == row.First; });
        if (!isListed) {
            unlisted = row.First;
            break;
        }
    }
    ASSERT_TRUE(unlisted.has_value()) << "the font claims every block";
    const std::int32_t expected = *CharData::FindRangeIndex(*unlisted, listed);

    std::string settings = "[fwMain]\r\nchRange=0\r\nlvRange=" + std::to_string(*unlisted) + "\r\n" + fontSetting;
    LoadedMain window(settings);
    ASSERT_TRUE(window.Loaded());
    EXPECT_EQ(window->BlockFirst, expected) << "saved block " << *unlisted;
    ASSERT_NE(window->lvRange.SelectedItem(), nullptr);
    EXPECT_EQ(window->lvRange.SelectedItem()->Key(), CharData::RangeKey(expected));
    EXPECT_EQ(window->tlCell[0].Tag, std::to_wstring(expected));
    EXPECT_EQ(window->CurrentCell, 0);
    ASSERT_TRUE(window.Unload());
    wchar_t stored[32] = {};
    GetPrivateProfileStringW(L"fwMain", L"lvRange", L"", stored, 32, window.Settings().c_str());
    EXPECT_EQ(std::wstring(stored), std::to_wstring(expected));
}

TEST(SideListStart, TheCellPanelHasTheCellsHelpTopicAndThePopupMenusAreHidden)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    EXPECT_EQ(window->pbTable.WhatsThisHelpID, 105);
    EXPECT_EQ(window->pbTable.WhatsThisHelpID, window->tlCell[0].WhatsThisHelpID);
    EXPECT_FALSE(window->mType.Visible());
}

} // namespace

namespace {

// Both lists' first columns start at the list's width (less 4 pixels for
// the fonts) and grow to the widest name plus 12 pixels, measured in the
// window's font.
TEST(SideListStart, FirstColumnsFitTheWidestName)
{
    LoadedMain window("[fwMain]\r\nchRange=1\r\n");
    ASSERT_TRUE(window.Loaded());
    struct {
        Runtime::ListView* list;
        int least;
    } lists[] = {{&window->lvFont, window->lvFont.Width() - 4}, {&window->lvRange, window->lvRange.Width()}};
    for (const auto& l : lists) {
        SCOPED_TRACE(std::string(l.list->Name().begin(), l.list->Name().end()));
        int widest = l.least;
        for (const auto& item : l.list->ListItems()) widest = std::max(widest, window->TextWidth(item->Text()) + 12);
        EXPECT_EQ(l.list->ColumnHeaders()(1).Width(), widest);
    }
}

} // namespace

namespace {

// A font that claims no block, with only the font's blocks listed: the
// block list and the box are left empty and the table as it was.
TEST(SideListStart, AFontClaimingNoBlockLeavesTheListsEmptyAndTheTableAsItWas)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    ASSERT_EQ(window->chRange.Value(), 0);
    const std::wstring pageFirst = window->tlCell[0].Tag;
    const std::int32_t block = window->BlockFirst;
    const int cell = window->CurrentCell;
    window->FontSubsetBits = std::wstring(128, L'0');
    window->chRange_Click();
    EXPECT_EQ(window->lvRange.ListItems().Count(), 0);
    EXPECT_EQ(window->cbRange.ListCount(), 0);
    EXPECT_EQ(window->tlCell[0].Tag, pageFirst);
    EXPECT_EQ(window->BlockFirst, block);
    EXPECT_EQ(window->CurrentCell, cell);
    // Choosing in the empty box and the empty list's keys do nothing.
    window->cbRange_Click();
    int key = 'C';
    window->lvRange_KeyDown(key, Runtime::CtrlMask);
    EXPECT_EQ(window->tlCell[0].Tag, pageFirst);
}

} // namespace
