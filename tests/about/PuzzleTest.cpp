// The About window's sliding-letter puzzle: the grid it builds, finding
// the hole, sliding tiles with their sound, the pointer arrows and the hint.
#include "tests/about/AboutFixture.h"

#include "resources/AboutIds.h"

#include <set>

namespace {

using namespace AboutTest;

const std::wstring kGrid =
    std::wstring(12, L' ') + L"  Unicode     Character         Map " + std::wstring(12, L' ');

class Puzzle : public AboutFixture {
protected:
    int HoleTile() const
    {
        for (size_t i = 0; i < form->tlCell.size(); ++i)
            if (form->tlCell[i]->SpecialEffect() == 0) return static_cast<int>(i);
        return -1;
    }
    // Makes the tile at row, column (1-based) the hole instead of the current one.
    void PutHoleAt(int row, int col)
    {
        form->tlCell[HoleTile()]->SetSpecialEffect(1);
        form->tlCell[form->Grid[row][col]]->SetSpecialEffect(0);
    }
    // Every tile's Tag names where it is shown, and Grid names the tile shown there.
    void ExpectConsistent()
    {
        for (size_t i = 0; i < form->tlCell.size(); ++i) {
            const PuzzleTile& tile = *form->tlCell[i];
            int row = tile.Top() / (fwAbout::TileSize + 1) + 1, col = tile.Left() / (fwAbout::TileSize + 1) + 1;
            ASSERT_EQ(tile.Tag, std::to_wstring(row) + L"." + std::to_wstring(col)) << "tile " << i;
            ASSERT_EQ(form->Grid[row][col], static_cast<int>(i)) << "tile " << i;
        }
    }
};

TEST_F(Puzzle, BuildsTheLetterGridWithOneBlankHole)
{
    ASSERT_EQ(form->tlCell.size(), 60u);
    for (int i = 0; i < 60; ++i) {
        const PuzzleTile& tile = *form->tlCell[i];
        EXPECT_EQ(tile.Caption(), kGrid.substr(i, 1)) << i;
        EXPECT_EQ(tile.Left(), (i % 12) * 23) << i;
        EXPECT_EQ(tile.Top(), (i / 12) * 23) << i;
        EXPECT_EQ(tile.Width(), 22);
        EXPECT_EQ(tile.Height(), 22);
    }
    ExpectConsistent();
    int hole = HoleTile();
    ASSERT_GE(hole, 0);
    EXPECT_EQ(form->tlCell[hole]->Caption(), L" ");
    int flat = 0;
    for (const auto& tile : form->tlCell) flat += tile->SpecialEffect() == 0;
    EXPECT_EQ(flat, 1);
    EXPECT_EQ(form->ibTable.Left(), form->tlCell[hole]->Left() - 5);
    EXPECT_EQ(form->ibTable.Top(), form->tlCell[hole]->Top() - 5);
    RECT inner{};
    GetClientRect(form->pbTable.hWnd(), &inner);
    EXPECT_EQ(inner.right, 12 * 23 - 1);
    EXPECT_EQ(inner.bottom, 5 * 23 - 1);
    EXPECT_TRUE(form->toTable.Running());
}

TEST_F(Puzzle, FindHoleTable)
{
    struct {
        const char* name;
        int holeRow, holeCol, tileRow, tileCol;
        int direction;
    } cases[] = {
        {"hole to the left", 3, 4, 3, 5, 1},
        {"hole to the right", 3, 6, 3, 5, 3},
        {"hole above", 2, 5, 3, 5, 2},
        {"hole below", 4, 5, 3, 5, 4},
        {"not touching", 1, 1, 3, 5, 0},
        {"diagonal", 2, 4, 3, 5, 0},
        {"first column: the previous row's end is not to its left", 2, 12, 3, 1, 0},
        {"last column: the next row's start is not to its right", 3, 1, 2, 12, 0},
        {"last row: nothing below", 1, 3, 5, 3, 0},
        {"first row: nothing above", 5, 3, 1, 3, 0},
        {"corner below", 5, 12, 4, 12, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PutHoleAt(c.holeRow, c.holeCol);
        int hole = 99;
        int direction = form->FindHole(form->Grid[c.tileRow][c.tileCol], hole);
        EXPECT_EQ(direction, c.direction);
        EXPECT_EQ(hole, c.direction ? form->Grid[c.holeRow][c.holeCol] : -1);
    }
}

TEST_F(Puzzle, SlidesKeepTagsAndGridInStepAndPlayTheClick)
{
    // Walk the hole around: each step clicks a tile beside it.
    const int steps[][2] = {{0, 1}, {1, 0}, {0, -1}, {-1, 0}, {0, 1}, {0, 1}, {1, 0}, {1, 0}, {0, -1}};
    PutHoleAt(2, 5);
    int row = 2, col = 5;
    for (const auto& step : steps) {
        int clicked = form->Grid[row + step[0]][col + step[1]];
        int hole = form->Grid[row][col];
        std::wstring letter = form->tlCell[clicked]->Caption();
        form->tlCell_Click(clicked);
        EXPECT_EQ(form->Grid[row][col], clicked) << "the tile took the hole's place";
        row += step[0], col += step[1];
        EXPECT_EQ(form->Grid[row][col], hole) << "the hole took the tile's place";
        ExpectConsistent();
    }
    EXPECT_EQ(sounds, std::vector<int>(std::size(steps), ORLENTA_WAVE_CLICK));
}

TEST_F(Puzzle, ATileAwayFromTheHoleNeitherMovesNorSounds)
{
    PutHoleAt(1, 1);
    int tile = form->Grid[4][8];
    form->tlCell_Click(tile);
    EXPECT_TRUE(sounds.empty());
    EXPECT_EQ(form->tlCell[tile]->Tag, L"4.8");
    ExpectConsistent();
}

TEST_F(Puzzle, PointerShowsTheArrowOfTheMoveAndStopsTheHint)
{
    PutHoleAt(3, 5);
    struct {
        int row, col;
        int pointer;
        int arrow; // 0: no icon
    } cases[] = {{3, 6, 99, 1}, {2, 5, 99, 4}, {3, 4, 99, 3}, {4, 5, 99, 2}, {1, 1, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row << "." << c.col);
        PuzzleTile& tile = *form->tlCell[form->Grid[c.row][c.col]];
        if (c.pointer == 0) tile.SetMousePointer(99);
        SendMessageW(tile.hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        EXPECT_EQ(tile.MousePointer(), c.pointer);
        EXPECT_EQ(tile.MouseIcon(), c.arrow ? form->ibMouseIcon[c.arrow] : nullptr);
        EXPECT_FALSE(form->toTable.Running());
        EXPECT_FALSE(form->ibTable.Visible());
    }
    std::set<HCURSOR> arrows(form->ibMouseIcon.begin() + 1, form->ibMouseIcon.end());
    EXPECT_EQ(arrows.size(), 4u) << "four different arrows from the program's resources";
}

TEST_F(Puzzle, HintCyclesUntilThePointerFirstMovesOverATile)
{
    ASSERT_TRUE(form->toTable.Running());
    EXPECT_EQ(form->toTable.Interval(), 250);
    EXPECT_TRUE(TestWait::PumpUntil([&] { return static_cast<bool>(form->ibTable.Picture()); }, 2000));
    EXPECT_TRUE(form->ibTable.Visible());
}

// The focus goes to the puzzle box after any click on a tile.
TEST(PuzzleFocus, ClickGivesTheFocusToThePuzzleBox)
{
    fwAbout form;
    About::SetSoundForTests([](int) {});
    ASSERT_TRUE(form.Load());
    form.Show();
    SetForegroundWindow(form.hWnd());
    form.bbClose.SetFocus();
    form.tlCell_Click(form.Grid[3][3]);
    EXPECT_TRUE(form.pbTable.HasFocus());
    form.Unload();
    About::SetSoundForTests(nullptr);
}

} // namespace
