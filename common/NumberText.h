#pragma once
// Numbers as the settings files store them.
#include <string>

namespace Common {

// Rounds to 4 decimals, half away from zero, as the settings numbers are kept.
double RoundTo4(double value);

// The largest magnitude a settings number may have (64-bit fixed point with
// 4 decimals).
constexpr double kMaxSettingsNumber = 922337203685477.5807;

// Digits, "-" when negative, a fraction with "." and at most 4 decimals and
// no 0 before the point: 12 gives "12", -3 "-3", 0.5 ".5", -1.25 "-1.25".
std::wstring NumberText(double value);

} // namespace Common
