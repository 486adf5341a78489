#pragma once
// The system's conversion behind the byte forms (UTF-8, UTF-7, "Code
// Page:", the UTF-8 of "% Escape") and the names' ANSI text.
#include <string>
#include <string_view>

#include "chardata/OutputForms.h"

namespace CharData {

// The bytes of `text` in `codePage` (0 = the system ANSI code page).
// A character the code page lacks becomes the code page's default
// character, never a look-alike: the system's "best fit" (U+0100 to "A" in
// code page 1252) is turned off, so the bytes always convert back to the
// character or to the default character. UTF-8, UTF-7 and Symbol (42) are
// amUnicode::UnicodeToAnsi's.
std::string FormBytes(std::wstring_view text, int codePage);

// A context for the forms that converts with FormBytes.
FormContext SystemFormContext(OutputFormat format, int codePage, CharNameLookup charName);

} // namespace CharData
