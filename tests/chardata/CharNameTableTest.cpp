// The name table built from a name source of our own: which code points are
// looked up, how the library's answer is taken, the C1 names, and how the
// name and entity files add to the table.
#include "chardata/CharNameTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

namespace {

using namespace CharData;

// A name source that names every code point "Name-XXXX" and notes what it
// was asked for.
struct RecordingSource {
    std::set<std::uint32_t> asked;

    CharNameTable::NameSource Source()
    {
        return [this](std::uint32_t code, wchar_t* buffer) -> std::int16_t {
            asked.insert(code);
            const std::wstring name = Name(code);
            std::copy(name.begin(), name.end(), buffer);
            return static_cast<std::int16_t>(name.size());
        };
    }

    static std::wstring Name(std::uint32_t code)
    {
        if ((code >= 0x80 && code <= 0x9F) || code < 0x20) return L"<Control>";
        if (code == 0x0378 || code == 0x0237) return L"Undefined";
        if (code == 0x0238) return L"";
        static const wchar_t kDigits[] = L"0123456789ABCDEF";
        std::wstring name = L"Name-";
        for (int shift = 12; shift >= 0; shift -= 4) name += kDigits[(code >> shift) & 0xF];
        return name;
    }
};

class CharNameTableTest : public ::testing::Test {
protected:
    void Build(std::optional<std::wstring_view> names = std::nullopt,
               std::optional<std::wstring_view> entities = std::nullopt)
    {
        table.LoadCharNames(source.Source(), names, entities);
    }

    RecordingSource source;
    CharNameTable table;
};

TEST_F(CharNameTableTest, BuiltInRangesAreNeverLookedUp)
{
    Build();
    EXPECT_EQ(source.asked.size(), 29292u);
    for (const NameRange& range : NameRangeTable()) {
        for (std::int32_t code = range.First; code <= range.Last; ++code) {
            if (source.asked.count(static_cast<std::uint32_t>(code)) || !table.Record(code).Name.empty()) {
                ADD_FAILURE() << "code " << std::hex << code << " of a built-in range was looked up";
                break;
            }
        }
    }
}

struct LookUpCase {
    std::int32_t code;
    std::wstring name;      // GetCharName
    bool recordNamed;       // the record itself holds the name
};

TEST_F(CharNameTableTest, NamesOfRangesAndTheirEdges)
{
    Build();
    const LookUpCase cases[] = {
        {0x33FF, L"Name-33FF", true},
        {0x3400, L"CJK Unified Ideograph", false},
        {0x4DBF, L"CJK Unified Ideograph", false},
        {0x4DC0, L"Name-4DC0", true},
        {0x4E00, L"CJK Unified Ideograph", false},
        {0x9FA5, L"CJK Unified Ideograph", false},
        {0x9FA6, L"Name-9FA6", true},
        {0xD7FF, L"Name-D7FF", true},
        {0xD800, L"Non Private Use High Surrogate", false},
        {0xDB7F, L"Non Private Use High Surrogate", false},
        {0xDB80, L"Private Use High Surrogate", false},
        {0xDC00, L"Low Surrogate", false},
        {0xDFFF, L"Low Surrogate", false},
        {0xE000, L"Private Use", false},
        {0xF8FF, L"Private Use", false},
        {0xF900, L"CJK Compatibility Ideograph", false},
        {0xFA2D, L"CJK Compatibility Ideograph", false},
        {0xFA2E, L"Name-FA2E", true},
        {0xFFFF, L"Name-FFFF", true},
        {0x0238, L"", false},              // the library gave nothing
        {0x0378, L"Undefined", true},      // kept as the library says it
        {-1, L"", false},
        {0x10000, L"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table.GetCharName(c.code), c.name) << "code " << std::hex << c.code;
        EXPECT_EQ(!table.Record(c.code).Name.empty(), c.recordNamed) << "code " << std::hex << c.code;
    }
}

TEST_F(CharNameTableTest, C1ControlsGetTheirOwnNames)
{
    Build();
    const LookUpCase cases[] = {
        {0x80, L"Padding Character", true},
        {0x81, L"High Octet Preset", true},
        {0x82, L"<Control>", true},
        {0x84, L"Index", true},
        {0x99, L"Single Graphic Character Introducer", true},
        {0x9F, L"<Control>", true},
        {0x00, L"<Control>", true},
    };
    for (const auto& c : cases) EXPECT_EQ(table.GetCharName(c.code), c.name) << "code " << std::hex << c.code;
}

TEST(CharNameTable, C1NameReplacesOnlyTheExactControlText)
{
    CharNameTable table;
    table.LoadCharNames(
        [](std::uint32_t code, wchar_t* buffer) -> std::int16_t {
            const wchar_t* name = code == 0x80 ? L"<control>" : code == 0x81 ? L"Something Else" : L"<Control>";
            std::wcsncpy(buffer, name, kNameBufferChars);
            return static_cast<std::int16_t>(std::wcslen(name));
        },
        std::nullopt, std::nullopt);
    EXPECT_EQ(table.GetCharName(0x80), L"<control>");
    EXPECT_EQ(table.GetCharName(0x81), L"Something Else");
    EXPECT_EQ(table.GetCharName(0x84), L"Index");
}

// A library that claims more characters than its buffer holds, or a
// negative length, is held to the buffer: the table never reads past it.
TEST(CharNameTable, LengthIsHeldToTheBuffer)
{
    struct Case {
        std::int16_t claimed;
        std::size_t length;
    };
    const Case cases[] = {{0, 0}, {5, 5}, {127, 127}, {128, 127}, {200, 127}, {32767, 127}, {-1, 0}, {-32768, 0}};
    for (const auto& c : cases) {
        CharNameTable table;
        table.LoadCharNames(
            [&](std::uint32_t, wchar_t* buffer) -> std::int16_t {
                std::fill(buffer, buffer + kNameBufferChars, L'n');
                return c.claimed;
            },
            std::nullopt, std::nullopt);
        EXPECT_EQ(table.Record(0x41).Name, std::wstring(c.length, L'n')) << "claimed " << c.claimed;
    }
}

// The table hands out the characters the library wrote and no more; what it
// claims beyond them are the blanks the buffer was filled with.
TEST(CharNameTable, BufferStartsBlank)
{
    CharNameTable table;
    table.LoadCharNames(
        [](std::uint32_t, wchar_t* buffer) -> std::int16_t {
            buffer[0] = L'A';
            return 3;
        },
        std::nullopt, std::nullopt);
    EXPECT_EQ(table.Record(0x41).Name, L"A  ");
}

TEST(CharNameTable, WithoutALibraryOnlyTheFilesName)
{
    CharNameTable table;
    table.LoadCharNames({}, L"0041,Latin Capital Letter A\r\n", L"0041,  ,A\r\n");
    EXPECT_EQ(table.GetCharName(0x41), L"Latin Capital Letter A");
    EXPECT_EQ(table.GetCharName(0x42), L"");
    EXPECT_EQ(table.GetCharName(0x80), L"");
    EXPECT_EQ(table.GetCharName(0x4E00), L"CJK Unified Ideograph");
    EXPECT_EQ(table.Record(0x41).Entity, L"A");
}

TEST_F(CharNameTableTest, NameFileFillsOnlyEmptyAndUndefinedNames)
{
    Build(L"0237,Latin Small Letter Dotless J\r\n"   // library: "Undefined"
          L"0238,Latin Small Letter Db Digraph\r\n"  // library: nothing
          L"0041,Not This Name\r\n"                   // library: a name of its own
          L"4E00,Not Into A Range Either\r\n"
          L"0080,Not Over A C1 Name\r\n");
    EXPECT_EQ(table.GetCharName(0x237), L"Latin Small Letter Dotless J");
    EXPECT_EQ(table.GetCharName(0x238), L"Latin Small Letter Db Digraph");
    EXPECT_EQ(table.GetCharName(0x41), L"Name-0041");
    // A built-in range record is empty, so a file may name it.
    EXPECT_EQ(table.GetCharName(0x4E00), L"Not Into A Range Either");
    EXPECT_EQ(table.GetCharName(0x80), L"Padding Character");
    EXPECT_EQ(table.Record(0x237).Code, 0);
    EXPECT_EQ(table.Record(0x237).IE, 0);
}

TEST_F(CharNameTableTest, NameFileFirstLineForACodeWins)
{
    Build(L"0378,First\r\n0378,Second\r\n");
    EXPECT_EQ(table.GetCharName(0x378), L"First");
}

// Bad lines are skipped one by one; the lines around them still count.
TEST_F(CharNameTableTest, NameFileBadLinesLoseNothingElse)
{
    std::wstring text = L"; a comment\r\n"
                        L"0237,Before The Bad Lines\n"
                        L"02X8,Typo\r"
                        L"Garbage\r\n"
                        L"\r\n"
                        L"10000,Too Far\r\n";
    text += L'\0';
    text += L"\r\n0238,After A NUL Line\r\n";
    text += L'\0';
    Build(text);
    EXPECT_EQ(table.GetCharName(0x237), L"Before The Bad Lines");
    EXPECT_EQ(table.GetCharName(0x238), L"After A NUL Line");
    EXPECT_EQ(table.GetCharName(0x2), L"<Control>");
}

TEST_F(CharNameTableTest, LineEndsOfEveryKindReadAlike)
{
    for (std::wstring_view end : {L"\r\n", L"\n", L"\r"}) {
        std::wstring text = L"0237,One";
        text += end;
        text += L"0238,Two";
        text += end;
        std::wstring entities = L"00A0,IE,nbsp";
        entities += end;
        entities += L"002A,  ,ast,midast";
        entities += end;
        Build(text, entities);
        const std::string which = end == L"\r\n" ? "CR LF" : end == L"\n" ? "LF" : "CR";
        EXPECT_EQ(table.GetCharName(0x237), L"One") << which;
        EXPECT_EQ(table.GetCharName(0x238), L"Two") << which;
        EXPECT_EQ(table.Record(0xA0).Entity, L"nbsp") << which;
        EXPECT_EQ(table.Record(0x2A).Entity, L"ast,midast") << which;
    }
}

TEST_F(CharNameTableTest, EntityFileSetsCodeEntityAndMarker)
{
    Build(std::nullopt, L"00A0,IE,nbsp,NonBreakingSpace\r\n"
                        L"002A,  ,ast,midast\r\n"
                        L"0041,IE\r\n"
                        L"0022,iE,quot\r\n");
    struct Case {
        std::int32_t code;
        std::int32_t recordCode;
        std::int16_t ie;
        std::wstring entity;
    };
    const Case cases[] = {
        {0xA0, 0xA0, 1, L"nbsp,NonBreakingSpace"},
        {0x2A, 0x2A, 0, L"ast,midast"},
        {0x41, 0, 0, L""},            // a code and a marker only: nothing changes
        {0x22, 0x22, 1, L"quot"},
    };
    for (const auto& c : cases) {
        const CharRecord r = table.Record(c.code);
        EXPECT_EQ(r.Code, c.recordCode) << "code " << std::hex << c.code;
        EXPECT_EQ(r.IE, c.ie) << "code " << std::hex << c.code;
        EXPECT_EQ(r.Entity, c.entity) << "code " << std::hex << c.code;
        EXPECT_EQ(r.Name, RecordingSource::Name(static_cast<std::uint32_t>(c.code))) << "code " << std::hex << c.code;
    }
}

TEST_F(CharNameTableTest, LaterEntityLineReplacesButNeverClearsTheMarker)
{
    Build(std::nullopt, L"00A0,IE,nbsp\r\n00A0,  ,NonBreakingSpace\r\n");
    EXPECT_EQ(table.Record(0xA0).Entity, L"NonBreakingSpace");
    EXPECT_EQ(table.Record(0xA0).IE, 1);
}

TEST_F(CharNameTableTest, RebuildingDiscardsTheEarlierTable)
{
    Build(L"0237,From The First Build\r\n", L"00A0,IE,nbsp\r\n");
    Build();
    EXPECT_EQ(table.GetCharName(0x237), L"Undefined");
    EXPECT_EQ(table.Record(0xA0).Entity, L"");
    EXPECT_EQ(table.Record(0xA0).IE, 0);
}

TEST(CharNameTable, EmptyBeforeBuilding)
{
    const CharNameTable table;
    EXPECT_EQ(table.Record(0xFFFF).Name, L"");
    EXPECT_EQ(table.GetCharName(0x41), L"");
    EXPECT_EQ(table.GetCharName(0xE000), L"Private Use");
}

} // namespace
