#include "tests/mainwin/TablePages.h"

#include "chardata/RangeList.h"
#include "chardata/RangeListView.h"
#include "common/ListHelpers.h"

namespace MainWinTest {

std::wstring SubsetBits(std::initializer_list<int> bits)
{
    std::wstring text(128, L'0');
    for (int bit : bits) text[static_cast<std::size_t>(bit)] = L'1';
    return text;
}

namespace {

void RebuildBlockList(fwMain& main, const std::wstring& bits, int all)
{
    main.FontGlyphSet = CharData::FontGlyphSet();
    main.FontSubsetBits = bits;
    ++main.EventsBusy;
    main.chRange.SetValue(all);
    --main.EventsBusy;
    main.chRange_Click();
}

} // namespace

void ListBlocksOfBits(fwMain& main, std::initializer_list<int> bits)
{
    RebuildBlockList(main, SubsetBits(bits), 0);
}

void ListAllBlocks(fwMain& main)
{
    RebuildBlockList(main, SubsetBits({}), 1);
}

bool ChooseFont(fwMain& main, const std::wstring& face)
{
    if (Common::ListFind(main.lvFont, face, true, false) < 0) return false;
    main.lvFont_ItemClick(main.lvFont.SelectedItem());
    return main.lvFont.SelectedItem() && main.lvFont.SelectedItem()->Text() == face;
}

void ShowPage(fwMain& main, std::int32_t code, int cell)
{
    auto first = CharData::FindRangeIndex(code, main.lvRange);
    if (!first) return;
    main.lvRange_ItemClick(main.lvRange.ListItems().Find(CharData::RangeKey(*first)));
    main.PaintCell(main.CurrentCell, 0);
    main.CurrentCell = cell;
    main.FillTable(code);
}

std::int32_t CodeIn(const fwMain& main, int cell)
{
    return main.tlCell[cell].HasCode ? main.CellCode(cell) : -1;
}

namespace {

LPARAM CellPoint(const fwMain& main, int cell)
{
    const TableCell& c = main.tlCell[cell];
    return MAKELPARAM(c.Left + c.Width / 2, c.Top + c.Height / 2);
}

} // namespace

void ClickCell(fwMain& main, int cell)
{
    HWND panel = main.pbTable.hWnd();
    SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, CellPoint(main, cell));
    SendMessageW(panel, WM_LBUTTONUP, 0, CellPoint(main, cell));
}

void DoubleClickCell(fwMain& main, int cell)
{
    HWND panel = main.pbTable.hWnd();
    ClickCell(main, cell);
    SendMessageW(panel, WM_LBUTTONDBLCLK, MK_LBUTTON, CellPoint(main, cell));
    SendMessageW(panel, WM_LBUTTONUP, 0, CellPoint(main, cell));
}

void PressTableKey(fwMain& main, int key, bool ctrl)
{
    // The key handler reads the shift state from the keyboard.
    BYTE state[256]{};
    GetKeyboardState(state);
    BYTE saved = state[VK_CONTROL];
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(state);
    SendMessageW(main.pbTable.hWnd(), WM_KEYDOWN, static_cast<WPARAM>(key), 1);
    state[VK_CONTROL] = saved;
    SetKeyboardState(state);
}

} // namespace MainWinTest
