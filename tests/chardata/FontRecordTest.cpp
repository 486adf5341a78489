// Font list values into records: types and suffixes, several fonts in one
// value, the file text, and where a font's file is.
#include "chardata/FontRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace CharData;

TEST(FontRecord, AddFontValue)
{
    struct Expected {
        std::int16_t type;
        std::wstring name, file;
    };
    struct Case {
        std::wstring valueName, data;
        std::int16_t filter;
        std::vector<Expected> records;
    };
    const std::wstring nulData = std::wstring(L"sample.ttf") + L'\0' + L"garbage";
    const Case cases[] = {
        {L"Sample Sans (TrueType)", L"sample.ttf", 4, {{4, L"Sample Sans", L"sample.ttf"}}},
        {L"Sample Sans (TrueType)", L"sample.ttf", 0, {{4, L"Sample Sans", L"sample.ttf"}}},
        {L"Sample Sans (TrueType)", L"sample.ttf", 1, {}},
        {L"First Face & Second Face (TrueType)", L"faces.ttc", 4,
         {{4, L"First Face", L"faces.ttc"}, {4, L"Second Face", L"faces.ttc"}}},
        {L"A & B & C (TrueType)", L"abc.ttc", 4, {{4, L"A", L"abc.ttc"}, {4, L"B", L"abc.ttc"}, {4, L"C", L"abc.ttc"}}},
        {L"A&B (TrueType)", L"ab.ttc", 4, {{4, L"A&B", L"ab.ttc"}}},
        {L"Courier 10,12,15 (All res)", L"coure.fon", 4, {}},
        {L"Courier 10,12,15 (All res)", L"coure.fon", 0, {{1, L"Courier 10,12,15", L"coure.fon"}}},
        {L"MS Sans Serif 8,10 (VGA res)", L"sserife.fon", 0, {{1, L"MS Sans Serif 8,10", L"sserife.fon"}}},
        {L"Odd (All res) (VGA res)", L"odd.fon", 0, {{1, L"Odd", L"odd.fon"}}},
        {L"Odd (VGA res) (All res)", L"odd.fon", 0, {{1, L"Odd (VGA res)", L"odd.fon"}}},
        {L"Mid (TrueType) Bold (All res)", L"mid.fon", 0, {{1, L"Mid (TrueType) Bold", L"mid.fon"}}},
        {L"Mid (TrueType) Bold (All res)", L"mid.fon", 4, {}},
        {L"Lower (truetype)", L"lower.ttf", 0, {{1, L"Lower (truetype)", L"lower.ttf"}}},
        {L"Padded (TrueType)", L"  padded.ttf  ", 4, {{4, L"Padded", L"padded.ttf"}}},
        {L"Nul Ended (TrueType)", nulData, 4, {{4, L"Nul Ended", L"sample.ttf"}}},
        {L"No File (TrueType)", L"", 4, {{4, L"No File", L""}}},
        {L"Wine Font (TrueType)", L"Z:\\usr\\share\\fonts\\wine.ttf", 4,
         {{4, L"Wine Font", L"Z:\\usr\\share\\fonts\\wine.ttf"}}},
    };
    for (const auto& c : cases) {
        std::vector<FontRecord> fonts(1);
        const int added = AddFontValue(fonts, c.filter, c.valueName, c.data);
        ASSERT_EQ(added, static_cast<int>(c.records.size())) << "'" << c.valueName << "' filter " << c.filter;
        ASSERT_EQ(fonts.size(), c.records.size() + 1) << "'" << c.valueName << "'";
        for (std::size_t i = 0; i < c.records.size(); ++i) {
            const FontRecord& r = fonts[i + 1];
            EXPECT_EQ(r.Type, c.records[i].type) << "'" << c.valueName << "' record " << i;
            EXPECT_EQ(r.Name, c.records[i].name) << "'" << c.valueName << "' record " << i;
            EXPECT_EQ(r.File, c.records[i].file) << "'" << c.valueName << "' record " << i;
            EXPECT_TRUE(r.UnicodeSubsets.empty());
        }
    }
}

TEST(FontRecord, FontFilePath)
{
    struct Case {
        std::wstring folder, file, path;
    };
    const Case cases[] = {
        {L"C:\\Windows\\Fonts\\", L"tahoma.ttf", L"C:\\Windows\\Fonts\\tahoma.ttf"},
        {L"C:\\Windows\\Fonts", L"tahoma.ttf", L"C:\\Windows\\Fonts\\tahoma.ttf"},
        {L"C:\\Windows\\Fonts\\", L"Z:\\usr\\share\\fonts\\truetype\\dejavu\\DejaVuSans.ttf",
         L"Z:\\usr\\share\\fonts\\truetype\\dejavu\\DejaVuSans.ttf"},
        {L"C:\\Windows\\Fonts\\", L"\\\\server\\fonts\\x.ttf", L"\\\\server\\fonts\\x.ttf"},
        {L"C:\\Windows\\Fonts\\", L"sub\\x.ttf", L"sub\\x.ttf"},
        {L"C:\\Windows\\Fonts\\", L"D:x.ttf", L"D:x.ttf"},
        {L"C:\\Windows\\Fonts\\", L"", L""},
        {L"", L"tahoma.ttf", L"tahoma.ttf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FontFilePath(c.folder, c.file), c.path) << "'" << c.folder << "' + '" << c.file << "'";
}

} // namespace
