#pragma once
// Counting the indent at the start of a line.
#include <string_view>

namespace Common {

// The number of characters at the start of `text` covered by repetitions of
// `unit` (a multiple of its length); 0 for an empty text or unit.
int LeadingRunCount(std::wstring_view text, std::wstring_view unit);

} // namespace Common
