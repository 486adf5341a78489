#pragma once
// Cutting a text into its parts, counting and replacing parts of it.
#include <string>
#include <string_view>
#include <vector>

namespace Common {

// The tokens of `text` at `delimiter` (an empty delimiter means CR LF), up
// to the first empty token. An empty text, or one whose first token is
// empty, gives no parts.
std::vector<std::wstring> SplitText(std::wstring_view text, std::wstring_view delimiter = L"\r\n");

// How often `find` occurs in `text`, each search going on one character after
// the last hit (occurrences may overlap). 0 when either is empty. `compare`
// 1 or 2 ignores case, anything else is binary.
int CountOf(std::wstring_view text, std::wstring_view find, int compare);

// `text` with every `find` replaced, left to right, each search going on
// right after the text put in (case ignored with `textCompare`). An empty
// `find` or `text` leaves the text as it is. `count`, when given, receives
// the number of replacements.
std::wstring ReplaceAll(std::wstring_view text, std::wstring_view find, std::wstring_view replaceWith,
                        bool textCompare = false, int* count = nullptr);

} // namespace Common
