#pragma once
// Cutting, padding and splicing text. Positions are 1-based.
#include <string>
#include <string_view>

#include "common/TextCompare.h"

namespace Common {

// The text before the first `delimiter`. An empty delimiter gives `text`;
// a delimiter that is not there gives an empty text when `emptyIfNotFound`,
// else `text`.
std::wstring TextBefore(std::wstring_view text, std::wstring_view delimiter, bool emptyIfNotFound,
                        int compare = CompareBinary);

// The text after the first `delimiter` (an empty delimiter is found at the
// start), `length` characters of it when `length` is above 0. A delimiter that
// is not there gives an empty text when `emptyIfNotFound`, else `text`.
std::wstring TextAfter(std::wstring_view text, std::wstring_view delimiter, int length = 0,
                       bool emptyIfNotFound = false, int compare = CompareBinary);

// `text` left-padded from `pad` to the length of `pad` ("A", "0000" gives
// "000A"); a text at least as long as `pad` is returned unchanged.
std::wstring PadLeft(std::wstring_view text, std::wstring_view pad);

// Replaces the rest of `text` from `position` on with `insert`. Nothing
// happens unless 1 <= position <= the length of `text`.
void SpliceText(std::wstring& text, int position, std::wstring_view insert);

// Replaces the `length` characters of `text` at `position` with `insert`
// (a negative length: the whole rest, as above). Nothing happens unless
// 1 <= position <= the length of `text`.
void SpliceText(std::wstring& text, int position, int length, std::wstring_view insert);

// `text` without its trailing characters whose code is `maxCode` or less
// (with 0: without its trailing zero characters). A character's code is its
// UTF-16 value, which is its ANSI code in the range below 0x80 that callers
// trim; characters from U+0100 on are above every `maxCode`.
std::wstring TrimNull(std::wstring_view text, unsigned char maxCode);

} // namespace Common
