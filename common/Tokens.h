#pragma once
// Walking a text token by token with one shared cursor.
//
// The cursor (the last delimiter given and the 1-based position where the
// next token starts) belongs to this module, not to a text: the caller passes
// the same text on every call of a walk. A walk starts with GetLine, or with
// a GetToken call that gives a position, and goes on with GetToken calls that
// give neither delimiter nor position. There is one cursor, so one walk at a
// time: nothing that runs between two calls of a walk may start another.
#include <string>
#include <string_view>

namespace Common {

// The first token of `text` up to `delimiter`; restarts the cursor and
// leaves it after that token.
std::wstring GetLine(std::wstring_view text, std::wstring_view delimiter = L"\r\n");

// The next token of `text`.
//  - `delimiter`, when not empty, becomes the cursor's delimiter; with no
//    delimiter ever given the result is empty.
//  - `position`, when given, sets the cursor's position first (a negative
//    value instead asks for the whole rest of the text) and receives the
//    cursor's new position afterwards.
//  - with `delimiterIsSet` any one character of the delimiter ends a token,
//    else the whole delimiter does (both compared binary).
// Past the end of the text the result is empty and the cursor goes back to
// the start, so the next walk begins again with the first token. An empty
// `text` gives an empty token and leaves the cursor alone.
std::wstring GetToken(std::wstring_view text, std::wstring_view delimiter = {}, int* position = nullptr,
                      bool delimiterIsSet = false);

} // namespace Common
