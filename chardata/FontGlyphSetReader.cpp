#include "chardata/FontGlyphSetReader.h"

#include <cstdint>
#include <vector>

namespace CharData {

FontGlyphSet ReadFontGlyphSet(HDC dc)
{
    const DWORD size = GetFontUnicodeRanges(dc, nullptr);
    if (size == 0 || size >= FontGlyphSet::kBufferBytes) return FontGlyphSet();
    // The whole buffer, DWORD-aligned as GLYPHSET wants, whatever size the
    // first call gave: the second call then has room for it.
    std::vector<std::uint32_t> buffer((FontGlyphSet::kBufferBytes + 3) / 4, 0);
    const DWORD written = GetFontUnicodeRanges(dc, reinterpret_cast<GLYPHSET*>(buffer.data()));
    if (written == 0) return FontGlyphSet();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(buffer.data());
    const std::size_t valid = written < FontGlyphSet::kBufferBytes ? written : FontGlyphSet::kBufferBytes;
    return FontGlyphSet::FromBytes(std::span<const std::uint8_t>(bytes, valid));
}

} // namespace CharData
