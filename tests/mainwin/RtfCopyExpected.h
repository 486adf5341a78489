#pragma once
// The rich text Copy wrote in the "RTF" form for the copy texts of
// RtfCopyBytesTest.cpp: in full, or for long texts by size and FNV-1a hash.
#include <cstddef>
#include <cstdint>

namespace MainWinTest {

struct ExpectedRtf {
    const char* bytes = nullptr; // the whole rich text, or null: size and hash
    std::size_t size = 0;
    std::uint64_t hash = 0;
};

inline constexpr ExpectedRtf kRtfAscii{"{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang1033\\deflangfe1033{\\fonttbl{\\f0 DejaVu Sans;}}{\\colortbl;\\red255\\green0\\blue0;}\\cf1\x0D""\x0A""\x0D""\x0A""{\\*\\generator Wine Riched20 2.0;}\x0D""\x0A""\\pard\\sl-240\\slmult1 \\lang1033\\fs72\\f0 Copy \\{this\\} \\\\ and 100% <of> it~\\par\x0D""\x0A""}"};
inline constexpr ExpectedRtf kRtfOneChar{"{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang1033\\deflangfe1033{\\fonttbl{\\f0 DejaVu Sans;}}{\\colortbl;\\red255\\green0\\blue0;}\\cf1\x0D""\x0A""\x0D""\x0A""{\\*\\generator Wine Riched20 2.0;}\x0D""\x0A""\\pard\\sl-240\\slmult1 \\lang1033\\fs72\\f0 A\\par\x0D""\x0A""}"};
inline constexpr ExpectedRtf kRtfMixed{"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset1 DejaVu Sans;}}{\\colortbl;\\red255\\green0\\blue0;}\\cf1\\f0\\fs72 \\u233?\\u252?\\u32?\\u937?\\u946?\\u32?\\u1046?\\u1103?\\u32?\\u1488?\\u1489?\\u32?\\u1593?\\u1585?\\u32?\\u2325?\\u2367?\\u32?\\u3585?\\u3634?\\u32?\\u20013?\\u25991?\\u32?\\u-10916?\\u-20992?\\u32?\\u12353?\\u12450?}"};
inline constexpr ExpectedRtf kRtfLookAlike{"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset1 DejaVu Sans;}}{\\colortbl;\\red255\\green0\\blue0;}\\cf1\\f0\\fs72 \\u-223?\\u-190?\\u256?\\u9312?\\u233?\\u120?}"};
inline constexpr ExpectedRtf kRtfSymbols{"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset1 Tahoma;}}{\\colortbl;\\red0\\green0\\blue0;}\\cf1\\f0\\fs17\\b\\i\\ul\\strike \\u8592?\\u8721?\\u9472?\\u10003?\\u8364?\\u-3?\\u169?\\u8482?\\u176?}"};
inline constexpr ExpectedRtf kRtfLineBreaks{"{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang1033\\deflangfe1033{\\fonttbl{\\f0 DejaVu Sans;}}{\\colortbl;\\red255\\green0\\blue0;}\\cf1\x0D""\x0A""\x0D""\x0A""{\\*\\generator Wine Riched20 2.0;}\x0D""\x0A""\\pard\\sl-240\\slmult1 \\lang1033\\fs72\\f0 one\\par\x0D""\x0A""two\\par\x0D""\x0A""\\par\x0D""\x0A""three\\par\x0D""\x0A""}"};
inline constexpr ExpectedRtf kRtfEmpty{"{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang1033\\deflangfe1033{\\fonttbl{\\f0 DejaVu Sans;}}{\\colortbl;\\red255\\green0\\blue0;}\\cf1\x0D""\x0A""\x0D""\x0A""{\\*\\generator Wine Riched20 2.0;}\x0D""\x0A""\\pard\\sl-240\\slmult1 \\cf1\\lang1033\\fs72\\f0 \\par\x0D""\x0A""}"};
inline constexpr ExpectedRtf kRtfEmptyStyled{"{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang1033\\deflangfe1033{\\fonttbl{\\f0 Tahoma;}}{\\colortbl;\\red0\\green0\\blue0;}\\cf1\x0D""\x0A""\x0D""\x0A""{\\*\\generator Wine Riched20 2.0;}\x0D""\x0A""\\pard\\sl-240\\slmult1 \\b\\i\\strike\\cf1\\lang1033\\fs16\\ul\\f0 \\par\x0D""\x0A""}"};
inline constexpr ExpectedRtf kRtfAsciiStyled{"{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang1033\\deflangfe1033{\\fonttbl{\\f0 Tahoma;}}{\\colortbl;\\red0\\green0\\blue0;}\\cf1\x0D""\x0A""\x0D""\x0A""{\\*\\generator Wine Riched20 2.0;}\x0D""\x0A""\\pard\\sl-240\\slmult1 \\b\\i\\strike\\lang1033\\fs16\\ul\\f0 Styled \\{text\\}\\par\x0D""\x0A""and more\\par\x0D""\x0A""}"};
inline constexpr ExpectedRtf kRtfEmptyFirst{"{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\deflang1033\\deflangfe1033{\\fonttbl{\\f0 DejaVu Sans;}}{\\colortbl;\\red86\\green52\\blue18;}\\cf1\x0D""\x0A""\x0D""\x0A""{\\*\\generator Wine Riched20 2.0;}\x0D""\x0A""\\pard\\sl-240\\slmult1 \\i\\lang1033\\fs24\\f0 \\par\x0D""\x0A""}"};
inline constexpr ExpectedRtf kRtfLongAscii{nullptr, 31156, 0x8D81C07677E699CEull};
inline constexpr ExpectedRtf kRtfLongMixed{nullptr, 201522, 0x44F41EA4460AC730ull};

} // namespace MainWinTest
