#pragma once
// The rules of the block list: which subranges it lists for a font, which it
// marks as covered, the item keys, the order of the sub-range box, and the
// listed block that holds a code point.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "chardata/SubrangeTable.h"

namespace CharData {

// Whether a font-signature subset string claims subset bit `bit`: its
// character bit + 1 is a non-zero digit. A negative bit, or a string too
// short, claims nothing.
bool SubsetBitSet(std::wstring_view subsetBits, int bit);

// What the block list is filled for: the selected font's subset bits
// (empty before a font is chosen) and whether every block is listed
// (the "all subranges" box checked) or only the font's own.
struct RangeFilter {
    std::wstring_view FontSubsetBits;
    bool ListAll = false;
};

// Whether the row is listed: with ListAll every row; otherwise only rows
// whose bit the font claims.
bool RangeRowListed(const RangeFilter& filter, const Subrange& row);

// Whether a listed row gets the "Check" mark: every listed row when only the
// font's own blocks are listed; otherwise the rows whose bit the font claims.
bool RangeRowChecked(const RangeFilter& filter, const Subrange& row);

// The key of a block list item: "D." followed by the block's first code
// point in decimal ("D.1024").
std::wstring RangeKey(std::int32_t first);

// The number of a "D.<decimal>" key (the first code point of a block list
// item, the record index of a font list item); nothing for any other text
// or a number above 65535.
std::optional<std::int32_t> KeyNumber(std::wstring_view key);

// The maximum of the table's scroll bar for `listedCount` listed code
// points: one less than the number of 16-cell rows, at most 32,767, and
// never below 0.
std::int32_t TableScrollMax(std::int32_t listedCount);

// Compares two names ignoring case (simple case folding, then code unit by
// code unit): below 0, 0 or above 0.
int CompareIgnoringCase(std::wstring_view a, std::wstring_view b);

// The position at which `name` enters a list kept in that order: before
// the first entry that compares greater than or equal to it, else the end.
std::size_t SortedPosition(std::span<const std::wstring> names, std::wstring_view name);

// One listed block, in list order.
struct ListedBlock {
    std::int32_t First;
    std::int32_t Last;
};

// The first code point of the listed block for `code`: the block holding it;
// the first block for a code below all of them and the last for one above;
// for a code between two listed blocks (a gap such as 0860-089F, or blocks
// the font does not claim), the next listed block. Nothing for an empty list.
std::optional<std::int32_t> FindRangeIndex(std::int32_t code, std::span<const ListedBlock> listed);

} // namespace CharData
