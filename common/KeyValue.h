#pragma once
// Reading one item of a "key = value" text.
#include <string>
#include <string_view>

namespace Common {

// The value of the first item `key` "=" value in `text` (key found anywhere,
// case ignored, so it also matches the end of a longer key; blanks allowed
// around "="). The value ends at `separator` (or, with `separatorIsSet`, at
// any one of its characters) or runs to the end of the text; a value written
// in double quotes ends at its closing quote when `separator` begins with a
// double quote. An occurrence inside a double-quoted value (an odd number of
// double quotes before it) is skipped. When the key is not there at all, "_"
// in key and text is read as a blank for a second search.
//  - `position`, when given and not 0, makes the search start at that
//    1-based character; afterwards it holds its old value plus the position
//    of the key plus the key's length, or -1 when no item was found.
//  - a key beginning with CR LF also matches on the first line.
// Empty when no item is found.
std::wstring GetKeyValue(std::wstring_view text, std::wstring_view key, std::wstring_view separator = L"\r\n",
                         bool separatorIsSet = false, int* position = nullptr);

} // namespace Common
