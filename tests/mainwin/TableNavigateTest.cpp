// Moving the loaded window's table: row and page moves across blocks and
// gaps, the ends of the list, Ctrl+Home and Ctrl+End, the scroll bar
// (steps, pages, thumb drag) kept in step with the page, short lists whose
// page ends before cell 255, and the table's copy key.
#include "tests/mainwin/LoadedMain.h"
#include "tests/mainwin/TablePages.h"

#include <gtest/gtest.h>

#include "chardata/RangeListView.h"
#include "runtime/Clipboard.h"

namespace {

using namespace MainWinTest;

constexpr int kBasicLatinBit = 0, kLatin1Bit = 1, kGreekBit = 7, kCyrillicBit = 9;

struct KeyCase {
    const char* what;
    std::vector<int> bits;      // listed blocks; empty = all 162
    std::int32_t page;          // the page shown before the key
    int cell;                   // the cell selected before the key
    int key;
    bool ctrl;
    std::int32_t firstAfter;    // code point of cell 0 after the key
    int cellAfter;              // CurrentCell after the key
    std::int32_t codeAfter;     // the selected code point after the key
    std::int32_t blockAfter;    // BlockFirst after the key
};

const KeyCase kKeyCases[] = {
    {"Left inside the page", {}, 0x40, 5, VK_LEFT, false, 0x40, 4, 0x44, 0x0},
    {"Right inside the page", {}, 0x40, 5, VK_RIGHT, false, 0x40, 6, 0x46, 0x0},
    {"Home: start of the row", {}, 0x40, 0x25, VK_HOME, false, 0x40, 0x20, 0x60, 0x0},
    {"End: end of the row", {}, 0x40, 0x25, VK_END, false, 0x40, 0x2F, 0x6F, 0x0},
    {"Up in row 1", {}, 0x40, 0x15, VK_UP, false, 0x40, 0x05, 0x45, 0x0},
    {"Down in row 0", {}, 0x40, 0x05, VK_DOWN, false, 0x40, 0x15, 0x55, 0x0},
    {"Left on cell 0 moves a row up", {}, 0x40, 0, VK_LEFT, false, 0x30, 15, 0x3F, 0x0},
    {"Right on cell 255 moves a row down", {}, 0x40, 255, VK_RIGHT, false, 0x50, 240, 0x140, 0x100},
    {"Up in row 0 from Greek: the last row of the block before", {}, 0x370, 3, VK_UP, false, 0x360, 3, 0x363,
     0x300},
    {"Up on the first listed row does nothing", {}, 0x0, 3, VK_UP, false, 0x0, 3, 0x3, 0x0},
    {"Down in row 15 keeps the cell: the character moves", {}, 0x40, 0xF3, VK_DOWN, false, 0x50, 0xF3, 0x143,
     0x100},
    {"Down in row 15 at the end of the list does nothing", {kBasicLatinBit, kLatin1Bit}, 0x0, 0xF3, VK_DOWN, false,
     0x0, 0xF3, 0xF3, 0x80},
    {"Page Down by a page", {}, 0x0, 7, VK_NEXT, false, 0x100, 7, 0x107, 0x100},
    {"Page Down from a block's end skips the gap", {}, 0x760, 7, VK_NEXT, false, 0x8A0, 7, 0x8A7, 0x8A0},
    {"Page Up to U+0000 when less than a page lies before", {}, 0x80, 0x17, VK_PRIOR, false, 0x0, 0x7, 0x7, 0x0},
    {"Page Up before the first listed block", {kGreekBit, kCyrillicBit}, 0x380, 0xF2, VK_PRIOR, false, 0x280, 0x2,
     0x282, 0x370},
    {"Page Up by a page", {}, 0x200, 0x31, VK_PRIOR, false, 0x100, 0x31, 0x131, 0x100},
    {"Ctrl+Home: the first listed block", {}, 0x2000, 0x31, VK_HOME, true, 0x0, 0, 0x0, 0x0},
    {"Ctrl+End: the last 256 listed code points", {}, 0x2000, 0x31, VK_END, true, 0xFF00, 255, 0xFFFF, 0xFFF0},
};

class TableKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(TableKeys, MoveThePageAndTheSelection)
{
    const KeyCase& c = GetParam();
    LoadedMain main;
    if (c.bits.empty()) ListAllBlocks(*main);
    else ListBlocksOfBits(*main, {c.bits[0], c.bits[1]});
    ShowPage(*main, c.page, c.cell);
    ASSERT_EQ(main->CurrentCell, c.cell) << c.what;
    PressTableKey(*main, c.key, c.ctrl);
    EXPECT_EQ(CodeIn(*main, 0), c.firstAfter) << c.what;
    EXPECT_EQ(main->CurrentCell, c.cellAfter) << c.what;
    EXPECT_EQ(main->CellCode(main->CurrentCell), c.codeAfter) << c.what;
    EXPECT_EQ(main->BlockFirst, c.blockAfter) << c.what;
    ASSERT_NE(main->lvRange.SelectedItem(), nullptr) << c.what;
    EXPECT_EQ(main->lvRange.SelectedItem()->Key(), L"D." + std::to_wstring(c.blockAfter)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Keys, TableKeys, ::testing::ValuesIn(kKeyCases));

// Moves the table's scroll bar as the mouse does: a step or page click, or
// a thumb drag to `value`.
void ScrollBarStep(fwMain& main, int code)
{
    SendMessageW(GetParent(main.sbTable.hWnd()), WM_VSCROLL, MAKEWPARAM(code, 0),
                 reinterpret_cast<LPARAM>(main.sbTable.hWnd()));
}

void DragThumb(fwMain& main, int value)
{
    HWND bar = main.sbTable.hWnd();
    SendMessageW(GetParent(bar), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, value), reinterpret_cast<LPARAM>(bar));
    SendMessageW(GetParent(bar), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, value), reinterpret_cast<LPARAM>(bar));
    SendMessageW(GetParent(bar), WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(bar));
}

TEST(TableScrollBar, FollowsTheBlockList)
{
    LoadedMain main;
    ListAllBlocks(*main);
    EXPECT_EQ(main->ListedCount, 65424);
    EXPECT_EQ(main->sbTable.Max(), 4088);
    ShowPage(*main, 0x0);
    EXPECT_EQ(main->sbTable.Value(), 0);
    ShowPage(*main, 0x8A0); // U+08A0 is listed code point 2,145 (0860-089F are not listed)
    EXPECT_EQ(main->sbTable.Value(), 134); // 4,089 x 2,145 / 65,424 = 134.06
}

TEST(TableScrollBar, ThumbDragShowsThePageOfItsShare)
{
    LoadedMain main;
    ListAllBlocks(*main);
    ShowPage(*main, 0x0, 5);
    DragThumb(*main, 2044);
    // 32,712 listed code points lie before the one shown: the gaps 0860-089F
    // and 1C90-1CBF (64 + 48 code points) come before it.
    const std::int32_t expected = 32712 + 64 + 48;
    EXPECT_EQ(CodeIn(*main, 0), expected & ~0xF);
    EXPECT_EQ(main->CurrentCell, 5);
    EXPECT_EQ(main->TableScrollValue, main->sbTable.Value());
    // The fill's own selection is ignored while the bar moves the page.
    EXPECT_EQ(main->pbStatus[0]->Panels()(L"Hex").Text(), L"");
}

TEST(TableScrollBar, StepsAndPages)
{
    LoadedMain main;
    ListAllBlocks(*main);
    ShowPage(*main, 0x100, 0x25);
    const int start = main->sbTable.Value();
    ScrollBarStep(*main, SB_LINEDOWN);
    EXPECT_EQ(CodeIn(*main, 0), 0x110);
    EXPECT_EQ(main->CurrentCell, 0x15); // the selection stays on its character
    EXPECT_EQ(main->CellCode(main->CurrentCell), 0x125);
    ScrollBarStep(*main, SB_LINEUP);
    EXPECT_EQ(CodeIn(*main, 0), 0x100);
    EXPECT_EQ(main->CellCode(main->CurrentCell), 0x125);
    EXPECT_EQ(main->sbTable.Value(), start);
    ScrollBarStep(*main, SB_PAGEDOWN);
    EXPECT_EQ(CodeIn(*main, 0), 0x200);
    ScrollBarStep(*main, SB_PAGEUP);
    EXPECT_EQ(CodeIn(*main, 0), 0x100);
}

TEST(TableScrollBar, StepAtTheTopKeepsTheSelection)
{
    LoadedMain main;
    ListAllBlocks(*main);
    ShowPage(*main, 0x0, 0x25);
    // The program moves the bar off the top; the user steps back up to 0.
    ++main->EventsBusy;
    main->sbTable.SetValue(1);
    main->TableScrollValue = 1;
    --main->EventsBusy;
    ScrollBarStep(*main, SB_LINEUP);
    EXPECT_EQ(CodeIn(*main, 0), 0x0);
    EXPECT_EQ(main->CurrentCell, 0x25);
}

TEST(TableScrollBar, CtrlEndPutsTheThumbAtTheBottom)
{
    LoadedMain main;
    ListAllBlocks(*main);
    ShowPage(*main, 0x2000);
    PressTableKey(*main, VK_END, true);
    EXPECT_EQ(main->sbTable.Value(), main->sbTable.Max());
    EXPECT_EQ(main->TableScrollValue, main->sbTable.Max());
}

// Basic Latin alone fills half a page: cells 128-255 hold no character.
// No move may treat them as U+0000.
TEST(ShortList, MovesStayOnTheListedCells)
{
    struct {
        const char* what;
        int cell;
        int key;
        bool ctrl;
        int cellAfter;
    } const cases[] = {
        {"Page Down", 0x41, VK_NEXT, false, 0x41},
        {"Page Up", 0x41, VK_PRIOR, false, 0x1},
        {"Down from row 7", 0x75, VK_DOWN, false, 0x75},
        {"Right from the last character", 0x7F, VK_RIGHT, false, 0x7F},
        {"End of row 7", 0x70, VK_END, false, 0x7F},
        {"Ctrl+End: the last character", 0x41, VK_END, true, 0x7F},
        {"Up from row 7", 0x75, VK_UP, false, 0x65},
    };
    LoadedMain main;
    ListBlocksOfBits(*main, {kBasicLatinBit});
    for (const auto& c : cases) {
        ShowPage(*main, 0x0);
        ClickCell(*main, c.cell);
        ASSERT_EQ(main->CurrentCell, c.cell) << c.what;
        PressTableKey(*main, c.key, c.ctrl);
        EXPECT_EQ(CodeIn(*main, 0), 0) << c.what;
        EXPECT_EQ(main->CurrentCell, c.cellAfter) << c.what;
        EXPECT_TRUE(main->tlCell[main->CurrentCell].HasCode) << c.what;
        EXPECT_EQ(main->pbStatus[0]->Panels()(L"Hex").Text(),
                  L"U+00" + std::wstring(1, L"01234567"[c.cellAfter / 16]) +
                      std::wstring(1, L"0123456789ABCDEF"[c.cellAfter % 16]))
            << c.what;
    }
}

std::wstring ClipboardUnicodeText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = p;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

TEST(TableCopyKey, CopiesTheSelectedCharacterInTheChosenForm)
{
    LoadedMain main;
    ListAllBlocks(*main);
    ShowPage(*main, 0x20);
    ClickCell(*main, 0xA); // U+002A ASTERISK
    const struct {
        int format;
        std::wstring text;   // expected Unicode text on the clipboard, empty for a bitmap
    } cases[] = {
        {0, L"*"},
        {6, L"&#x002a;"},
        {7, L"&#42;"},
        {9, std::wstring(main->CharNames.GetCharName(0x2A))},
        {11, L"&ast;"},
        {10, L""},
    };
    for (const auto& c : cases) {
        main->obFormat[c.format]->SetValue(true);
        ASSERT_EQ(main->CopyFormat, c.format);
        PressTableKey(*main, 'C', true);
        if (c.text.empty()) {
            EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP)) << c.format;
        } else {
            EXPECT_EQ(ClipboardUnicodeText(), c.text) << c.format;
        }
    }
}

} // namespace
