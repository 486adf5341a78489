#pragma once
// The code points a font has glyphs for, as the system reports them in the
// GLYPHSET layout: a 16-byte header (cbThis, flAccel, cGlyphsSupported,
// cRanges) followed by cRanges ranges of {first code point, count}, each
// two unsigned 16-bit values, in ascending order.
#include <cstdint>
#include <span>
#include <vector>

namespace CharData {

struct GlyphRange {
    std::uint16_t Low;     // first code point
    std::uint16_t Count;   // number of code points from Low on
};

class FontGlyphSet {
public:
    // Room of the program's buffer: the header and 5,001 ranges, 20,020 bytes.
    static constexpr std::size_t kHeaderBytes = 16;
    static constexpr std::size_t kMaxRanges = 5001;
    static constexpr std::size_t kBufferBytes = kHeaderBytes + kMaxRanges * 4;

    // A set that was not read: every code point counts as covered.
    FontGlyphSet() = default;

    // The set held by `bytes` in the GLYPHSET layout. Bytes too few for the
    // header, or a negative range count, give a set that was not read. A
    // count larger than the bytes hold (or than kMaxRanges) is cut to the
    // ranges that are there.
    static FontGlyphSet FromBytes(std::span<const std::uint8_t> bytes);

    // A set of the given ranges (at most kMaxRanges of them are kept).
    static FontGlyphSet FromRanges(std::span<const GlyphRange> ranges);

    bool WasRead() const noexcept { return read_; }
    std::span<const GlyphRange> Ranges() const noexcept { return ranges_; }

    // Whether the font has a glyph for `code`: always when the set was not
    // read; otherwise when one of the ranges up to the first one that starts
    // above `code` holds it.
    bool HasChar(std::int32_t code) const;

private:
    bool read_ = false;
    std::vector<GlyphRange> ranges_;
};

} // namespace CharData
