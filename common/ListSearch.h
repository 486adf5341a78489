#pragma once
// Finding a value in a delimited text or in a list of numbers, and joining a
// part of such a list into text.
#include <string>
#include <string_view>
#include <vector>

namespace Common {

// The 0-based number of the first token of `source` (split at `delimiter`,
// CR LF when empty) that equals `value` under `compare` (0 binary, 1 text);
// -1 when there is none. The search ends at the first empty token.
// Walks with the shared token cursor of GetToken.
int IndexOf(std::wstring_view source, std::wstring_view value, std::wstring_view delimiter = L"", int compare = 0);

// The index of the first element equal to `value`, -1 when none.
int IndexOf(const std::vector<long>& source, long value);

// The elements from `start` to the end (or, with `count` > 0, to
// `start` + `count`, the last one included) written in decimal with
// `delimiter` between them.
std::wstring JoinRange(const std::vector<long>& source, std::wstring_view delimiter, int start = 0, int count = 0);

} // namespace Common
