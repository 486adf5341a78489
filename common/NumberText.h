#pragma once
// Numbers as the settings files store them.
#include <string>

#include "common/Currency.h"

namespace Common {

// Rounds to 4 decimals, half away from zero, as the settings numbers are read.
double RoundTo4(double value);

// Digits, "-" when negative, a fraction with "." and at most 4 decimals and
// no 0 before the point: 12 gives "12", -3 "-3", 0.5 ".5", -1.25 "-1.25".
// The number is the 64-bit fixed-point one: a double beyond its range
// raises ErrOverflow in the conversion, before any text is made.
std::wstring NumberText(Currency value);

} // namespace Common
