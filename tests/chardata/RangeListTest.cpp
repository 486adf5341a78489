// The block list's rules: subset bits, which rows are listed and checked,
// the keys, the sub-range box order, the scroll range and the listed block
// of a code point.
#include "chardata/RangeList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace CharData;

// A subset string with the given bits set ("1"), 128 characters.
std::wstring Bits(std::initializer_list<int> set)
{
    std::wstring bits(128, L'0');
    for (int bit : set) bits[static_cast<std::size_t>(bit)] = L'1';
    return bits;
}

TEST(RangeList, SubsetBitSet)
{
    struct Case {
        std::wstring bits;
        int bit;
        bool set;
    };
    const Case cases[] = {
        {L"1", 0, true},     {L"01", 1, true},    {L"01", 0, false},  {L"0", 1, false},
        {L"", 0, false},     {L"1", -1, false},   {L"2", 0, true},    {L"9", 0, true},
        {L"x", 0, false},    {L" ", 0, false},    {Bits({127}), 127, true}, {Bits({127}), 128, false},
    };
    for (const auto& c : cases) EXPECT_EQ(SubsetBitSet(c.bits, c.bit), c.set) << "'" << c.bits << "' bit " << c.bit;
}

std::vector<std::wstring_view> Listed(const RangeFilter& filter, std::vector<bool>* checked = nullptr)
{
    std::vector<std::wstring_view> names;
    for (const Subrange& row : SubrangeTable()) {
        if (!RangeRowListed(filter, row)) continue;
        names.push_back(row.Name);
        if (checked) checked->push_back(RangeRowChecked(filter, row));
    }
    return names;
}

TEST(RangeList, ListedAndCheckedRows)
{
    const std::wstring latin = Bits({0, 1});
    std::vector<bool> checked;
    EXPECT_EQ(Listed({latin, false}, &checked),
              (std::vector<std::wstring_view>{L"Basic Latin", L"Latin-1 Supplement"}));
    EXPECT_EQ(checked, (std::vector<bool>{true, true}));

    // All rows listed: only the font's own are checked.
    checked.clear();
    EXPECT_EQ(Listed({latin, true}, &checked).size(), kSubrangeCount);
    EXPECT_EQ(std::count(checked.begin(), checked.end(), true), 2);

    // No font chosen yet.
    EXPECT_TRUE(Listed({L"", false}).empty());
    checked.clear();
    EXPECT_EQ(Listed({L"", true}, &checked).size(), kSubrangeCount);
    EXPECT_EQ(std::count(checked.begin(), checked.end(), true), 0);

    // Bit 9 lists both Cyrillic rows; bit 84 its four rows together.
    EXPECT_EQ(Listed({Bits({9}), false}), (std::vector<std::wstring_view>{L"Cyrillic", L"Cyrillic Supplement"}));
    EXPECT_EQ(Listed({Bits({84}), false}),
              (std::vector<std::wstring_view>{L"Tagalog", L"Hanunoo", L"Buhid", L"Tagbanwa"}));

    // A font claiming every bit still never lists the rows without one.
    EXPECT_EQ(Listed({std::wstring(128, L'1'), false}).size(),
              static_cast<std::size_t>(std::count_if(SubrangeTable().begin(), SubrangeTable().end(),
                                                     [](const Subrange& r) { return r.Bit >= 0; })));
}

TEST(RangeList, Keys)
{
    EXPECT_EQ(RangeKey(1024), L"D.1024");
    EXPECT_EQ(RangeKey(0), L"D.0");
    struct Case {
        std::wstring key;
        std::optional<std::int32_t> number;
    };
    const Case cases[] = {
        {L"D.1024", 1024}, {L"D.0", 0},        {L"D.65535", 65535}, {L"D.65536", std::nullopt},
        {L"D.", std::nullopt}, {L"D.12a", std::nullopt}, {L"d.12", std::nullopt}, {L"1024", std::nullopt},
        {L"D.-1", std::nullopt}, {L"D. 12", std::nullopt}, {L"D.999999", std::nullopt}, {L"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(KeyNumber(c.key), c.number) << "'" << c.key << "'";
}

TEST(RangeList, TableScrollMax)
{
    struct Case {
        std::int32_t listed, max;
    };
    const Case cases[] = {{65424, 4088}, {256, 15}, {16, 0}, {0, 0}, {1000000, 32767}};
    for (const auto& c : cases) EXPECT_EQ(TableScrollMax(c.listed), c.max) << "listed " << c.listed;
}

// The sub-range box as filling builds it: each name inserted at its sorted
// position, in table order.
TEST(RangeList, SubrangeBoxOrderIgnoresCase)
{
    std::vector<std::wstring> box;
    for (const Subrange& row : SubrangeTable()) {
        if (row.Name == kUndefinedSubrange) continue;
        box.insert(box.begin() + static_cast<std::ptrdiff_t>(SortedPosition(box, row.Name)), std::wstring(row.Name));
    }
    ASSERT_EQ(box.size(), kSubrangeCount - 1);
    auto at = [&](std::wstring_view name) { return std::find(box.begin(), box.end(), name) - box.begin(); };
    EXPECT_LT(at(L"Arabic Extended-A"), at(L"Arabic Presentation Forms-A"));
    EXPECT_GT(at(L"IPA Extensions"), at(L"Ideographic Description"));
    EXPECT_LT(at(L"New Tai Lue"), at(L"NKo"));
    EXPECT_EQ(box.front(), L"Alphabetic Presentation Forms");
    EXPECT_EQ(box.back(), L"Yijing Hexagram Symbols");
    for (std::size_t i = 1; i < box.size(); ++i)
        EXPECT_LE(CompareIgnoringCase(box[i - 1], box[i]), 0) << "'" << box[i - 1] << "' before '" << box[i] << "'";
}

TEST(RangeList, CompareIgnoringCase)
{
    struct Case {
        std::wstring a, b;
        int sign;
    };
    const Case cases[] = {
        {L"abc", L"ABC", 0}, {L"IPA", L"Ideo", 1}, {L"a", L"ab", -1}, {L"", L"", 0},
        {L"\x0436", L"\x0416", 0}, {L"b", L"A", 1},
    };
    for (const auto& c : cases) {
        const int got = CompareIgnoringCase(c.a, c.b);
        EXPECT_EQ((got > 0) - (got < 0), c.sign) << "'" << c.a << "' vs '" << c.b << "'";
    }
}

std::vector<ListedBlock> BlocksOf(const RangeFilter& filter)
{
    std::vector<ListedBlock> blocks;
    for (const Subrange& row : SubrangeTable())
        if (RangeRowListed(filter, row)) blocks.push_back({row.First, row.Last});
    return blocks;
}

TEST(RangeList, FindRangeIndex)
{
    const std::vector<ListedBlock> all = BlocksOf({L"", true});
    const std::vector<ListedBlock> latin = BlocksOf({Bits({0, 1}), false});
    const std::vector<ListedBlock> noBasicLatin = BlocksOf({Bits({1, 9}), false});
    const std::vector<ListedBlock> none;
    struct Case {
        const char* list;
        const std::vector<ListedBlock>& blocks;
        std::int32_t code;
        std::optional<std::int32_t> first;
    };
    const Case cases[] = {
        {"all", all, 0x0041, 0x0000},
        {"all", all, 0x0400, 0x0400},
        {"all", all, 0x052F, 0x0500},
        {"all", all, 0x0865, 0x08A0},        // the gap after Mandaic: the next block
        {"all", all, 0x089F, 0x08A0},
        {"all", all, 0x1C95, 0x1CC0},        // the gap after Cyrillic Extended-C
        {"all", all, 0xFFFF, 0xFFF0},
        {"all", all, -5, 0x0000},
        {"all", all, 0x10000, 0xFFF0},
        {"latin", latin, 0x0041, 0x0000},
        {"latin", latin, 0x0080, 0x0080},
        {"latin", latin, 0x0400, 0x0080},    // above every listed block: the last
        {"no Basic Latin", noBasicLatin, 0x0000, 0x0080},
        {"no Basic Latin", noBasicLatin, 0x0100, 0x0400},  // between listed blocks: the next
        {"no Basic Latin", noBasicLatin, 0x0600, 0x0500},
        {"empty", none, 0x0041, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindRangeIndex(c.code, c.blocks), c.first) << c.list << " list, code " << std::hex << c.code;
}

} // namespace
