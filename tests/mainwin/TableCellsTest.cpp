// How the loaded window's table paints its cells, read back from the cell
// panel's own pixels: the empty-cell pictures in the three paint states,
// and the font the cells are drawn in, which is the one chosen in the font
// list whatever becomes of the list's selection.
#include "tests/mainwin/LoadedMain.h"
#include "tests/mainwin/TablePages.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/Color.h"

namespace {

using namespace MainWinTest;

constexpr int kGreekBit = 7, kCyrillicBit = 9;
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The pixels of a cell as the panel paints it now, row by row.
std::vector<COLORREF> PaintedCell(fwMain& main, int index)
{
    HWND panel = main.pbTable.hWnd();
    RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const TableCell& cell = main.tlCell[index];
    Runtime::ScopedGetDC dc(panel);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < cell.Height; ++y)
        for (int x = 0; x < cell.Width; ++x) pixels.push_back(GetPixel(dc.Get(), cell.Left + x, cell.Top + y));
    return pixels;
}

// What a cell shows of the empty-cell picture box: the box's pattern where
// it is drawn, the cell's back colour through the box's white.
std::vector<COLORREF> PictureOver(const Runtime::PictureBox& box, COLORREF back, int width, int height)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const long pixel = box.Point(x, y);
            pixels.push_back(pixel == static_cast<long>(kWhite) ? back : static_cast<COLORREF>(pixel));
        }
    return pixels;
}

// The picture boxes hold their pattern in their fore colour on white, and
// the image made their picture.
TEST(TableCells, TheEmptyCellBoxesHoldTheirPatternInTheirForeColour)
{
    LoadedMain main;
    ASSERT_TRUE(main.Loaded());
    ASSERT_EQ(main->pbEmpty.size(), 2u);
    for (const auto& box : main->pbEmpty) {
        SCOPED_TRACE(box->Index());
        EXPECT_EQ(box->ScaleWidth(), 22);
        EXPECT_EQ(box->ScaleHeight(), 22);
        EXPECT_TRUE(box->Picture());
        const COLORREF fore = Runtime::ResolveColor(box->ForeColor());
        ASSERT_NE(fore, kWhite);
        int pattern = 0, other = 0;
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 22; ++x) {
                const long pixel = box->Point(x, y);
                pattern += pixel == static_cast<long>(fore);
                other += pixel != static_cast<long>(fore) && pixel != static_cast<long>(kWhite);
            }
        EXPECT_GT(pattern, 22);
        EXPECT_EQ(other, 0);
    }
    for (const auto& picture : main->ibEmpty) EXPECT_EQ(picture.Type(), Runtime::Picture::Icon);
}

// An empty cell shows the picture of its state over its back colour: a
// blank cell (an unassigned code point) keeps the first picture in every
// state; a cell without caption (a code point before the listed blocks)
// takes the second while selected without the focus.
TEST(TableCells, EmptyCellsShowTheirPictureOverTheirBackColour)
{
    struct Case {
        const char* what;
        bool beforeTheBlocks;  // a page before the first listed block, else U+0370..
        int cell;
        bool select, focus;
        int picture;
        int backColor;         // the system colour index of the back colour
    };
    const Case cases[] = {
        {"unassigned U+0378, not selected", false, 0x8, false, false, 0, COLOR_WINDOW},
        {"unassigned U+0378, selected in the focused table", false, 0x8, true, true, 0, COLOR_HIGHLIGHT},
        {"unassigned U+0378, selected, the focus elsewhere", false, 0x8, true, false, 0, COLOR_BTNFACE},
        {"U+0290 before Greek, not selected", true, 0x10, false, false, 0, COLOR_WINDOW},
        {"U+0290 before Greek, selected in the focused table", true, 0x10, true, true, 0, COLOR_HIGHLIGHT},
        {"U+0290 before Greek, selected, the focus elsewhere", true, 0x10, true, false, 1, COLOR_BTNFACE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoadedMain main;
        ASSERT_TRUE(main.Loaded());
        if (c.beforeTheBlocks) {
            ListBlocksOfBits(*main, {kGreekBit, kCyrillicBit});
            ShowPage(*main, 0x380);
            main->PageUp();
            ASSERT_EQ(main->tlCell[c.cell].Caption, L"");
        } else {
            ListAllBlocks(*main);
            ShowPage(*main, 0x370);
            ASSERT_EQ(main->tlCell[c.cell].Caption, L" ");
        }
        ASSERT_EQ(main->CellCode(c.cell), c.beforeTheBlocks ? 0x290 : 0x378);
        if (c.select) ClickCell(*main, c.cell);
        else ClickCell(*main, c.cell + 1);
        if (!c.focus) main->tbCopy.SetFocus();
        ASSERT_EQ(main->pbTable.HasFocus(), c.focus);

        const TableCell& cell = main->tlCell[c.cell];
        EXPECT_EQ(cell.Picture, c.picture);
        const std::vector<COLORREF> expected =
            PictureOver(*main->pbEmpty[c.picture], GetSysColor(c.backColor), cell.Width, cell.Height);
        ASSERT_NE(expected, std::vector<COLORREF>(expected.size(), GetSysColor(c.backColor)));
        EXPECT_EQ(PaintedCell(*main, c.cell), expected);
    }
}

// The cells are drawn in the face chosen last, with the character set the
// rich text box's font has then, also after the font list lost its
// selection (as Ctrl+Space or a click on the list's empty area leave it).
TEST(TableCells, KeepTheChosenFontWhenTheFontListLosesItsSelection)
{
    LoadedMain main;
    ASSERT_TRUE(main.Loaded());
    Runtime::FontSpec rtf = main->tbRTF.Font();
    rtf.Charset = RUSSIAN_CHARSET;
    main->tbRTF.SetFont(rtf);
    ListAllBlocks(*main);
    for (const wchar_t* face : {L"DejaVu Serif", L"DejaVu Sans Mono"}) {
        SCOPED_TRACE(std::string(face, face + wcslen(face)));
        ASSERT_TRUE(ChooseFont(*main, face));
        ShowPage(*main, 0x40, 0x30);
        const std::vector<COLORREF> chosen = PaintedCell(*main, 0x1); // A
        main->lvFont.SetSelectedItem(nullptr);
        ASSERT_EQ(main->lvFont.SelectedItem(), nullptr);
        EXPECT_EQ(PaintedCell(*main, 0x1), chosen);

        LOGFONTW font{};
        ASSERT_EQ(GetObjectW(main->CellFontHandle(), sizeof font, &font), static_cast<int>(sizeof font));
        EXPECT_STREQ(font.lfFaceName, face);
        EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET);
        EXPECT_EQ(main->tbCopy.Font().Charset, RUSSIAN_CHARSET);
    }
}

} // namespace
