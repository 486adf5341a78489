// The block table as a whole: rows in code order without overlaps, the two
// gaps that belong to no row, the code points covered, and bits that a
// 128-bit subset field can hold.
#include "chardata/SubrangeTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace CharData;

TEST(SubrangeTable, RowsRunInCodeOrderWithOnlyTheTwoGaps)
{
    const auto rows = SubrangeTable();
    std::int64_t covered = 0;
    std::set<std::wstring_view> names;
    std::vector<std::pair<std::int32_t, std::int32_t>> gaps;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Subrange& row = rows[i];
        EXPECT_LE(row.First, row.Last) << "row " << i;
        EXPECT_EQ(row.First % 16, 0) << "row " << i;
        EXPECT_EQ(row.Last % 16, 15) << "row " << i;
        EXPECT_GE(row.Bit, -1) << "row " << i;
        EXPECT_LT(row.Bit, 128) << "row " << i;
        EXPECT_TRUE(names.insert(row.Name).second) << "row " << i << " repeats its name";
        covered += row.Last - row.First + 1;
        if (i == 0) continue;
        EXPECT_GT(row.First, rows[i - 1].Last) << "row " << i;
        if (row.First != rows[i - 1].Last + 1) gaps.emplace_back(rows[i - 1].Last + 1, row.First - 1);
    }
    EXPECT_EQ(rows.front().First, 0);
    EXPECT_EQ(rows.back().Last, 0xFFFF);
    EXPECT_EQ(covered, 65424);
    const std::vector<std::pair<std::int32_t, std::int32_t>> expectedGaps = {{0x0860, 0x089F}, {0x1C90, 0x1CBF}};
    EXPECT_EQ(gaps, expectedGaps);
}

struct RowCase {
    std::size_t row;
    std::int16_t bit;
    std::int32_t first, last;
    std::wstring_view name;
};

// Rows the rest of the program leans on by position, bit or name.
TEST(SubrangeTable, RowsTheProgramNames)
{
    const RowCase cases[] = {
        {0, 0, 0x0000, 0x007F, L"Basic Latin"},
        {8, 9, 0x0400, 0x04FF, L"Cyrillic"},
        {9, 9, 0x0500, 0x052F, L"Cyrillic Supplement"},
        {11, 11, 0x0590, 0x05FF, L"Basic Hebrew"},
        {12, 13, 0x0600, 0x06FF, L"Basic Arabic"},
        {18, -1, 0x0840, 0x085F, L"Mandaic"},
        {19, -1, 0x08A0, 0x08FF, L"Arabic Extended-A"},
        {42, 84, 0x1700, 0x171F, L"Tagalog"},
        {45, 84, 0x1760, 0x177F, L"Tagbanwa"},
        {75, 37, 0x2190, 0x21FF, L"Arrows"},
        {103, -1, 0x2FE0, 0x2FEF, L"<undefined>"},
        {104, 59, 0x2FF0, 0x2FFF, L"Ideographic Description"},
        {118, 59, 0x4E00, 0x9FFF, L"CJK Unified Ideographs"},
        {151, 61, 0xF900, 0xFAFF, L"CJK Compatibility Ideographs"},
        {161, 69, 0xFFF0, 0xFFFF, L"Specials"},
    };
    const auto rows = SubrangeTable();
    for (const auto& c : cases) {
        const Subrange& row = rows[c.row];
        EXPECT_EQ(row.Bit, c.bit) << "row " << c.row;
        EXPECT_EQ(row.First, c.first) << "row " << c.row;
        EXPECT_EQ(row.Last, c.last) << "row " << c.row;
        EXPECT_EQ(row.Name, c.name) << "row " << c.row;
    }
    int bit84 = 0;
    for (const Subrange& row : rows) bit84 += row.Bit == 84;
    EXPECT_EQ(bit84, 4);
}

} // namespace
