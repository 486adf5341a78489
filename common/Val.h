#pragma once
// Reading a number from the start of a text, the one rule that every
// settings value, typed number and data field goes through.
#include <string_view>

namespace Common {

// The number at the start of `text`:
//  - leading blanks, tabs and line feeds are skipped, and blanks between the
//    characters of the number are ignored (" 1 2" reads 12);
//  - an optional "+" or "-", decimal digits with an optional "." fraction and
//    an optional exponent ("E" or "D", with an optional sign): "-3.5E2", "1D3";
//  - or "&H" followed by hexadecimal digits, "&O" followed by octal digits
//    (letters in either case, no sign), read as an unsigned 64-bit value; a
//    value that does not fit in 64 bits gives 2^64 - 1 (all further digits
//    are still consumed);
//  - reading stops at the first character that does not fit; no number at
//    all gives 0. The decimal point is "." whatever the locale.
// A decimal number beyond the range of double gives plus or minus infinity,
// one too small for it gives 0: callers check the range they need.
double Val(std::wstring_view text);

} // namespace Common
