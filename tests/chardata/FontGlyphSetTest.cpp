// Coverage of a code point by a font's glyph ranges, and reading the ranges
// from the system's GLYPHSET layout, whatever the bytes claim.
#include "chardata/FontGlyphSet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using namespace CharData;

// The bytes of a GLYPHSET with `claimed` as its range count and the ranges
// given (little-endian, as the system lays it out).
std::vector<std::uint8_t> GlyphSetBytes(std::int32_t claimed, const std::vector<GlyphRange>& ranges)
{
    std::vector<std::uint8_t> bytes(FontGlyphSet::kHeaderBytes, 0);
    const auto count = static_cast<std::uint32_t>(claimed);
    for (int i = 0; i < 4; ++i) bytes[12 + i] = static_cast<std::uint8_t>(count >> (8 * i));
    for (const GlyphRange& r : ranges) {
        bytes.push_back(static_cast<std::uint8_t>(r.Low));
        bytes.push_back(static_cast<std::uint8_t>(r.Low >> 8));
        bytes.push_back(static_cast<std::uint8_t>(r.Count));
        bytes.push_back(static_cast<std::uint8_t>(r.Count >> 8));
    }
    return bytes;
}

TEST(FontGlyphSet, HasChar)
{
    const std::vector<GlyphRange> ascii = {{0x20, 95}};
    const std::vector<GlyphRange> several = {{0x20, 95}, {0xA0, 96}, {0x2000, 0}, {0x2010, 1}, {0xFFF0, 0x20}};
    struct Case {
        const char* set;
        const std::vector<GlyphRange>& ranges;
        std::int32_t code;
        bool has;
    };
    const Case cases[] = {
        {"ascii", ascii, 0x7E, true},   {"ascii", ascii, 0x7F, false}, {"ascii", ascii, 0x1F, false},
        {"ascii", ascii, 0x20, true},   {"several", several, 0xA0, true}, {"several", several, 0x9F, false},
        {"several", several, 0xFF, true}, {"several", several, 0x100, false},
        {"several", several, 0x2000, false},  // a range of no glyphs
        {"several", several, 0x2010, true},   {"several", several, 0x2011, false},
        {"several", several, 0xFFFF, true},   // a range reaching past FFFF
    };
    for (const auto& c : cases)
        EXPECT_EQ(FontGlyphSet::FromRanges(c.ranges).HasChar(c.code), c.has) << c.set << " " << std::hex << c.code;

    const FontGlyphSet unread;
    EXPECT_FALSE(unread.WasRead());
    EXPECT_TRUE(unread.HasChar(0x41));
    EXPECT_TRUE(unread.HasChar(0xFFFF));

    // A font with no ranges at all (a symbol font) has no glyph for anything.
    const FontGlyphSet empty = FontGlyphSet::FromRanges({});
    EXPECT_TRUE(empty.WasRead());
    EXPECT_FALSE(empty.HasChar(0x41));
}

// Ranges out of order (Wine cuts ranges above FFFF to 16 bits) end the
// search at the first range that starts above the code, as ascending
// ranges would.
TEST(FontGlyphSet, SearchStopsAtTheFirstRangeAboveTheCode)
{
    const std::vector<GlyphRange> wrapped = {{0x20, 95}, {0x4E00, 16}, {0x0100, 16}};
    const FontGlyphSet set = FontGlyphSet::FromRanges(wrapped);
    EXPECT_FALSE(set.HasChar(0x0105));
    EXPECT_TRUE(set.HasChar(0x4E05));
}

TEST(FontGlyphSet, FromBytes)
{
    const std::vector<GlyphRange> two = {{0x20, 95}, {0xA0, 96}};
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool read;
        std::size_t ranges;
    };
    std::vector<std::uint8_t> cutRange = GlyphSetBytes(2, two);
    cutRange.resize(cutRange.size() - 2);
    std::vector<GlyphRange> many(5001, GlyphRange{0x20, 1});
    std::vector<GlyphRange> tooMany(5005, GlyphRange{0x20, 1});
    const Case cases[] = {
        {"two ranges", GlyphSetBytes(2, two), true, 2},
        {"no ranges", GlyphSetBytes(0, {}), true, 0},
        {"header cut short", std::vector<std::uint8_t>(15, 0), false, 0},
        {"no bytes", {}, false, 0},
        {"negative count", GlyphSetBytes(-1, two), false, 0},
        {"count beyond the bytes", GlyphSetBytes(1000, two), true, 2},
        {"last range cut short", cutRange, true, 1},
        {"count of exactly 5001", GlyphSetBytes(5001, many), true, 5001},
        {"more than 5001 ranges", GlyphSetBytes(5005, tooMany), true, 5001},
        {"count of 2^31 - 1", GlyphSetBytes(0x7FFFFFFF, two), true, 2},
    };
    for (const auto& c : cases) {
        const FontGlyphSet set = FontGlyphSet::FromBytes(c.bytes);
        EXPECT_EQ(set.WasRead(), c.read) << c.what;
        EXPECT_EQ(set.Ranges().size(), c.ranges) << c.what;
    }
    const FontGlyphSet set = FontGlyphSet::FromBytes(GlyphSetBytes(2, two));
    EXPECT_TRUE(set.HasChar(0xFF));
    EXPECT_FALSE(set.HasChar(0x100));
}

} // namespace
