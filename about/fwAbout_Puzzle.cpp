// The About window's sliding-letter puzzle: 60 tiles in 5 rows of 12, one
// blank tile flat (the hole); a tile beside the hole slides into it.
#include "about/fwAbout.h"

#include <cstdlib>
#include <ctime>

#include "about/Sound.h"
#include "common/TextUtil.h"
#include "common/Val.h"
#include "resources/AboutIds.h"

namespace {

// The grid text, row by row: a blank row, the three words, a blank row.
std::wstring GridText()
{
    return std::wstring(fwAbout::Columns, L' ') + L"  Unicode     Character         Map " +
           std::wstring(fwAbout::Columns, L' ');
}

// Row and column (1-based) of a tile's Tag "row.column".
void TagPosition(const std::wstring& tag, int& row, int& column)
{
    row = static_cast<int>(Common::Val(Common::TextBefore(tag, L".", false)));
    column = static_cast<int>(Common::Val(Common::TextAfter(tag, L".")));
}

} // namespace

const CLSID fwAbout::UpdateClassId = {0x25a82e7a, 0x0189, 0x4572, {0xac, 0xc3, 0x6f, 0x9f, 0xf1, 0xc6, 0xaa, 0x44}};
const IID fwAbout::UpdateEventsId = {0xb564c889, 0x09a8, 0x433b, {0xb9, 0x8a, 0xd3, 0x53, 0x1c, 0x0b, 0x06, 0xc1}};

void fwAbout::CreatePuzzle()
{
    pbTable.Create(0, 0, 10, 10);
    pbTable.SetBorderStyle(1);
    HMODULE program = GetModuleHandleW(nullptr);
    for (int direction = 1; direction <= 4; ++direction) {
        HCURSOR arrow = LoadCursorW(program, MAKEINTRESOURCEW(ORLENTA_CURSOR_ARROW_BASE + direction));
        ibMouseIcon[direction] = arrow ? arrow : LoadCursorW(nullptr, IDC_HAND);
    }
    tlCell.push_back(std::make_unique<PuzzleTile>(this, &pbTable, L"tlCell", 0));
    tlCell[0]->Create(0, 0, TileSize, L" ");
    toTable.SetInterval(250);
    toTable.SetEnabled(false);
    toTable.Timer = [this] { toTable_Timer(); };
}

void fwAbout::BuildTable()
{
    const std::wstring text = GridText();
    const int count = static_cast<int>(text.size());
    auto wire = [this](int i) {
        tlCell[i]->Click = [this, i] { tlCell_Click(i); };
        tlCell[i]->MouseMove = [this, i](const Runtime::MouseArgs&) { tlCell_MouseMove(i); };
    };
    tlCell[0]->SetCaption(text.substr(0, 1));
    tlCell[0]->Tag = L"1.1";
    tlCell[0]->Move(0, 0, TileSize, TileSize);
    Grid[1][1] = 0;
    wire(0);
    for (int i = 1; i < count; ++i) {
        int row = i / Columns, col = i % Columns;
        tlCell.push_back(std::make_unique<PuzzleTile>(this, &pbTable, L"tlCell", i));
        tlCell[i]->Create(col * (TileSize + 1), row * (TileSize + 1), TileSize, text.substr(i, 1));
        tlCell[i]->Tag = std::to_wstring(row + 1) + L"." + std::to_wstring(col + 1);
        Grid[row + 1][col + 1] = i;
        wire(i);
    }
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    int hole = 0;
    do {
        hole = static_cast<int>(static_cast<double>(count) * std::rand() / (static_cast<double>(RAND_MAX) + 1.0));
    } while (tlCell[hole]->Caption() != L" ");
    tlCell[hole]->SetSpecialEffect(0);

    ibTable.Create(tlCell[hole]->Left() - 5, tlCell[hole]->Top() - 5, 32, 32);
    SetWindowPos(ibTable.hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const PuzzleTile& last = *tlCell[count - 1];
    RECT outer{}, inner{};
    GetWindowRect(pbTable.hWnd(), &outer);
    GetClientRect(pbTable.hWnd(), &inner);
    int borderX = (outer.right - outer.left) - inner.right, borderY = (outer.bottom - outer.top) - inner.bottom;
    pbTable.Move(pbTable.Left(), pbTable.Top(), last.Left() + last.Width() + borderX,
                 last.Top() + last.Height() + borderY);
    hintFrame_ = 0;
    toTable.SetEnabled(true);
}

int fwAbout::FindHole(int index, int& hole) const
{
    int row = 0, col = 0;
    TagPosition(tlCell[index]->Tag, row, col);
    hole = -1;
    if (row < 1 || row > Rows || col < 1 || col > Columns) return 0;
    struct Neighbour {
        bool exists;
        int row, col, direction;
    };
    const Neighbour neighbours[] = {
        {col > 1, row, col - 1, 1},
        {col < Columns, row, col + 1, 3},
        {row > 1, row - 1, col, 2},
        {row < Rows, row + 1, col, 4},
    };
    for (const Neighbour& n : neighbours) {
        if (!n.exists) continue;
        int tile = Grid[n.row][n.col];
        if (tlCell[tile]->SpecialEffect() == 0) {
            hole = tile;
            return n.direction;
        }
    }
    return 0;
}

void fwAbout::tlCell_Click(int index)
{
    int hole = -1;
    int direction = FindHole(index, hole);
    PuzzleTile& tile = *tlCell[index];
    if (direction != 0) {
        PuzzleTile& gap = *tlCell[hole];
        int tileLeft = tile.Left(), tileTop = tile.Top();
        if (direction == 1 || direction == 3)
            tile.SetLeft(gap.Left()), gap.SetLeft(tileLeft);
        else
            tile.SetTop(gap.Top()), gap.SetTop(tileTop);
        std::swap(tile.Tag, gap.Tag);
        int row = 0, col = 0;
        TagPosition(tile.Tag, row, col);
        Grid[row][col] = index;
        TagPosition(gap.Tag, row, col);
        Grid[row][col] = hole;
        About::PlayWaveResource(ORLENTA_WAVE_CLICK);
    }
    pbTable.SetFocus();
}

void fwAbout::tlCell_MouseMove(int index)
{
    toTable.SetEnabled(false);
    ibTable.SetVisible(false);
    int hole = -1;
    int direction = FindHole(index, hole);
    PuzzleTile& tile = *tlCell[index];
    if (direction != 0) {
        tile.SetMousePointer(99);
        tile.SetMouseIcon(ibMouseIcon[direction]);
    } else if (tile.MousePointer() != 0) {
        tile.SetMousePointer(0);
        tile.SetMouseIcon(nullptr);
    }
    pbTable.SetMouseIcon(tile.MouseIcon());
}

void fwAbout::toTable_Timer()
{
    hintFrame_ = (hintFrame_ + 1) % 4;
    ibTable.SetPicture(Runtime::Picture::FromIcon(CopyIcon(ibMouseIcon[hintFrame_ + 1])));
}
