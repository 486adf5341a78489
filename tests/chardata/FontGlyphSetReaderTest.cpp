// The glyph ranges of real fonts, read through GetFontUnicodeRanges.
#include "chardata/FontGlyphSetReader.h"

#include "runtime/ScopedWin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace CharData;

struct FontCase {
    const wchar_t* face;
    bool read;
    std::vector<std::int32_t> has, lacks;
};

TEST(ReadFontGlyphSet, RealFonts)
{
    const FontCase cases[] = {
        // A text font: Latin, Greek and Cyrillic, no ideographs.
        {L"DejaVu Sans", true, {L'A', 0x03A9, 0x0416}, {0x4E00, 0xAC00, 0x0001}},
        {L"Tahoma", true, {L'A', 0x00E9, 0x0020}, {0x4E00, 0x0001, 0x2800}},
        // A symbol font reports no ranges: nothing counts as covered.
        {L"Marlett", true, {}, {L'A', 0xF061, 0x0020}},
    };
    Runtime::ScopedMemDC dc(nullptr);
    for (const auto& c : cases) {
        Runtime::ScopedFont font(CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                                             c.face));
        Runtime::ScopedSelect select(dc.Get(), font.Get());
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc.Get(), LF_FACESIZE, face);
        ASSERT_EQ(std::wstring(face), c.face) << "the font is not installed";

        const FontGlyphSet set = ReadFontGlyphSet(dc.Get());
        EXPECT_EQ(set.WasRead(), c.read) << c.face;
        for (std::int32_t code : c.has) EXPECT_TRUE(set.HasChar(code)) << c.face << " U+" << std::hex << code;
        for (std::int32_t code : c.lacks) EXPECT_FALSE(set.HasChar(code)) << c.face << " U+" << std::hex << code;
    }
}

// The ranges a font reports agree with its glyph indices: every code point
// the set covers has a glyph, for the whole Basic Multilingual Plane.
TEST(ReadFontGlyphSet, AgreesWithTheFontsGlyphs)
{
    Runtime::ScopedMemDC dc(nullptr);
    Runtime::ScopedFont font(
        CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"DejaVu Sans"));
    Runtime::ScopedSelect select(dc.Get(), font.Get());
    const FontGlyphSet set = ReadFontGlyphSet(dc.Get());
    ASSERT_TRUE(set.WasRead());
    std::wstring all(0x10000, L'\0');
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<wchar_t>(i);
    std::vector<WORD> glyphs(all.size());
    ASSERT_NE(GetGlyphIndicesW(dc.Get(), all.data(), static_cast<int>(all.size()), glyphs.data(),
                               GGI_MARK_NONEXISTING_GLYPHS),
              GDI_ERROR);
    int disagree = 0;
    for (std::int32_t code = 0x20; code < 0x10000 && disagree < 10; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) continue;
        const bool hasGlyph = glyphs[static_cast<std::size_t>(code)] != 0xFFFF;
        if (set.HasChar(code) != hasGlyph) {
            ADD_FAILURE() << "U+" << std::hex << code << ": set says " << set.HasChar(code) << ", glyph "
                          << hasGlyph;
            ++disagree;
        }
    }
}

TEST(ReadFontGlyphSet, NoFontSelectedReadsAsTheSystemGivesIt)
{
    // A memory DC starts with the system font; whatever the system says of
    // it, the reader answers without reading past what it was given.
    Runtime::ScopedMemDC dc(nullptr);
    const FontGlyphSet set = ReadFontGlyphSet(dc.Get());
    EXPECT_LE(set.Ranges().size(), FontGlyphSet::kMaxRanges);
    EXPECT_FALSE(ReadFontGlyphSet(nullptr).WasRead());
}

} // namespace
