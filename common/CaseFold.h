#pragma once
// Simple case folding of one UTF-16 code unit, without any locale.
namespace Common {

// The case-folded form of `c` (its "simple" folding: one code unit to one
// code unit), or `c` itself when it has none. Covers every simple folding
// of the Basic Multilingual Plane: Latin, Greek, Coptic, Cyrillic, Armenian,
// Georgian, Cherokee, Glagolitic, fullwidth Latin and the rest. Characters
// whose folding takes several characters ("ß", "ŉ") fold to themselves.
wchar_t FoldCase(wchar_t c);

} // namespace Common
