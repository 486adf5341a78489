// The character table's grid: 16 x 16 cells of 22 x 22 pixels on a 23-pixel
// pitch, with the column and row header buttons. The cells are drawn by the
// cell panel pbTable; filling a page shows consecutive code points from the
// first one given.
#include "mainwin/fwMain.h"

#include "common/ListHelpers.h"

namespace {
constexpr int kCell = 22;
const wchar_t kHexDigits[] = L"0123456789ABCDEF";
} // namespace

void fwMain::CreateTableGrid()
{
    HeaderHeight = Common::ListViewHeaderHeight(lvRange);
    if (HeaderHeight <= 0) HeaderHeight = 20;

    tbAux.Move(-kCell, -kCell, kCell, kCell);
    tlCell[0].Left = 0, tlCell[0].Top = 0, tlCell[0].Width = kCell, tlCell[0].Height = kCell;

    auto& hor0 = *bbFixHor.emplace_back(std::make_unique<Runtime::CommandButton>(this, &pbFixHor, L"bbFixHor", 0));
    hor0.Create(0, 0, kCell + 1, HeaderHeight, L"0");
    auto& ver0 = *bbFixVer.emplace_back(std::make_unique<Runtime::CommandButton>(this, &pbFixVer, L"bbFixVer", 0));
    ver0.Create(0, 0, 2 * kCell - 2, kCell + 1, L"");
    for (int i = 1; i < 16; ++i) {
        auto& hor = *bbFixHor.emplace_back(std::make_unique<Runtime::CommandButton>(this, &pbFixHor, L"bbFixHor", i));
        hor.Create(i * hor0.Width(), 0, hor0.Width(), hor0.Height(), std::wstring(1, kHexDigits[i]));
    }
    for (int i = 1; i < 16; ++i) {
        auto& ver = *bbFixVer.emplace_back(std::make_unique<Runtime::CommandButton>(this, &pbFixVer, L"bbFixVer", i));
        ver.Create(0, i * ver0.Height(), ver0.Width(), ver0.Height(), L"");
    }
    for (int i = 1; i < 256; ++i) {
        TableCell& cell = tlCell[i];
        cell.Width = kCell, cell.Height = kCell;
        cell.Left = (kCell + 1) * (i % 16);
        cell.Top = (kCell + 1) * (i / 16);
    }
}

void fwMain::FillTable(std::int32_t first)
{
    if (first < 0) first = 0;
    if (first > 0xFF00) first = 0xFF00;
    first -= first % 16;
    for (int i = 0; i < 256; ++i) {
        int code = first + i;
        tlCell[i].Tag = std::to_wstring(code);
        tlCell[i].Caption = std::wstring(1, static_cast<wchar_t>(code));
    }
    for (int row = 0; row < 16; ++row) {
        int code = first + row * 16;
        std::wstring caption;
        for (int shift = 12; shift >= 4; shift -= 4) caption += kHexDigits[(code >> shift) & 15];
        bbFixVer[row]->SetCaption(caption);
    }
    pbTable.Refresh();
}

void fwMain::PaintTable()
{
    HDC dc = pbTable.hDC();
    if (!dc) return;
    RECT all{0, 0, pbTable.ScaleWidth(), pbTable.ScaleHeight()};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNSHADOW));
    LOGFONTW lf{};
    lf.lfHeight = -16;
    lf.lfCharSet = DEFAULT_CHARSET;
    if (Runtime::ListItem* font = lvFont.SelectedItem()) wcsncpy(lf.lfFaceName, font->Text().c_str(), LF_FACESIZE - 1);
    Runtime::ScopedFont face(CreateFontIndirectW(&lf));
    HGDIOBJ old = SelectObject(dc, face.Get());
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < 256; ++i) {
        const TableCell& cell = tlCell[i];
        RECT r{cell.Left, cell.Top, cell.Left + cell.Width, cell.Top + cell.Height};
        bool selected = i == CurrentCell;
        FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        DrawTextW(dc, cell.Caption.c_str(), static_cast<int>(cell.Caption.size()), &r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, old);
}

void fwMain::tlCell_Click(int) {}

void fwMain::tlCell_DblClick(int) {}
