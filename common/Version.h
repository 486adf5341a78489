#pragma once
// The program's version as text.
#include <string>

namespace Common {

// Style 0: major "." two-digit minor, and "." four-digit revision when the
// revision is 1 or more ("1.05.0017", "2.00"). Any other style: plain digits,
// with "00" for a zero minor ("1.5.17", "2.00", "3.00.5").
std::wstring FormatVersion(int style, int major, int minor, int revision);

#ifdef _WIN32
// FormatVersion with the numbers of the running program's version resource.
std::wstring AppVersion(int style);
#endif

} // namespace Common
