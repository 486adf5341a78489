#pragma once
// Reading the glyph ranges of the font selected into a device context.
#include <windows.h>

#include "chardata/FontGlyphSet.h"

namespace CharData {

// The glyph set of the font selected into `dc` (GetFontUnicodeRanges). A set
// that the system cannot give, or that does not fit the program's buffer of
// 5,001 ranges (5,001 ranges and more), is not read: every code point then
// counts as covered.
FontGlyphSet ReadFontGlyphSet(HDC dc);

} // namespace CharData
