// The character table's page: the grid of 16 x 16 cells of 22 x 22 pixels
// on a 23-pixel pitch with its header buttons, one page of listed code
// points laid over the block list, the three paint states of a cell and the
// table's focus handling. The cells are drawn by the cell panel pbTable.
#include "mainwin/fwMain.h"

#include <algorithm>

#include "chardata/RangeList.h"
#include "chardata/RangeListView.h"
#include "common/ListHelpers.h"
#include "runtime/NoRedraw.h"

namespace {

constexpr int kCell = 22;
constexpr int kCellCount = 256;
const wchar_t kHexDigits[] = L"0123456789ABCDEF";

// The row header of the row starting at `code`: code / 16 in three
// upper-case hexadecimal digits.
std::wstring RowCaption(std::int32_t code)
{
    std::int32_t row = code / 16;
    std::wstring caption(3, L'0');
    for (int i = 2; i >= 0; --i, row >>= 4) caption[i] = kHexDigits[row & 15];
    return caption;
}

// The position in `blocks` of the block starting at `first`, or -1.
int BlockPosition(const std::vector<CharData::ListedBlock>& blocks, std::int32_t first)
{
    for (std::size_t i = 0; i < blocks.size(); ++i)
        if (blocks[i].First == first) return static_cast<int>(i);
    return -1;
}

// The cells' font: 16 pixels high, of the face and character set given.
Runtime::ScopedFont MakeCellFont(const std::wstring& face, int charset)
{
    LOGFONTW lf{};
    lf.lfHeight = -16;
    lf.lfCharSet = static_cast<BYTE>(charset);
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    return Runtime::ScopedFont(CreateFontIndirectW(&lf));
}

} // namespace

void fwMain::CreateTableGrid()
{
    HeaderHeight = Common::ListViewHeaderHeight(lvRange);
    if (HeaderHeight <= 0) HeaderHeight = 20;

    tbAux.Move(-kCell, -kCell, kCell, kCell);
    tlCell[0].Left = 0, tlCell[0].Top = 0, tlCell[0].Width = kCell, tlCell[0].Height = kCell;

    auto& hor0 = *bbFixHor.emplace_back(std::make_unique<HeaderButton>(this, &pbFixHor, L"bbFixHor", 0));
    hor0.Create(0, 0, kCell + 1, HeaderHeight, L"0");
    auto& ver0 = *bbFixVer.emplace_back(std::make_unique<HeaderButton>(this, &pbFixVer, L"bbFixVer", 0));
    ver0.Create(0, 0, 2 * kCell - 2, kCell + 1, L"");
    for (int i = 1; i < 16; ++i) {
        auto& hor = *bbFixHor.emplace_back(std::make_unique<HeaderButton>(this, &pbFixHor, L"bbFixHor", i));
        hor.Create(i * hor0.Width(), 0, hor0.Width(), hor0.Height(), std::wstring(1, kHexDigits[i]));
    }
    for (int i = 1; i < 16; ++i) {
        auto& ver = *bbFixVer.emplace_back(std::make_unique<HeaderButton>(this, &pbFixVer, L"bbFixVer", i));
        ver.Create(0, i * ver0.Height(), ver0.Width(), ver0.Height(), L"");
    }
    WireHeaderStrip(pbFixHor, bbFixHor);
    WireHeaderStrip(pbFixVer, bbFixVer);
    for (int i = 1; i < kCellCount; ++i) {
        TableCell& cell = tlCell[i];
        cell.Width = kCell, cell.Height = kCell;
        cell.Left = (kCell + 1) * (i % 16);
        cell.Top = (kCell + 1) * (i / 16);
    }
    for (TableCell& cell : tlCell) cell.Tag = L"0";
}

// A strip draws its header buttons and hands each its presses.
void fwMain::WireHeaderStrip(Runtime::PictureBox& strip, std::vector<std::unique_ptr<HeaderButton>>& headers)
{
    strip.Paint = [&strip, &headers] {
        HDC dc = strip.hDC();
        if (!dc) return;
        for (const auto& header : headers) header->Draw(dc);
    };
    strip.MouseDown = [&headers](const Runtime::MouseArgs& args) {
        for (const auto& header : headers)
            if (header->Contains(args.X, args.Y)) return header->Press(args);
    };
}

std::int32_t fwMain::CellCode(int index) const
{
    if (index < 0 || index >= kCellCount) return 0;
    return static_cast<std::int32_t>(_wtoi(tlCell[index].Tag.c_str()));
}

// The last cell the page reaches; on a full page cell 255.
int fwMain::LastCodeCell() const
{
    for (int i = kCellCount - 1; i > 0; --i)
        if (tlCell[i].HasCode) return i;
    return 0;
}

int fwMain::CellAt(int x, int y) const
{
    for (int i = 0; i < kCellCount; ++i) {
        const TableCell& cell = tlCell[i];
        if (x >= cell.Left && x < cell.Left + cell.Width && y >= cell.Top && y < cell.Top + cell.Height) return i;
    }
    return -1;
}

void fwMain::SelectBlock(std::int32_t first)
{
    if (Runtime::ListItem* item = lvRange.ListItems().Find(CharData::RangeKey(first)))
        BlockFirst = CharData::SelectRangeItem(*item, lvFont, InstalledFonts);
}

void fwMain::PaintCell(int index, int state)
{
    if (index < 0 || index >= kCellCount) return;
    TableCell& cell = tlCell[index];
    switch (state) {
    case 0:
        cell.BackColor = Runtime::ColorWindow;
        cell.ForeColor = Runtime::ColorWindowText;
        break;
    case 1:
        cell.BackColor = 0x8000000Du; // highlight
        cell.ForeColor = 0x8000000Eu; // highlight text
        break;
    case 2:
        cell.BackColor = Runtime::ColorButtonFace;
        cell.ForeColor = Runtime::ColorWindowText;
        break;
    default:
        return;
    }
    // A cell with a caption keeps whatever picture it has; a cell the page
    // does not reach shows nothing.
    if (cell.Caption.empty() && cell.HasCode) cell.Picture = state == 2 ? 1 : 0;
    if (HWND panel = pbTable.hWnd()) {
        RECT r{cell.Left, cell.Top, cell.Left + cell.Width, cell.Top + cell.Height};
        InvalidateRect(panel, &r, FALSE);
    }
}

void fwMain::FillTable(std::int32_t code)
{
    // The row headers and the status bar repaint once, not at each change.
    Runtime::NoRedraw quietHeaders(pbFixVer.hWnd()), quietStatus(pbStatus[0]->hWnd());
    // 1 and 2. The details of the old selection and the row headers go.
    tlView.SetCaption(L"");
    for (const wchar_t* panel : {L"Hex", L"Name", L"Type"}) pbStatus[0]->Panels()(panel).SetText(L"");
    std::array<std::wstring, 16> headers;
    for (TableLine& line : loTable) line.Visible = false;
    // 3. Every cell empty.
    const std::int32_t before = CellCode(CurrentCell);
    for (TableCell& cell : tlCell) {
        cell.Tag = L"0";
        cell.HasCode = false;
        cell.Caption.clear();
        cell.Picture = -1;
    }
    // 4.
    std::int32_t pageStart = (std::max<std::int32_t>(code, 0) / 16) * 16;
    const std::vector<CharData::ListedBlock> blocks = CharData::ListedBlocks(lvRange);
    int start = BlockPosition(blocks, BlockFirst);
    if (start < 0) {
        auto found = CharData::FindRangeIndex(BlockFirst, blocks);
        start = found ? BlockPosition(blocks, *found) : -1;
    }
    if (start < 0) { // nothing listed: the page stays empty
        for (auto& header : bbFixVer) header->SetCaption(L"");
        pbTable.Refresh();
        return;
    }
    // 5. Whether the blocks from pageStart on fill a page.
    std::int32_t total = 0;
    for (std::size_t i = static_cast<std::size_t>(start); i < blocks.size() && total < kCellCount; ++i) {
        std::int32_t from = static_cast<int>(i) == start ? pageStart : blocks[i].First;
        total += blocks[i].Last - from + 1;
    }
    // 6. They do not: the page is pulled back so that the last listed code
    // point lands in the last cell.
    if (total < kCellCount) {
        PaintCell(CurrentCell, 0);
        CurrentCell = kCellCount - std::max<std::int32_t>(total, 0);
        if (CurrentCell > kCellCount - 1) CurrentCell %= 16;
        pageStart = PageStartBefore(start + 1, pageStart - 1, kCellCount - total, false);
        ++EventsBusy;
        sbTable.SetValue(sbTable.Max());
        TableScrollValue = sbTable.Value();
        --EventsBusy;
        auto found = CharData::FindRangeIndex(pageStart, blocks);
        start = found ? BlockPosition(blocks, *found) : start;
    }
    // 7. The fill, block by block, with a line under every block that ends
    // inside the page.
    const int cellHeight = tlCell[0].Height;
    int row = -1;
    for (std::size_t i = static_cast<std::size_t>(start); i < blocks.size() && row < 15; ++i) {
        const CharData::ListedBlock& block = blocks[i];
        const std::int32_t from = static_cast<int>(i) == start ? pageStart : block.First;
        const std::int32_t rows = std::max<std::int32_t>((block.Last - from + 1) / 16, 0);
        for (std::int32_t j = 0; j < rows && row < 15; ++j) {
            ++row;
            headers[row] = RowCaption(from + 16 * j);
            for (int k = 0; k < 16; ++k) {
                TableCell& cell = tlCell[row * 16 + k];
                const std::int32_t cp = from + 16 * j + k;
                cell.Tag = std::to_wstring(cp);
                cell.HasCode = true;
                if (CharNames.GetCharName(cp) == L"Undefined" || !FontGlyphSet.HasChar(cp)) {
                    cell.Caption = L" ";
                    cell.Picture = 0;
                } else if (cp >= block.First && cp <= 0xFFFF) {
                    cell.Caption.assign(1, static_cast<wchar_t>(cp));
                }
                if (cell.Caption.empty()) cell.Picture = 0;
            }
        }
        if (row < 15 && row >= 0) {
            loTable[row].Visible = true;
            loTable[row].Top = (row + 1) * cellHeight + row;
        }
    }
    for (int r = 0; r < 16; ++r)
        if (bbFixVer[r]->Caption() != headers[r]) bbFixVer[r]->SetCaption(headers[r]);
    // A selection left beyond the end of a short page goes to its column
    // in the first row, which a pulled-back page always fills.
    if (!tlCell[CurrentCell].HasCode) CurrentCell %= 16;
    pbTable.Refresh();
    // 8 and 9. The selection, and the search inputs cleared when the
    // selected character changed.
    tlCell_Click(CurrentCell);
    if (CellCode(CurrentCell) != before && !GoToBusy) ClearSearch();
    if (HWND panel = pbTable.hWnd()) UpdateWindow(panel);
}

void fwMain::PaintTable()
{
    HDC dc = pbTable.hDC();
    if (!dc) return;
    RECT clip{};
    if (GetClipBox(dc, &clip) == NULLREGION) return;
    RECT all{0, 0, pbTable.ScaleWidth(), pbTable.ScaleHeight()};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNSHADOW));

    // Before a font is chosen the cells have the system's default face.
    if (!CellFont) CellFont = MakeCellFont(L"", DEFAULT_CHARSET);
    Runtime::ScopedSelect selectFont(dc, CellFont.Get());
    SetBkMode(dc, TRANSPARENT);
    for (const TableCell& cell : tlCell) {
        RECT r{cell.Left, cell.Top, cell.Left + cell.Width, cell.Top + cell.Height};
        RECT shown{};
        if (!IntersectRect(&shown, &r, &clip)) continue;
        SetBkColor(dc, Runtime::ResolveColor(cell.BackColor));
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
        if (cell.Picture >= 0 && cell.Picture < static_cast<int>(ibEmpty.size()))
            ibEmpty[cell.Picture].Draw(dc, cell.Left, cell.Top, cell.Width, cell.Height);
        if (!cell.Caption.empty()) {
            SetTextColor(dc, Runtime::ResolveColor(cell.ForeColor));
            DrawTextW(dc, cell.Caption.c_str(), static_cast<int>(cell.Caption.size()), &r,
                      DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    // The separator lines under the last row of a block.
    for (const TableLine& line : loTable) {
        if (!line.Visible) continue;
        RECT r{0, line.Top, pbTable.ScaleWidth(), line.Top + 1};
        FillRect(dc, &r, GetSysColorBrush(COLOR_WINDOWTEXT));
    }
}

void fwMain::SetCellFont(const std::wstring& face, int charset)
{
    CellFont = MakeCellFont(face, charset);
    // Repainted now unless the window is still hidden (showing it paints).
    HWND panel = pbTable.hWnd();
    if (panel && (GetWindowLongW(hWnd(), GWL_STYLE) & WS_VISIBLE)) InvalidateRect(panel, nullptr, FALSE);
}

void fwMain::pbTable_LostFocus()
{
    PaintCell(CurrentCell, 2);
}

void fwMain::pbTable_GotFocus()
{
    if (!FocusSelectSkip) {
        bool wasProgram = ProgramSelect;
        ProgramSelect = true;
        tlCell_Click(CurrentCell);
        ProgramSelect = wasProgram;
    }
    FocusSelectSkip = false;
}

// The table's events: a left press on a cell and its release click it, a
// double click double-clicks it; a cell that holds no character takes no
// click.
void fwMain::WireTable()
{
    pbTable.MouseDown = [this](const Runtime::MouseArgs& args) {
        if (args.Button == Runtime::ButtonLeft) TablePressedCell = CellAt(args.X, args.Y);
    };
    pbTable.Click = [this] {
        int cell = TablePressedCell;
        if (cell >= 0 && tlCell[cell].HasCode) tlCell_Click(cell);
    };
    pbTable.DblClick = [this] {
        if (TablePressedCell >= 0) tlCell_DblClick(TablePressedCell);
    };
    pbTable.GotFocus = [this] { pbTable_GotFocus(); };
    pbTable.LostFocus = [this] { pbTable_LostFocus(); };
    pbTable.KeyDown = [this](int& keyCode, int shift) { pbTable_KeyDown(keyCode, shift); };
    sbTable.Scroll = [this] { sbTable_Scroll(); };
    sbTable.Change = [this] { sbTable_Change(); };
}
