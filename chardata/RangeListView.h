#pragma once
// The block list (a list view) and the sub-range box (a two-column combo
// box) filled from the subrange table, the current block selected with the
// fonts that cover it marked, and the listed block of a code point.
//
// Block list item: Key "D." & the first code point (decimal), Text the
// name, Tag the last code point, SubItems(1) the font-signature bit, small
// icon "Check" when covered. Sub-range box row: column 0 the name, column 1
// the same key; rows sorted by name ignoring case; "<undefined>" never
// enters the box.
#include <cstdint>
#include <optional>

#include "chardata/InstalledFonts.h"
#include "chardata/RangeList.h"
#include "runtime/ComboBox.h"
#include "runtime/ListView.h"

namespace CharData {

// The name of the picture that marks covered blocks and covering fonts.
inline constexpr const wchar_t* kCheckIcon = L"Check";

struct RangeListFill {
    std::int32_t ListedCount = 0;   // code points of all listed rows
    std::int32_t ScrollMax = 0;     // for the table's scroll bar
};

// Adds one subrange to the lists by the filter's rules and returns the code
// points it adds to the listed count (0 when it is not listed). Widens the
// list's first column to the name's width in the form's font plus 12 pixels.
std::int32_t AddRangeRow(Runtime::ListView& lvRange, Runtime::ComboBox& cbRange, const RangeFilter& filter,
                         const Subrange& row);

// Rebuilds both lists from the 162 subranges: clears them, sets the list's
// first column to the list's width, adds every row in table order.
RangeListFill FillRangeList(Runtime::ListView& lvRange, Runtime::ComboBox& cbRange, const RangeFilter& filter);

// Makes `item` the current block: scrolls it (and, when it is cut off at
// the bottom, the item after it) into view, marks in `lvFont` every font
// whose record claims the block's subset bit, and selects the item. Font
// items are keyed "D." & the index of their record in `fonts`. Returns the
// block's first code point.
std::int32_t SelectRangeItem(Runtime::ListItem& item, Runtime::ListView& lvFont, const InstalledFonts& fonts);

// The blocks the list holds, in list order.
std::vector<ListedBlock> ListedBlocks(const Runtime::ListView& lvRange);

// The first code point of the listed block for `code` (see the rules of
// FindRangeIndex over blocks); nothing when the list is empty.
std::optional<std::int32_t> FindRangeIndex(std::int32_t code, const Runtime::ListView& lvRange);

} // namespace CharData
