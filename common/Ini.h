#pragma once
// Settings in INI files: single values read and written through the
// system's profile calls. Writers read first and write only a changed value,
// keep the file's attributes (a read-only settings file is still written and
// stays read-only) and, on request, its last-write time.
#include <string>

#include "common/Currency.h"

namespace Common {

// The value, trimmed; `defaultValue` when the key is missing.
std::wstring IniReadString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                           const std::wstring& defaultValue = L"");

// The value read as a number (leading number of the text, 0 when none,
// rounded to 4 decimals). A missing key, an empty file/section/key name, or a
// number outside the 64-bit fixed-point range gives `defaultValue`; a key
// with an empty value reads as 0. `count` receives the length of the text
// the system returned (not set for an empty name). The default is handed to
// the system as text: one outside the fixed-point range raises ErrOverflow.
double IniReadNumber(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                     double defaultValue = 0, int* count = nullptr);

void IniWriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                    const std::wstring& value, bool keepTime = false);
// The value is a 64-bit fixed-point number: a double outside its range
// raises ErrOverflow in the conversion, and nothing is written.
void IniWriteNumber(const std::wstring& file, const std::wstring& section, const std::wstring& key, Currency value,
                    bool keepTime = false);

} // namespace Common
