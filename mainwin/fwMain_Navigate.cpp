// Moving the table's page and selection: by a row or a page across the
// listed blocks, by the keys of the table and by its scroll bar, which is
// kept in step with the page (one step of the bar is one table row).
//
// Moves read the page from the cells: cell 0 is the page's first code
// point, the last cell the page reaches its last. On a short list the page
// ends before cell 255; the cells after its end hold no character and no
// move lands on them.
#include "mainwin/fwMain.h"

#include <algorithm>
#include <cmath>

#include "chardata/RangeList.h"
#include "chardata/RangeListView.h"
#include "common/EditKeys.h"

namespace {

constexpr int kCellCount = 256;

// Round half to even, as the bar's arithmetic expects.
std::int32_t RoundEven(double value)
{
    return static_cast<std::int32_t>(std::nearbyint(value));
}

// The position of the listed block that holds `code` by the block list's
// rules, or -1 for an empty list.
int PositionOf(const std::vector<CharData::ListedBlock>& blocks, std::int32_t code)
{
    auto first = CharData::FindRangeIndex(code, blocks);
    if (!first) return -1;
    for (std::size_t i = 0; i < blocks.size(); ++i)
        if (blocks[i].First == *first) return static_cast<int>(i);
    return -1;
}

} // namespace

std::int32_t fwMain::PageStartBefore(int item, std::int32_t fromCode, int count, bool fill)
{
    const std::vector<CharData::ListedBlock> blocks = CharData::ListedBlocks(lvRange);
    if (item < 1 || item > static_cast<int>(blocks.size())) return 0;
    if (fromCode == 0) fromCode = blocks[item - 1].Last;
    std::int32_t total = 0, first = blocks[item - 1].First;
    for (int i = item - 1; i >= 0; --i) {
        first = blocks[i].First;
        const std::int32_t last = i == item - 1 ? fromCode : blocks[i].Last;
        total += last - first + 1;
        if (total >= count) break;
    }
    const std::int32_t start = std::max<std::int32_t>(first + total - count, 0);
    // The column the selection keeps when the list runs out; taken before
    // the fill, which on a short list moves the selection itself.
    const int column = CurrentCell % 16;
    if (fill) {
        SelectBlock(first);
        FillTable(start);
    }
    if (total < count) tlCell_Click(column);
    return start;
}

bool fwMain::ScrollRowUp()
{
    const std::vector<CharData::ListedBlock> blocks = CharData::ListedBlocks(lvRange);
    const std::int32_t c = CellCode(0);
    const int pos = PositionOf(blocks, c);
    if (pos < 0) return false;
    const std::int32_t b = blocks[pos].First;
    if (c > b) {
        if (b != BlockFirst) SelectBlock(b);
        FillTable(c - 16);
        return true;
    }
    if (pos > 0) {
        SelectBlock(blocks[pos - 1].First);
        FillTable(blocks[pos - 1].Last - 15);
        return true;
    }
    return false;
}

bool fwMain::ScrollRowDown()
{
    const std::vector<CharData::ListedBlock> blocks = CharData::ListedBlocks(lvRange);
    if (blocks.empty() || CellCode(LastCodeCell()) >= blocks.back().Last) return false;
    const std::int32_t c = CellCode(16);
    const int pos = PositionOf(blocks, c);
    if (pos < 0) return false;
    if (blocks[pos].First != BlockFirst) SelectBlock(blocks[pos].First);
    FillTable(c);
    return true;
}

void fwMain::PageDown()
{
    const std::vector<CharData::ListedBlock> blocks = CharData::ListedBlocks(lvRange);
    const std::int32_t c = CellCode(LastCodeCell());
    const int pos = PositionOf(blocks, c);
    if (pos < 0) return;
    if (blocks[pos].Last > c) {
        if (blocks[pos].First != BlockFirst) SelectBlock(blocks[pos].First);
        FillTable(c + 1);
    } else if (pos + 1 < static_cast<int>(blocks.size())) {
        SelectBlock(blocks[pos + 1].First);
        FillTable(blocks[pos + 1].First);
    }
}

void fwMain::PageUp()
{
    const std::int32_t c = CellCode(0);
    const int pos = PositionOf(CharData::ListedBlocks(lvRange), c);
    if (pos < 0) return;
    PageStartBefore(pos + 1, c - 1, kCellCount, true);
}

void fwMain::ScrollToChar(std::int32_t code)
{
    const std::vector<CharData::ListedBlock> blocks = CharData::ListedBlocks(lvRange);
    const int pos = PositionOf(blocks, code);
    if (pos < 0 || ListedCount <= 0) return;
    std::int32_t before = 0;
    for (int i = 0; i < pos; ++i) before += blocks[i].Last - blocks[i].First + 1;
    const std::int32_t place = before + code - blocks[pos].First + 1;
    ++EventsBusy;
    const int max = sbTable.Max();
    std::int32_t value = RoundEven(static_cast<double>(max + 1) * place / ListedCount);
    sbTable.SetValue(std::clamp<std::int32_t>(value, 0, max));
    SyncScrollBar();
    --EventsBusy;
}

// Keeps the thumb off the two ends unless the page really is at an end, so
// that the bar always offers a move the page can make.
void fwMain::SyncScrollBar()
{
    const std::vector<CharData::ListedBlock> blocks = CharData::ListedBlocks(lvRange);
    const int max = sbTable.Max();
    const int height = sbTable.Height();
    const int step = std::clamp(height > 0 ? RoundEven(static_cast<double>(max) / height) : 0, 0, max);
    if (!blocks.empty()) {
        if (sbTable.Value() == 0 && blocks.front().First < CellCode(0)) sbTable.SetValue(step);
        else if (sbTable.Value() == max && blocks.back().Last > CellCode(LastCodeCell()))
            sbTable.SetValue(max - step);
    }
    TableScrollValue = sbTable.Value();
}

void fwMain::sbTable_Scroll()
{
    TableScrollValue = -1;
}

void fwMain::sbTable_Change()
{
    if (EventsBusy > 0) return;
    ++EventsBusy;
    const int value = sbTable.Value();
    const int max = sbTable.Max();
    const int delta = value - TableScrollValue;
    if (TableScrollValue < 0) {
        // The end of a thumb drag: the page of the listed code point at
        // the thumb's share of all listed code points.
        const std::vector<CharData::ListedBlock> blocks = CharData::ListedBlocks(lvRange);
        if (!blocks.empty() && max > 0) {
            const std::int32_t place = RoundEven(static_cast<double>(value) * ListedCount / max);
            std::int32_t acc = 0, prev = 0;
            std::size_t target = blocks.size() - 1;
            bool found = false;
            for (std::size_t i = 0; i < blocks.size(); ++i) {
                const std::int32_t size = blocks[i].Last - blocks[i].First + 1;
                if (acc + size > place) {
                    target = i, prev = acc, found = true;
                    break;
                }
                acc += size;
            }
            if (!found) prev = acc;
            SelectBlock(blocks[target].First);
            FillTable(place + blocks[target].First - prev);
        }
    } else if (delta == sbTable.SmallChange()) {
        // The selection stays on its character, which moved up a row.
        if (ScrollRowDown() && CurrentCell >= 16) {
            --EventsBusy;
            tlCell_Click(CurrentCell - 16);
            ++EventsBusy;
        }
    } else if (delta == -sbTable.SmallChange()) {
        if (ScrollRowUp() && CurrentCell <= 240) {
            --EventsBusy;
            tlCell_Click(CurrentCell + 16);
            ++EventsBusy;
        }
    } else if (delta >= 2 && delta <= sbTable.LargeChange()) {
        PageDown();
    } else if (delta <= -2 && delta >= -sbTable.LargeChange()) {
        PageUp();
    }
    SyncScrollBar();
    --EventsBusy;
}

void fwMain::pbTable_KeyDown(int keyCode, int shift)
{
    if (Common::EditKeyCommand(keyCode, shift) == Common::EditCopy) {
        CopyCurrentChar();
        return;
    }
    auto select = [this](int cell) {
        if (cell >= 0 && cell < kCellCount && tlCell[cell].HasCode) tlCell_Click(cell);
    };
    auto follow = [this] { ScrollToChar(CellCode(CurrentCell)); };
    if (shift & Runtime::CtrlMask) {
        if (keyCode == VK_HOME) {
            if (lvRange.ListItems().Count() > 0) lvRange_ItemClick(&lvRange.ListItems()(1));
            tlCell_Click(0);
            return;
        }
        if (keyCode == VK_END) {
            const int count = lvRange.ListItems().Count();
            if (count == 0) return;
            PageStartBefore(count, 0, kCellCount, true);
            tlCell_Click(LastCodeCell());
            ++EventsBusy;
            sbTable.SetValue(sbTable.Max());
            TableScrollValue = sbTable.Value();
            --EventsBusy;
            return;
        }
    }
    const int row = CurrentCell / 16 * 16;
    switch (keyCode) {
    case VK_HOME:
        select(row);
        break;
    case VK_END:
        // The end of the row, or the last cell the page reaches in it.
        for (int cell = row + 15; cell >= row; --cell)
            if (tlCell[cell].HasCode) {
                select(cell);
                break;
            }
        break;
    case VK_LEFT:
        if (CurrentCell > 0) select(CurrentCell - 1);
        else if (ScrollRowUp()) {
            select(15);
            follow();
        }
        break;
    case VK_RIGHT:
        if (CurrentCell < kCellCount - 1) select(CurrentCell + 1);
        else if (ScrollRowDown()) {
            select(240);
            follow();
        }
        break;
    case VK_UP:
        if (CurrentCell >= 16) {
            select(CurrentCell - 16);
            follow();
        } else if (ScrollRowUp()) {
            follow();
        }
        break;
    case VK_DOWN:
        if (CurrentCell < 240) {
            if (tlCell[CurrentCell + 16].HasCode) {
                select(CurrentCell + 16);
                follow();
            }
        } else if (ScrollRowDown()) {
            follow();
        }
        break;
    case VK_PRIOR:
        PageUp();
        follow();
        break;
    case VK_NEXT:
        PageDown();
        follow();
        break;
    case VK_RETURN:
        tlCell_DblClick(CurrentCell);
        break;
    default:
        break;
    }
}
