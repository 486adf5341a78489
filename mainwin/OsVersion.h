#pragma once
// The operating-system version the start-up test looks at, and the rule it
// applies. The version normally comes from GetVersionExA; the environment
// variable ORLENTA_OSVERSION ("platform.major.minor", e.g. "1.4.10" for a
// Windows 98 or "2.4.0" for NT 4.0) stands in for it, so that the refusal
// can be tried on the real program.
#include <optional>
#include <string>

struct OsVersion {
    unsigned long Platform = 0;
    unsigned long Major = 0;
    unsigned long Minor = 0;
};

// "platform.major.minor" read as a version; nothing for any other text.
std::optional<OsVersion> ParseOsVersion(const std::string& text);

// The version the program runs on (or the one the environment names).
OsVersion CurrentOsVersion();

// The program needs the NT platform (2), version 5 or later.
bool OsVersionSupported(const OsVersion& v);

// ".hlp" below version 6.1, else ".chm".
const wchar_t* HelpFileExtension(const OsVersion& v);
