// The block list and the sub-range box: the blocks the font claims (or all
// of them), and the choice of a block, which fills the table from its first
// code point.
#include "mainwin/fwMain.h"

#include "chardata/RangeList.h"
#include "chardata/RangeListView.h"
#include "common/ComboDropWidth.h"
#include "common/ListHelpers.h"

void fwMain::chRange_Click()
{
    if (EventsBusy > 0) return;
    CharData::RangeFilter filter{FontSubsetBits, chRange.Value() == 1};
    CharData::RangeListFill fill = CharData::FillRangeList(lvRange, cbRange, filter);
    ListedCount = fill.ListedCount;
    sbTable.SetMax(static_cast<int>(fill.ScrollMax));

    // A list without a vertical scroll bar has a header wider by its width.
    int count = lvRange.ListItems().Count();
    if (count > 0) {
        int avail = lvRange.Height() - (GetSystemMetrics(SM_CYHSCROLL) + 6) - bbFixHor[0]->Height();
        int itemHeight = lvRange.ListItems()(1).Height();
        int rows = itemHeight > 0 ? avail / itemHeight : 0;
        int fits = count <= rows ? 1 : 0;
        pbRange.SetWidth(ListHeaderWidth + fits * sbTable.Width());
    }

    // The current block survives the rebuild: the listed block that holds
    // it, or the next listed one when it lies in a gap or is not listed.
    auto found = CharData::FindRangeIndex(BlockFirst, lvRange);
    if (!found) return; // an empty list: the table stays as it is
    BlockFirst = *found;
    std::int32_t pageFirst = _wtoi(tlCell[0].Tag.c_str());
    int cell = CurrentCell;
    Runtime::ListItem* item = lvRange.ListItems().Find(CharData::RangeKey(BlockFirst));
    lvRange_ItemClick(item);
    if (item && !tlCell[0].Tag.empty() && pageFirst >= BlockFirst && pageFirst <= _wtoi(item->Tag.c_str())) {
        bool wasProgram = ProgramSelect;
        ProgramSelect = true;
        FillTable(pageFirst);
        ProgramSelect = wasProgram;
        tlCell_Click(cell);
    }
    if (lvRange.Visible() && lvRange.Enabled() && !ProgramSelect) lvRange.SetFocus();
}

void fwMain::lvRange_ItemClick(Runtime::ListItem* item)
{
    if (!item) return;
    PaintCell(CurrentCell, 0);
    CurrentCell = 0;
    BlockFirst = CharData::SelectRangeItem(*item, lvFont, InstalledFonts);
    Common::ListFind(cbRange, item->Text(), true, false);
    ScrollToChar(BlockFirst);
    bool wasProgram = ProgramSelect;
    ProgramSelect = true;
    FillTable(BlockFirst);
    ProgramSelect = wasProgram;
    PaintCell(CurrentCell, 2);
}

void fwMain::cbRange_Click()
{
    int row = cbRange.ListIndex();
    if (row < 0) return;
    Runtime::ListItem* selected = lvRange.SelectedItem();
    if (selected && selected->Text() == cbRange.List(row, 0)) return;
    lvRange_ItemClick(lvRange.ListItems().Find(cbRange.List(row, 1)));
}

void fwMain::cbRange_DropButtonClick()
{
    Common::ComboDropWidth(cbRange);
}

// Any button: the box takes the focus and drops its list down.
void fwMain::bbRange_MouseUp(const Runtime::MouseArgs&)
{
    cbRange.SetFocus();
    cbRange.SetDroppedDown(true);
}

void fwMain::lvRange_MouseDown(const Runtime::MouseArgs& args)
{
    PopListEditMenu(lvRange, args);
}

void fwMain::lvRange_KeyDown(int& keyCode, int shift)
{
    CopyListItem(lvRange, keyCode, shift);
}
