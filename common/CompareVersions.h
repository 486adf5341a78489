#pragma once
// Comparing dotted version strings ("6.09", "1.2.0") part by part as numbers.
#include <string_view>

namespace Common {

// 1 when `version1` is the newer, -1 when `version2` is, 0 when they are the
// same. An empty version is older than any other; a missing part is smaller
// than any part, zero included (1.2 is below 1.2.0). With `strictLength`,
// two non-zero parts written with a different number of characters ("8" and
// "08") give -2. A version whose first part is empty (".5") cannot be read:
// run-time error 13.
int CompareVersions(std::wstring_view version1, std::wstring_view version2, bool strictLength = false);

} // namespace Common
