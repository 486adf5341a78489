#pragma once
// The columns of a multi-column combo box: the widths as the program writes
// them ("72;24", points, one per column, separated by ";"), and the drawing
// of one row with its columns side by side.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace Runtime {

// The widths of "a;b;c" in points, -1 for a column left empty (it takes a
// share of the room the others leave). A width may end in "pt". Nothing for
// text that is not such a list.
std::optional<std::vector<double>> ParseColumnWidths(const std::wstring& text);

// The pixel widths of `count` columns in a row `total` pixels wide; 0 hides
// a column.
std::vector<int> ColumnPixelWidths(const std::vector<double>& points, int count, int total, int pixelsPerInch);

// Draws the cells of one row into `cell` (already filled with its background).
void DrawColumns(HDC dc, const RECT& row, const std::vector<std::wstring>& cells, const std::vector<int>& widths);

} // namespace Runtime
