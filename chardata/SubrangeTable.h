#pragma once
// The 162 Unicode blocks (subranges) of the Basic Multilingual Plane that
// the block list shows, in code order, each with the font-signature bit that
// tells whether a font claims it. 0860-089F and 1C90-1CBF belong to no row;
// the rows cover 65,424 code points.
#include <cstdint>
#include <span>
#include <string_view>

namespace CharData {

struct Subrange {
    std::int16_t Bit;      // Unicode-subset bit of the font signature, -1 = none
    std::int32_t First;
    std::int32_t Last;     // inclusive
    std::wstring_view Name;
};

inline constexpr std::size_t kSubrangeCount = 162;

// The name of the one row that never enters the sub-range box.
inline constexpr std::wstring_view kUndefinedSubrange = L"<undefined>";

std::span<const Subrange, kSubrangeCount> SubrangeTable();

} // namespace CharData
