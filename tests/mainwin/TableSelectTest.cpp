// Selecting a cell of the loaded window's table: the details shown for the
// character (code, name, entity box, the SGML and picture forms), the block
// list following the selection, the copy box fed by a double click or Enter,
// and cells that hold no character.
#include "tests/mainwin/LoadedMain.h"
#include "tests/mainwin/TablePages.h"

#include <gtest/gtest.h>

namespace {

using namespace MainWinTest;

constexpr int kPicture = 10, kSgml = 11;

struct DetailCase {
    const char* what;
    std::int32_t code;
    std::wstring hex;
    bool named;                      // the "Name" panel is a real name, not "Undefined"
    std::vector<std::wstring> rows;  // the entity box's rows
    std::wstring ie;                 // tlEntity and column 1 of row 0
    bool dropButton;
    bool sgml;
};

const DetailCase kDetailCases[] = {
    {"quotation mark: one entity, marked ie", 0x22, L"U+0022", true, {L"&quot;"}, L"ie", false, true},
    {"asterisk: two entities", 0x2A, L"U+002A", true, {L"&ast;", L"&midast;"}, L"", true, true},
    {"letter A: no entity", 0x41, L"U+0041", true, {}, L"", false, false},
    {"unassigned U+0378", 0x378, L"U+0378", false, {}, L"", false, false},
};

class CellDetails : public ::testing::TestWithParam<DetailCase> {};

TEST_P(CellDetails, ShowTheSelectedCharacter)
{
    const DetailCase& c = GetParam();
    LoadedMain main;
    ListAllBlocks(*main);
    ShowPage(*main, c.code & ~0xF);
    ClickCell(*main, c.code & 0xF);

    EXPECT_EQ(main->CellCode(main->CurrentCell), c.code) << c.what;
    EXPECT_EQ(main->pbStatus[0]->Panels()(L"Hex").Text(), c.hex) << c.what;
    const std::wstring name = main->pbStatus[0]->Panels()(L"Name").Text();
    EXPECT_EQ(name, std::wstring(main->CharNames.GetCharName(c.code))) << c.what;
    EXPECT_EQ(name != L"Undefined" && !name.empty(), c.named) << c.what << " " << std::string(name.begin(), name.end());

    std::vector<std::wstring> rows;
    for (int i = 0; i < main->cbEntity.ListCount(); ++i) rows.push_back(main->cbEntity.List(i, 0));
    EXPECT_EQ(rows, c.rows) << c.what;
    EXPECT_EQ(main->cbEntity.ListIndex(), c.rows.empty() ? -1 : 0) << c.what;
    if (!c.rows.empty()) EXPECT_EQ(main->cbEntity.List(0, 1), c.ie) << c.what;
    EXPECT_EQ(main->tlEntity.Caption(), c.ie) << c.what;
    EXPECT_EQ(main->cbEntity.ShowDropButton(), c.dropButton) << c.what;
    EXPECT_EQ(main->obFormat[kSgml]->Enabled(), c.sgml) << c.what;
    // Every listed cell shows a character or a blank: the picture form stays.
    EXPECT_TRUE(main->obFormat[kPicture]->Enabled()) << c.what;
    EXPECT_TRUE(main->bbReset.Enabled()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Characters, CellDetails, ::testing::ValuesIn(kDetailCases));

TEST(CellSelection, TheLargeViewShowsTheCellsCaption)
{
    LoadedMain main;
    ListAllBlocks(*main);
    ShowPage(*main, 0x370);
    ClickCell(*main, 0x1);
    EXPECT_NE(main->tlView.Caption().find(wchar_t(0x371)), std::wstring::npos);
    ClickCell(*main, 0x8); // U+0378, unassigned: a blank
    EXPECT_FALSE(main->tlView.Caption().empty());
    EXPECT_EQ(main->tlView.Caption().find_first_not_of(L' '), std::wstring::npos);
}

TEST(CellSelection, FormsThatTheCharacterLacksFallBackToUnicode)
{
    LoadedMain main;
    ListAllBlocks(*main);
    ShowPage(*main, 0x20);
    ClickCell(*main, 0x2); // U+0022 has an entity
    main->obFormat[kSgml]->SetValue(true);
    ASSERT_EQ(main->CopyFormat, kSgml);
    ClickCell(*main, 0x2); // the same cell again keeps it
    EXPECT_EQ(main->CopyFormat, kSgml);
    ClickCell(*main, 0x10); // U+0030 has none
    EXPECT_EQ(main->CopyFormat, 0);
    EXPECT_FALSE(main->obFormat[kSgml]->Enabled());
}

TEST(CellSelection, TheGlyphPatternIsOfferedForMarks)
{
    const struct {
        std::int32_t code;
        bool pattern;
    } cases[] = {
        {0x0301, true},  // combining acute accent: a nonspacing mark
        {0x006A, true},  // j: overhangs its cell on the left
        {0x0041, false}, // A
    };
    LoadedMain main;
    ASSERT_TRUE(ChooseFont(*main, kDejaVuSans)); // the overhang is the font's
    ListAllBlocks(*main);
    for (const auto& c : cases) {
        ShowPage(*main, c.code & ~0xF);
        ClickCell(*main, c.code & 0xF);
        EXPECT_EQ(main->chView.Enabled(), c.pattern) << c.code;
        if (c.pattern) EXPECT_NE(main->ibView.Picture().Type(), Runtime::Picture::None) << c.code;
    }
}

// The details belong to the character selected. A cell before the first
// listed block shows no character: the picture form falls back to
// "Unicode" and no type classes of the character before stay. A click on
// the selected cell itself keeps the search inputs, another clears them.
TEST(CellSelection, ACellOutsideTheListedBlocksKeepsNothingOfTheOneBefore)
{
    LoadedMain main;
    ListBlocksOfBits(*main, {7, 9}); // Greek first: the page before it is empty
    ShowPage(*main, 0x380);
    main->PageUp();
    ClickCell(*main, 0xF1); // U+0371
    EXPECT_NE(main->pbStatus[0]->Panels()(L"Type").Text(), L"");
    main->obFormat[kPicture]->SetValue(true);
    ASSERT_EQ(main->CopyFormat, kPicture);
    main->cbSearch.SetText(L"alpha"); // a name search waits for its button
    ClickCell(*main, 0xF1);
    EXPECT_EQ(main->cbSearch.Text(), L"alpha");

    ClickCell(*main, 0x10); // U+0290: no caption
    EXPECT_EQ(main->tlView.Caption(), L"");
    EXPECT_FALSE(main->obFormat[kPicture]->Enabled());
    EXPECT_EQ(main->CopyFormat, 0);
    EXPECT_EQ(main->pbStatus[0]->Panels()(L"Type").Text(), L"");
    for (const auto& item : main->mTypeList) EXPECT_EQ(item->Caption(), L"");
    EXPECT_EQ(main->cbSearch.Text(), L"");
}

TEST(CellSelection, TheBlockListFollowsTheSelection)
{
    LoadedMain main;
    ListAllBlocks(*main);
    ShowPage(*main, 0x840); // Mandaic, then Arabic Extended-A from row 2
    ASSERT_EQ(main->BlockFirst, 0x840);
    ClickCell(*main, 0x20);
    EXPECT_EQ(main->BlockFirst, 0x8A0);
    ASSERT_NE(main->lvRange.SelectedItem(), nullptr);
    EXPECT_EQ(main->lvRange.SelectedItem()->Text(), L"Arabic Extended-A");
}

// A user's click clears the last message and takes the focus to the table
// (whose got-focus handler must not select a second time); a selection by
// the program keeps both. Focus changes later select again.
TEST(TableFocus, UserAndProgramSelections)
{
    const struct {
        const char* what;
        bool user;
    } cases[] = {{"user's click", true}, {"program's selection", false}};
    for (const auto& c : cases) {
        LoadedMain main;
        ListAllBlocks(*main);
        ShowPage(*main, 0x40);
        main->tbCopy.SetFocus();
        main->pbStatus[1]->Panels()(L"Message").SetText(L"message");
        if (c.user) {
            ClickCell(*main, 0x22);
        } else {
            main->ProgramSelect = true;
            main->tlCell_Click(0x22);
            main->ProgramSelect = false;
        }
        EXPECT_EQ(main->CurrentCell, 0x22) << c.what;
        EXPECT_EQ(main->pbTable.HasFocus(), c.user) << c.what;
        EXPECT_EQ(main->tlCell[0x22].BackColor, 0x8000000Du) << c.what;
        EXPECT_FALSE(main->FocusSelectSkip) << c.what;
        EXPECT_EQ(main->pbStatus[1]->Panels()(L"Message").Text(), c.user ? L"" : L"message") << c.what;

        main->tbCopy.SetFocus();
        main->pbStatus[1]->Panels()(L"Message").SetText(L"kept");
        main->pbTable.SetFocus();
        EXPECT_EQ(main->tlCell[0x22].BackColor, 0x8000000Du) << c.what;
        EXPECT_EQ(main->pbStatus[1]->Panels()(L"Message").Text(), L"kept") << c.what;
    }
}

TEST(CellSelection, IgnoredWhileTheScrollBarMovesOrOutsideTheCells)
{
    LoadedMain main;
    ListAllBlocks(*main);
    ShowPage(*main, 0x40, 3);
    ++main->EventsBusy;
    main->tlCell_Click(7);
    --main->EventsBusy;
    EXPECT_EQ(main->CurrentCell, 3);
    for (int index : {-1, 256, 1000}) {
        main->tlCell_Click(index);
        EXPECT_EQ(main->CurrentCell, 3) << index;
    }
}

TEST(CopyBox, DoubleClickAndEnterAppendTheCharacter)
{
    LoadedMain main;
    ListAllBlocks(*main);
    ShowPage(*main, 0x40);
    main->tbCopy.SetText(L"x");
    DoubleClickCell(*main, 0x1);
    EXPECT_EQ(main->tbCopy.Text(), L"xA");
    EXPECT_EQ(main->CurrentCell, 0x1);
    PressTableKey(*main, VK_RIGHT);
    PressTableKey(*main, VK_RETURN);
    EXPECT_EQ(main->tbCopy.Text(), L"xAB");
    // An unassigned code point is copied like any other.
    ShowPage(*main, 0x370);
    DoubleClickCell(*main, 0x8);
    EXPECT_EQ(main->tbCopy.Text(), std::wstring(L"xAB") + wchar_t(0x378));
}

// Cells after the end of a short list hold no character (Tag "0"): they
// are not U+0000. A click there selects nothing, a double click adds
// nothing; U+0000 in cell 0 is still a character.
TEST(CopyBox, CellsWithoutACharacterAddNothing)
{
    LoadedMain main;
    ListBlocksOfBits(*main, {0}); // Basic Latin alone: cells 128-255 are empty
    ShowPage(*main, 0x40);
    ClickCell(*main, 0x41);
    main->tbCopy.SetText(L"");
    struct {
        int cell;
        std::wstring copy;
        int current;
        std::wstring hex;
    } const cases[] = {
        {200, L"", 0x41, L"U+0041"},
        {255, L"", 0x41, L"U+0041"},
        {0x42, L"B", 0x42, L"U+0042"},
        {128, L"B", 0x42, L"U+0042"},
    };
    for (const auto& c : cases) {
        DoubleClickCell(*main, c.cell);
        EXPECT_EQ(main->tbCopy.Text(), c.copy) << c.cell;
        EXPECT_EQ(main->CurrentCell, c.current) << c.cell;
        EXPECT_EQ(main->pbStatus[0]->Panels()(L"Hex").Text(), c.hex) << c.cell;
    }
    EXPECT_TRUE(main->tlCell[0].HasCode);
    EXPECT_FALSE(main->tlCell[128].HasCode);
    EXPECT_EQ(main->tlCell[0].Tag, main->tlCell[128].Tag);
}

} // namespace
