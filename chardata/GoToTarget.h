#pragma once
// Where a go-to lands in the block list, and the numbers of the go-to box.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "chardata/RangeList.h"

namespace CharData {

struct GoToTarget {
    std::size_t Row = 0;       // the destination block, 0-based in list order
    std::int32_t Code = 0;     // the code point to show and select
    bool Listed = false;       // whether a listed block holds the requested code point
};

// The destination of a go-to to `code`: the block that holds it; else the
// last code point of the block before the first one that starts above it
// (of the first block when none is before), or of the last block when
// every block lies below it. Nothing for an empty list.
std::optional<GoToTarget> FindGoToTarget(std::span<const ListedBlock> listed, std::int32_t code);

// The code point that the go-to box's text stands for: hexadecimal digits
// in either case, or decimal digits (a text that is no number reads as 0).
std::int32_t GoToBoxValue(std::wstring_view text, bool hex);

// The go-to box's text after its base has switched to hexadecimal
// (`nowHex`) or to decimal: a decimal number above 0 becomes its upper-case
// hexadecimal digits (0 and an empty text stay as they are); hexadecimal
// digits become their decimal value, so an empty text becomes "0".
std::wstring GoToTextInBase(std::wstring_view text, bool nowHex);

} // namespace CharData
