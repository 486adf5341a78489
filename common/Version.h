#pragma once
// The program's version as text.
#include <string>

namespace Common {

// Style 0: major "." two-digit minor, and "." four-digit revision when the
// revision is 1 or more ("1.05.0017", "2.00"). Any other style: plain digits,
// with "00" for a zero minor ("1.5.17", "2.00", "3.00.5").
std::wstring FormatVersion(int style, int major, int minor, int revision);

// A file's version as text, from the two 32-bit halves of its version
// resource (high: upper and lower 16 bits, low likewise). Product: "H.L" and
// ".H.L" of the low half when it is not 0 ("6.1.7601.17514", "5.1"). File
// version: "H.LL" and, for a zero low half, ".0000" unless shortForm, else
// ".HH.LL" ("1.05.0000", "1.05", "2.10.03.07").
std::wstring FormatFileVersion(bool product, bool shortForm, unsigned long high, unsigned long low);

#ifdef _WIN32
// The version of a file from its version resource, formatted as above;
// empty when the file or its version resource is missing.
std::wstring FileVersion(const std::wstring& path, bool product, bool shortForm);

// FormatVersion with the numbers of the running program's version resource.
std::wstring AppVersion(int style);
#endif

} // namespace Common
