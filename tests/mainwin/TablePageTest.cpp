// The character table's page in the loaded window: how a page is laid over
// the listed blocks (pull-back at the end of the list, short lists, gaps,
// row headers, separator lines), blank cells, the paint states and the
// focus; and screenshots of a filled page in two fonts.
#include "tests/mainwin/LoadedMain.h"
#include "tests/mainwin/TablePages.h"
#include "tests/support/Screenshot.h"

#include <gtest/gtest.h>

#include "chardata/RangeList.h"
#include "common/ListHelpers.h"

namespace {

using namespace MainWinTest;

constexpr int kBasicLatinBit = 0, kLatin1Bit = 1, kGreekBit = 7, kCyrillicBit = 9;

std::vector<std::wstring> RowHeaders(const fwMain& main)
{
    std::vector<std::wstring> headers;
    for (const auto& button : main.bbFixVer) headers.push_back(button->Caption());
    return headers;
}

std::vector<int> LineRows(const fwMain& main)
{
    std::vector<int> rows;
    for (int r = 0; r < 16; ++r)
        if (main.loTable[r].Visible) rows.push_back(r);
    return rows;
}

struct PageCase {
    const char* what;
    std::vector<int> bits;              // listed blocks; empty = all 162
    std::int32_t code;                  // FillTable from
    int cellBefore;                     // CurrentCell before the fill
    std::int32_t firstCode;             // code point of cell 0
    int currentCell;                    // CurrentCell after the fill
    int lastCodeCell;                   // the last cell the page reaches
    std::vector<std::wstring> headers;  // the 16 row headers
    std::vector<int> lines;             // rows with a separator line under them
    bool barAtMax;
};

const PageCase kPageCases[] = {
    {"two blocks from U+0041: pulled back by 64", {kBasicLatinBit, kLatin1Bit}, 0x41, 0, 0x00, 64, 255,
     {L"000", L"001", L"002", L"003", L"004", L"005", L"006", L"007", L"008", L"009", L"00A", L"00B", L"00C", L"00D",
      L"00E", L"00F"},
     {7}, true},
    {"Basic Latin alone: half a page, the selection in row 0", {kBasicLatinBit}, 0x00, 5, 0x00, 0, 127,
     {L"000", L"001", L"002", L"003", L"004", L"005", L"006", L"007", L"", L"", L"", L"", L"", L"", L"", L""},
     {7}, true},
    {"Mandaic to Arabic Extended-A: the headers jump over the gap", {}, 0x840, 3, 0x840, 3, 255,
     {L"084", L"085", L"08A", L"08B", L"08C", L"08D", L"08E", L"08F", L"090", L"091", L"092", L"093", L"094", L"095",
      L"096", L"097"},
     {1, 7}, false},
    {"a line at a block end without a gap", {}, 0x2E80, 0, 0x2E80, 0, 255,
     {L"2E8", L"2E9", L"2EA", L"2EB", L"2EC", L"2ED", L"2EE", L"2EF", L"2F0", L"2F1", L"2F2", L"2F3", L"2F4", L"2F5",
      L"2F6", L"2F7"},
     {7}, false},
    {"the last page of all blocks: pulled back into the block before", {}, 0xFFF0, 17, 0xFF00, 240, 255,
     {L"FF0", L"FF1", L"FF2", L"FF3", L"FF4", L"FF5", L"FF6", L"FF7", L"FF8", L"FF9", L"FFA", L"FFB", L"FFC", L"FFD",
      L"FFE", L"FFF"},
     {14}, true},
};

class TablePage : public ::testing::TestWithParam<PageCase> {};

TEST_P(TablePage, LaysThePageOverTheListedBlocks)
{
    const PageCase& c = GetParam();
    LoadedMain main;
    if (c.bits.empty()) ListAllBlocks(*main);
    else if (c.bits.size() == 1) ListBlocksOfBits(*main, {c.bits[0]});
    else ListBlocksOfBits(*main, {c.bits[0], c.bits[1]});
    ShowPage(*main, c.code, c.cellBefore);

    EXPECT_EQ(CodeIn(*main, 0), c.firstCode) << c.what;
    EXPECT_EQ(main->CurrentCell, c.currentCell) << c.what;
    EXPECT_EQ(main->LastCodeCell(), c.lastCodeCell) << c.what;
    EXPECT_EQ(RowHeaders(*main), c.headers) << c.what;
    EXPECT_EQ(LineRows(*main), c.lines) << c.what;
    EXPECT_EQ(main->sbTable.Value() == main->sbTable.Max(), c.barAtMax) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Pages, TablePage, ::testing::ValuesIn(kPageCases));

TEST(TablePage, PullBackSelectsTheCellOfTheCodeGiven)
{
    LoadedMain main;
    ListBlocksOfBits(*main, {kBasicLatinBit, kLatin1Bit});
    ShowPage(*main, 0x41);
    EXPECT_EQ(main->CellCode(main->CurrentCell), 0x40);
    EXPECT_EQ(main->BlockFirst, 0);
    EXPECT_EQ(main->TableScrollValue, main->sbTable.Value());
}

TEST(TablePage, CellsBeyondAShortListHoldNoCharacter)
{
    LoadedMain main;
    ListBlocksOfBits(*main, {kBasicLatinBit});
    ShowPage(*main, 0);
    for (int i = 0; i < 256; ++i) {
        const TableCell& cell = main->tlCell[i];
        if (i < 128) {
            EXPECT_TRUE(cell.HasCode) << i;
            EXPECT_EQ(cell.Tag, std::to_wstring(i)) << i;
        } else {
            EXPECT_FALSE(cell.HasCode) << i;
            EXPECT_EQ(cell.Tag, L"0") << i;
            EXPECT_EQ(cell.Caption, L"") << i;
            EXPECT_EQ(cell.Picture, -1) << i;
        }
    }
    // Cell 0 holds U+0000 itself and shows its details.
    EXPECT_EQ(main->CurrentCell, 0);
    EXPECT_EQ(main->pbStatus[0]->Panels()(L"Hex").Text(), L"U+0000");
}

TEST(TablePage, CellsBeforeTheFirstListedBlockAreEmptyButKeepTheirCodes)
{
    LoadedMain main;
    ListBlocksOfBits(*main, {kGreekBit, kCyrillicBit});
    ShowPage(*main, 0x380);
    main->PageUp();
    EXPECT_EQ(CodeIn(*main, 0), 0x280);
    for (int i = 0; i < 240; ++i) {
        EXPECT_EQ(CodeIn(*main, i), 0x280 + i);
        EXPECT_EQ(main->tlCell[i].Caption, L"") << i;
        EXPECT_EQ(main->tlCell[i].Picture, 0) << i;
    }
    EXPECT_EQ(main->tlCell[240].Caption, std::wstring(1, wchar_t(0x370)));
    EXPECT_EQ(main->bbFixVer[0]->Caption(), L"028");
    EXPECT_EQ(main->bbFixVer[15]->Caption(), L"037");
}

TEST(TablePage, UnassignedAndUncoveredCodePointsLookAlike)
{
    LoadedMain main;
    ListAllBlocks(*main);
    // A font that covers U+0370..U+0377 only.
    const CharData::GlyphRange ranges[] = {{0x370, 8}};
    main->FontGlyphSet = CharData::FontGlyphSet::FromRanges(ranges);
    ShowPage(*main, 0x370);
    ASSERT_EQ(main->CharNames.GetCharName(0x378), L"Undefined");
    struct {
        int cell;
        std::wstring caption;
        int picture;
    } const cases[] = {
        {0x0, std::wstring(1, wchar_t(0x370)), -1}, // covered and named
        {0x8, L" ", 0},                             // unassigned (U+0378)
        {0x10, L" ", 0},                            // named but not covered (U+0380 is unassigned too)
        {0x21, L" ", 0},                            // U+0391 Greek capital alpha, not covered
    };
    for (const auto& c : cases) {
        const TableCell& cell = main->tlCell[c.cell];
        EXPECT_EQ(cell.Caption, c.caption) << c.cell;
        EXPECT_EQ(cell.Picture, c.picture) << c.cell;
        EXPECT_EQ(cell.Tag, std::to_wstring(0x370 + c.cell)) << c.cell;
    }
}

TEST(TablePage, PaintStates)
{
    LoadedMain main;
    ListAllBlocks(*main);
    ShowPage(*main, 0x370);
    struct {
        int state;
        Runtime::OleColor back, fore;
        int emptyPicture;
    } const cases[] = {
        {0, 0x80000005u, 0x80000008u, 0},
        {1, 0x8000000Du, 0x8000000Eu, 0},
        {2, 0x8000000Fu, 0x80000008u, 1},
    };
    for (const auto& c : cases) {
        main->tlCell[0x8].Caption.clear(); // an empty cell takes the state's picture
        main->PaintCell(0x8, c.state);
        main->PaintCell(0x1, c.state);
        EXPECT_EQ(main->tlCell[0x8].BackColor, c.back) << c.state;
        EXPECT_EQ(main->tlCell[0x8].ForeColor, c.fore) << c.state;
        EXPECT_EQ(main->tlCell[0x8].Picture, c.emptyPicture) << c.state;
        EXPECT_EQ(main->tlCell[0x1].Picture, -1) << c.state; // a cell with a caption keeps its picture
    }
    const TableCell before = main->tlCell[0x8];
    for (int state : {3, -1, 99}) {
        main->PaintCell(0x8, state);
        EXPECT_EQ(main->tlCell[0x8].BackColor, before.BackColor) << state;
        EXPECT_EQ(main->tlCell[0x8].Picture, before.Picture) << state;
    }
}

TEST(TableFocus, PaintsTheSelectedCell)
{
    LoadedMain main;
    // Shown with the focus in the font list (the first activation ran):
    // selected, without the focus.
    EXPECT_FALSE(main->FormLoaded);
    LoadedMain::Pump();
    EXPECT_TRUE(main->lvFont.HasFocus());
    EXPECT_EQ(main->tlCell[main->CurrentCell].BackColor, 0x8000000Fu);
    ListAllBlocks(*main);
    ShowPage(*main, 0x41, 1);
    main->pbTable.SetFocus();
    EXPECT_EQ(main->tlCell[1].BackColor, 0x8000000Du);
    main->tbCopy.SetFocus();
    EXPECT_EQ(main->tlCell[1].BackColor, 0x8000000Fu);
    main->pbTable.SetFocus();
    EXPECT_EQ(main->tlCell[1].BackColor, 0x8000000Du);
}

// A filled page in two fonts, for a person to look at.
TEST(TablePage, Screenshots)
{
    LoadedMain main;
    const struct {
        const wchar_t* face;
        const char* file;
    } fonts[] = {{L"DejaVu Sans", "table-dejavu-sans"}, {L"DejaVu Serif", "table-dejavu-serif"},
                 {L"Tahoma", "table-tahoma"}};
    int shots = 0;
    for (const auto& font : fonts) {
        if (shots == 2 || Common::ListFind(main->lvFont, font.face, true, false) < 0) continue;
        main->lvFont_ItemClick(main->lvFont.SelectedItem());
        ++main->EventsBusy;
        main->chRange.SetValue(1);
        --main->EventsBusy;
        main->chRange_Click();
        ShowPage(*main, 0x370, 0x21);
        main->pbTable.SetFocus();
        LoadedMain::Pump();
        EXPECT_FALSE(TestSupport::SaveWindowScreenshot(main->hWnd(), font.file).empty()) << font.file;
        ++shots;
    }
    EXPECT_EQ(shots, 2);
}

} // namespace
