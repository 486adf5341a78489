#pragma once
// Comparison modes of the text routines and equality under them.
#include <string_view>

namespace Common {

// The comparison mode that text routines take: binary (code unit by code
// unit), text (ignoring case), database (the same as text here). Any other
// value is taken as binary.
enum CompareMode : int {
    CompareBinary = 0,
    CompareText = 1,
    CompareDatabase = 2,
};

// True for the modes that ignore case (text and database).
bool IgnoresCase(int compare);

// Whether two characters are equal under `compare`.
bool SameChar(wchar_t a, wchar_t b, int compare);

// Whether two texts are equal under `compare`.
bool TextEqual(std::wstring_view a, std::wstring_view b, int compare);

} // namespace Common
