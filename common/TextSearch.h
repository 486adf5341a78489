#pragma once
// Finding text in text; positions are 1-based and 0 means "not found".
#include <string_view>

#include "common/TextCompare.h"

namespace Common {

// The position of the first `find` in `text` at or after `start` (below 1
// counts as 1). An empty `find` is found at `start`; an empty `text`, or a
// `start` beyond its end, gives 0.
int InStr(int start, std::wstring_view text, std::wstring_view find, int compare = CompareBinary);

// The position of the last `find` in `text` that ends at or before `start`
// (-1, or any value below 1, searches from the end). An empty `find` is found
// at `start` (at the end with -1); an empty `text`, or a `start` beyond its
// end, gives 0.
int InStrRev(std::wstring_view text, std::wstring_view find, int start = -1, int compare = CompareBinary);

// The position of the first character of `text` from `start` on that is one
// of `charSet`, or with `fromEnd` of the last one at or before `start` (-1 =
// from the end). Only CompareText and CompareDatabase ignore case; any other
// `compare` is binary. Empty `text` or `charSet`: 0.
int InStrAny(int start, std::wstring_view text, std::wstring_view charSet, int compare, bool fromEnd);

} // namespace Common
