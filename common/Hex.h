#pragma once
// Hexadecimal text to numbers, and numbers to binary digits.
#include <cstdint>
#include <string>
#include <string_view>

namespace Common {

// The value of `text`, hexadecimal digits in either case with no prefix;
// an empty text is 0. Raises ErrTypeMismatch at a character that is not a
// hexadecimal digit and ErrOverflow for more than 12 digits (the largest
// value, FFFFFFFFFFFF, is 281474976710655). The digits are read from the
// last to the first, so which of the two errors comes first depends on where
// the bad character stands.
std::int64_t HexToCurrency(std::wstring_view text);

// The binary digits of `value` (a signed 32-bit value; anything else raises
// ErrOverflow): four digits for each of its hexadecimal digits, most
// significant first, where a negative value has the eight digits of its
// two's complement. Then "0"s are put in front up to `width` characters, and
// leading "0"s are removed while the text is longer than `width`:
// (0x1A, 8) gives "00011010", (0x1A, 4) gives "11010".
std::wstring HexToBits(std::int64_t value, int width);

} // namespace Common
