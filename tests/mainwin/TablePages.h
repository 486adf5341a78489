#pragma once
// Ways to put the loaded main window's table into a known state: which
// blocks the block list holds, which page it shows, which cell is selected,
// and the pointer and key input a user gives the table.
#include <cstdint>
#include <initializer_list>
#include <string>

#include "mainwin/fwMain.h"

namespace MainWinTest {

// A font-signature subset string claiming exactly the given bits.
std::wstring SubsetBits(std::initializer_list<int> bits);

// Lists only the blocks of the given subset bits (as for a font claiming
// just those) or, with ListAllBlocks, all 162; every code point counts as
// covered by the font.
void ListBlocksOfBits(fwMain& main, std::initializer_list<int> bits);
void ListAllBlocks(fwMain& main);

// A face that ./test installs (fonts-dejavu-core), for the tests whose
// result depends on a font's metrics: the first font of the list depends
// on which fonts the machine has.
inline constexpr const wchar_t* kDejaVuSans = L"DejaVu Sans";

// Chooses the font of that face in the font list, as a click on it does;
// false when the list has no such font.
bool ChooseFont(fwMain& main, const std::wstring& face);

// Makes the listed block holding `code` current and fills the page from
// `code` with cell `cell` selected.
void ShowPage(fwMain& main, std::int32_t code, int cell = 0);

// The code point in each cell, -1 for a cell the page does not reach.
std::int32_t CodeIn(const fwMain& main, int cell);

// A left click (press and release) and a double click on a cell, as the
// mouse gives them to the cell panel.
void ClickCell(fwMain& main, int cell);
void DoubleClickCell(fwMain& main, int cell);

// A key pressed in the table (with Ctrl when `ctrl`).
void PressTableKey(fwMain& main, int key, bool ctrl = false);

} // namespace MainWinTest
