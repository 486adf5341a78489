#pragma once
// Today's date as the update control stores it: "YYYYMMDD".
#include <string>

namespace aSendrel {

// From the local date (9 December 2026 gives "20261209").
std::wstring Today();

// Test seam: a source of the date in place of the clock (none: the clock).
// Returns the previous one.
using TodayFn = std::wstring (*)();
TodayFn SetToday(TodayFn today) noexcept;

} // namespace aSendrel
