// Finding characters by name words and entity names in the table built from
// the committed data, and the go-to destinations over listed blocks.
#include "CommittedNames.h"
#include "tests/platform/TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

#include "chardata/EntitySearch.h"
#include "chardata/GoToTarget.h"
#include "chardata/NameSearch.h"
#include "platform/getuname/NameBuffer.h"
#include "platform/getuname/NameTable.h"

namespace {

using CharData::ListedBlock;

const CharData::CharNameTable& Table()
{
    static const CharData::CharNameTable table = [] {
        const std::string list = TestFiles::ReadSource(TestNames::kLibraryList);
        const UName::NameTable library(list);
        CharData::CharNameTable built;
        built.LoadCharNames(
            [&](std::uint32_t code, wchar_t* buffer) { return UName::WriteName(library.Name(code), buffer); },
            TestNames::SourceText(TestNames::kNamesFile), TestNames::SourceText(TestNames::kEntitiesFile));
        return built;
    }();
    return table;
}

// Every hit of a search from `from` to the end of the plane.
std::vector<std::int32_t> AllHits(const std::wstring& text, std::int32_t from = 0)
{
    const CharData::NameQuery query(text);
    std::vector<std::int32_t> hits;
    for (auto hit = CharData::FindName(Table(), query, from, 0xFFFF); hit;
         hit = CharData::FindName(Table(), query, *hit + 1, 0xFFFF))
        hits.push_back(*hit);
    return hits;
}

TEST(SearchWords, SplitAtEachBlankAfterTrimming)
{
    struct Case {
        const wchar_t* text;
        std::vector<std::wstring> words;
    } cases[] = {
        {L"LATIN A", {L"LATIN", L"A"}},
        {L"  latin  a ", {L"latin", L"", L"a"}},
        {L"dotless", {L"dotless"}},
        {L"   ", {L""}},
    };
    for (const Case& c : cases) EXPECT_EQ(CharData::SearchWords(c.text), c.words) << "text: [" << c.text << "]";
}

TEST(NameQuery, EveryWordAnywhereIgnoringCase)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* name;
        bool matches;
    } cases[] = {
        {L"LATIN A", L"Latin Capital Letter A", true},
        {L"a latin", L"Latin Capital Letter A", true},   // any order
        {L"LETTER Z", L"Latin Capital Letter A", false},
        {L"tin cap", L"Latin Capital Letter A", true},   // inside words
        {L"latin  a", L"Latin Capital Letter A", true},  // the empty word is in every name
        {L"   ", L"Latin Capital Letter A", true},
        {L"   ", L"", false},                          // an empty name holds nothing
        {L"a", L"", false},
        {L"\u0431", L"Name with \u0411", true},        // case folding beyond ASCII
        {L"K", L"Sign \u212A", true},                  // Kelvin sign folds to k
        {L"\u212Aelvin", L"kELVIN", true},
        {L"LETTERS", L"Letter", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CharData::NameQuery(c.text).Matches(c.name), c.matches) << "[" << c.text << "] in [" << c.name << "]";
}

TEST(FindName, WalksForwardThroughTheHits)
{
    // "LATIN A": "a" is inside "latin", so every Latin name is a hit, in order.
    const CharData::NameQuery query(L"LATIN A");
    EXPECT_EQ(CharData::FindName(Table(), query, 0, 0xFFFF), 0x41);
    EXPECT_EQ(CharData::FindName(Table(), query, 0x42, 0xFFFF), 0x42);
    EXPECT_EQ(CharData::FindName(Table(), query, 0x5B, 0xFFFF), 0x61);

    const std::vector<std::int32_t> dotless = AllHits(L"dotless j");
    ASSERT_GE(dotless.size(), 2u);
    EXPECT_EQ(dotless.front(), 0x0237);
    for (std::int32_t hit : dotless) {
        const std::wstring name(Table().GetCharName(hit));
        EXPECT_TRUE(CharData::NameQuery(L"DOTLESS J").Matches(name)) << name;
    }
}

TEST(FindName, StaysWithinItsBounds)
{
    const CharData::NameQuery query(L"LATIN A");
    EXPECT_EQ(CharData::FindName(Table(), query, 0, 0x40), std::nullopt);
    EXPECT_EQ(CharData::FindName(Table(), query, -5, 0x41), 0x41);
    EXPECT_EQ(CharData::FindName(Table(), query, 0x41, 0x41), 0x41);
    EXPECT_EQ(CharData::FindName(Table(), query, 0x10000, 0x20000), std::nullopt);
    EXPECT_EQ(CharData::FindName(Table(), CharData::NameQuery(L"zzqx"), 0, 0xFFFF), std::nullopt);
}

TEST(FindName, BuiltInRangesAnswerForEachCodePoint)
{
    // The range name is shared by the whole range: the first hit is its first
    // code point, and a search from inside it stops at once.
    const CharData::NameQuery query(L"cjk unified");
    EXPECT_EQ(CharData::FindName(Table(), query, 0, 0xFFFF), 0x3400);
    EXPECT_EQ(CharData::FindName(Table(), query, 0x4E05, 0xFFFF), 0x4E05);
    EXPECT_EQ(CharData::FindName(Table(), CharData::NameQuery(L"private use"), 0xF000, 0xFFFF), 0xF000);
    // After 9FA5 the names come from the library one by one again.
    EXPECT_EQ(CharData::FindName(Table(), query, 0x9FA6, 0x9FA6), 0x9FA6);
}

TEST(EntitySearchName, NeedsTheClosingSemicolon)
{
    struct Case {
        const wchar_t* text;
        std::optional<std::wstring> name;
    } cases[] = {
        {L"&amp;", L"amp"},
        {L"&AMP;", L"AMP"},
        {L"&amp;  ", L"amp"},
        {L"&amp", std::nullopt},
        {L"&", std::nullopt},
        {L"&;", L""},
        {L"&a &;;", std::nullopt},
        {L"&a&;;", L"a&;"},
    };
    for (const Case& c : cases) EXPECT_EQ(CharData::EntitySearchName(c.text), c.name) << "text: [" << c.text << "]";
}

TEST(EntityIndex, FindsExactNamesWithinBounds)
{
    const CharData::EntityIndex index(Table());
    struct Case {
        const wchar_t* name;
        std::int32_t first, last;
        std::optional<std::int32_t> hit;
    } cases[] = {
        {L"amp", 0, 0xFFFF, 0x26},
        {L"AMP", 0, 0xFFFF, std::nullopt}, // letter case counts
        {L"quot", 0, 0xFFFF, 0x22},
        {L"midast", 0, 0xFFFF, 0x2A},      // the second name of "002A,  ,ast,midast"
        {L"ast", 0, 0xFFFF, 0x2A},
        {L"nbsp", 0, 0xFFFF, 0xA0},
        {L"NonBreakingSpace", 0, 0xFFFF, 0xA0},
        {L"DotDot", 0, 0xFFFF, 0x20DC},    // combining marks, written after a blank in their sets
        {L"tdot", 0, 0xFFFF, 0x20DB},
        {L"TripleDot", 0, 0xFFFF, 0x20DB},
        {L"DownBreve", 0, 0xFFFF, 0x311},
        {L"UnderBar", 0, 0xFFFF, 0x332},
        {L"amp", 0x27, 0xFFFF, std::nullopt},
        {L"amp", 0, 0x25, std::nullopt},
        {L"amp", 0x26, 0x26, 0x26},
        {L"", 0, 0xFFFF, std::nullopt},
        {L"am", 0, 0xFFFF, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(index.Find(c.name, c.first, c.last), c.hit) << "name: [" << c.name << "] " << c.first;
}

TEST(FindGoToTarget, LandsInTheBlockOrBesideIt)
{
    const std::vector<ListedBlock> latin{{0x0000, 0x007F}, {0x0080, 0x00FF}};
    const std::vector<ListedBlock> gaps{{0x0370, 0x03FF}, {0x0600, 0x06FF}, {0x4E00, 0x9FFF}};
    struct Case {
        const std::vector<ListedBlock>* listed;
        std::int32_t code;
        std::size_t row;
        std::int32_t dest;
        bool listedCode;
    } cases[] = {
        {&latin, 0x41, 0, 0x41, true},
        {&latin, 0xFF, 1, 0xFF, true},
        {&latin, 0x4A1F, 1, 0xFF, false},    // above every block: the last code point
        {&gaps, 0x0100, 0, 0x03FF, false},   // below the first block: its last code point
        {&gaps, 0x0500, 0, 0x03FF, false},   // in a gap: the end of the block before
        {&gaps, 0x0600, 1, 0x0600, true},
        {&gaps, 0x4A1F, 1, 0x06FF, false},
        {&gaps, 0xFFFF, 2, 0x9FFF, false},
    };
    for (const Case& c : cases) {
        auto target = CharData::FindGoToTarget(*c.listed, c.code);
        ASSERT_TRUE(target) << c.code;
        EXPECT_EQ(target->Row, c.row) << c.code;
        EXPECT_EQ(target->Code, c.dest) << c.code;
        EXPECT_EQ(target->Listed, c.listedCode) << c.code;
    }
    EXPECT_EQ(CharData::FindGoToTarget({}, 0x41), std::nullopt);
}

TEST(GoToBox, ValuesAndBaseSwitch)
{
    struct Value {
        const wchar_t* text;
        bool hex;
        std::int32_t value;
    } values[] = {
        {L"4a1f", true, 0x4A1F}, {L"FFFF", true, 0xFFFF}, {L"0041", true, 0x41}, {L"", true, 0},
        {L"65535", false, 65535}, {L"0041", false, 41},   {L"", false, 0},       {L"xyz", true, 0},
    };
    for (const Value& v : values) EXPECT_EQ(CharData::GoToBoxValue(v.text, v.hex), v.value) << v.text << v.hex;

    struct Switch {
        const wchar_t* text;
        bool nowHex;
        const wchar_t* result;
    } switches[] = {
        {L"0041", false, L"65"}, {L"65", true, L"41"},    {L"", false, L"0"},   {L"0", true, L"0"},
        {L"", true, L""},        {L"65535", true, L"FFFF"}, {L"4a1f", false, L"18975"},
    };
    for (const Switch& s : switches) EXPECT_EQ(CharData::GoToTextInBase(s.text, s.nowHex), s.result) << s.text;
}

} // namespace
