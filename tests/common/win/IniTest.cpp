// INI values and sections through the system's profile calls, on real files.
#include "common/Ini.h"
#include "common/IniSection.h"
#include "common/FileTime.h"
#include "runtime/Capabilities.h"
#include "runtime/RuntimeError.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempFolder.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using TestSupport::ReadBytes;
using TestSupport::TempFolder;
using TestSupport::WriteBytes;

// A list with item data, standing in for a list box (the real list kinds
// are tested with the controls).
class MemoryList : public Runtime::IList {
public:
    std::vector<std::wstring> items;
    std::vector<long> data;
    bool hasData = true;
    int ListCount() const override { return static_cast<int>(items.size()); }
    std::wstring List(int i) const override { return items.at(i); }
    int ListIndex() const override { return -1; }
    void SetListIndex(int) override {}
    void AddItem(const std::wstring& t, int) override { items.push_back(t); data.push_back(0); }
    void RemoveItem(int i) override { items.erase(items.begin() + i); data.erase(data.begin() + i); }
    void Clear() override { items.clear(); data.clear(); }
    long ItemData(int i) const override { return data.at(i); }
    void SetItemData(int i, long d) override
    {
        if (!hasData) throw Runtime::Error(Runtime::ErrInvalidCall);
        data.at(i) = d;
    }
    int NewIndex() const override { return ListCount() - 1; }
};

TEST(Ini, NumbersReadByTheValRuleWithDefaults)
{
    TempFolder dir;
    std::wstring file = dir.File(L"s.dat");
    WriteBytes(file, "[S]\r\na=12abc\r\nb=&H10\r\nc= 1 2\r\nd=\r\ne=99999999999999999999\r\nf=-3.25\r\n");
    const struct {
        const wchar_t* key;
        double defaultValue;
        double expected;
    } cases[] = {
        {L"a", 7, 12}, {L"b", 7, 16}, {L"c", 7, 12}, {L"d", 7, 0} /* present but empty: 0, not the default */,
        {L"e", 7, 7} /* too large for a settings number: the default */, {L"f", 0, -3.25},
        {L"missing", 7, 7}, {L"missing", -5, -5},
    };
    for (const auto& c : cases) EXPECT_EQ(Common::IniReadNumber(file, L"S", c.key, c.defaultValue), c.expected) << c.key;
    EXPECT_EQ(Common::IniReadNumber(L"", L"S", L"a", 3), 3);
    EXPECT_EQ(Common::IniReadNumber(file, L"", L"a", 3), 3);
    int count = -1;
    Common::IniReadNumber(file, L"S", L"a", 0, &count);
    EXPECT_EQ(count, 5); // "12abc"
    EXPECT_EQ(Common::IniReadNumber(dir.File(L"none.dat"), L"S", L"a", 4), 4);
}

TEST(Ini, WritesOnlyWhatChangedAndKeepsAttributesAndTime)
{
    TempFolder dir;
    std::wstring file = dir.File(L"s.dat");
    Common::IniWriteString(file, L"S", L"k", L"abc");
    EXPECT_EQ(Common::IniReadString(file, L"S", L"k"), L"abc");

    // An unchanged value leaves the file untouched, even a read-only one.
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
    Common::LocalTime old{2001, 2, 3, 4, 5, 6};
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    Common::SetFileTime(file, old, Common::TimeWritten);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
    std::string before = ReadBytes(file);
    Common::IniWriteString(file, L"S", L"k", L"abc");
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(Common::GetFileTime(file, Common::TimeWritten), old);

    // A changed value is written into the read-only file, which stays read-only;
    // with keepTime the last-write time is unchanged to the second.
    Common::IniWriteString(file, L"S", L"k", L"xyz", true);
    EXPECT_EQ(Common::IniReadString(file, L"S", L"k"), L"xyz");
    EXPECT_EQ(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_READONLY, static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(Common::GetFileTime(file, Common::TimeWritten), old);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);

    // An empty text is stored as a blank and reads back empty.
    Common::IniWriteString(file, L"S", L"e", L"");
    EXPECT_EQ(Common::IniReadString(file, L"S", L"e", L"default"), L"");

    // Numbers: 0 is always written; fractions in the settings' form.
    Common::IniWriteNumber(file, L"S", L"n", 0);
    EXPECT_NE(ReadBytes(file).find("n=0"), std::string::npos);
    Common::IniWriteNumber(file, L"S", L"h", 0.5);
    EXPECT_NE(ReadBytes(file).find("h=.5"), std::string::npos);
    Common::IniWriteNumber(file, L"S", L"m", -42);
    EXPECT_EQ(Common::IniReadNumber(file, L"S", L"m"), -42);
    Common::IniWriteString(L"", L"S", L"k", L"nothing"); // no file: nothing happens
}

// The writer's value is a 64-bit fixed-point number: one beyond it is the
// overflow error at the conversion, and the file stays as it was (no key is
// written, the old value of an existing key is kept).
TEST(Ini, ANumberBeyondTheFixedPointRangeIsAnOverflowAndWritesNothing)
{
    TempFolder dir;
    std::wstring file = dir.File(L"s.dat");
    WriteBytes(file, "[S]\r\nkept=12\r\n");
    const std::string before = ReadBytes(file);
    const struct {
        const wchar_t* key;
        double value;
    } cases[] = {{L"kept", 1e15}, {L"kept", -1e20}, {L"new", 922337203685478.0}, {L"new", 1e300}};
    for (const auto& c : cases) {
        EXPECT_EQ(TestSupport::ErrorOf([&] { Common::IniWriteNumber(file, L"S", c.key, c.value); }),
                  Runtime::ErrOverflow)
            << c.value;
        EXPECT_EQ(ReadBytes(file), before) << c.value;
    }
    // The largest whole number it holds is written as it is.
    Common::IniWriteNumber(file, L"S", L"kept", -922337203685477.0);
    EXPECT_EQ(Common::IniReadString(file, L"S", L"kept"), L"-922337203685477");
}

// Item data is a signed 32-bit number: the data text's number is rounded to
// a whole number, a half to the even neighbour; one that no item data can
// hold leaves the new item's data at 0 (the item itself is added).
TEST(IniSection, ItemDataIsTheRoundedNumberOrZeroWhenItCannotBeHeld)
{
    TempFolder dir;
    std::wstring file = dir.File(L"s.dat");
    const struct {
        const char* data;
        long expected;
    } cases[] = {
        {"42", 42}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"2.6", 3}, {"-7.5", -8},
        {"2147483647", 2147483647}, {"-2147483648", -2147483647L - 1}, {"2147483647.5", 0},
        {"2147483648", 0}, {"-2147483649", 0}, {"1E30", 0}, {"-1E30", 0}, {"1E400", 0}, {"&HFFFFFFFFFF", 0},
    };
    for (const auto& c : cases) {
        WriteBytes(file, std::string("[D]\r\n0=Name|") + c.data + "\r\n");
        MemoryList list;
        EXPECT_EQ(Common::IniReadSection(file, L"D", list, L"|"), L"Name") << c.data;
        ASSERT_EQ(list.items, std::vector<std::wstring>{L"Name"}) << c.data;
        EXPECT_EQ(list.data, std::vector<long>{c.expected}) << c.data;
    }
}

TEST(IniSection, ReadsIntoListsArraysAndText)
{
    TempFolder dir;
    std::wstring file = dir.File(L"s.dat");
    WriteBytes(file, "[H]\r\n0=first\r\n1=second\r\n[D]\r\n3=Name|42\r\n4=Other\r\n5=|7\r\n");

    MemoryList list;
    list.items = {L"stale"};
    list.data = {1};
    EXPECT_EQ(Common::IniReadSection(file, L"H", list), L"first\r\nsecond");
    EXPECT_EQ(list.items, (std::vector<std::wstring>{L"first", L"second"}));

    EXPECT_EQ(Common::IniReadSection(file, L"D", list, L"|"), L"Name\r\nOther\r\n");
    EXPECT_EQ(list.items, (std::vector<std::wstring>{L"Name", L"Other"}));
    EXPECT_EQ(list.data, (std::vector<long>{42, 0}));

    MemoryList noData;
    noData.hasData = false;
    EXPECT_EQ(Common::IniReadSection(file, L"H", noData), L"first\r\nsecond");
    EXPECT_EQ(noData.items.size(), 2u);

    std::vector<std::wstring> array;
    EXPECT_EQ(Common::IniReadSection(file, L"H", array, L","), L"first,second");
    EXPECT_EQ(array, (std::vector<std::wstring>{L"first", L"second"}));
    EXPECT_EQ(Common::IniReadSection(file, L"H"), L"first\r\nsecond");

    MemoryList untouched;
    untouched.items = {L"keep"};
    untouched.data = {0};
    EXPECT_EQ(Common::IniReadSection(dir.File(L"missing.dat"), L"H", untouched), L"");
    EXPECT_EQ(untouched.items, std::vector<std::wstring>{L"keep"});
}

TEST(IniSection, WritesWholeSections)
{
    TempFolder dir;
    std::wstring file = dir.File(L"s.dat");
    MemoryList list;
    for (const wchar_t* t : {L"a", L"b", L"c"}) list.AddItem(t, -1);
    Common::IniWriteSection(file, L"L", list);
    EXPECT_EQ(Common::IniReadString(file, L"L", L"0"), L"a");
    EXPECT_EQ(Common::IniReadString(file, L"L", L"2"), L"c");

    list.SetItemData(1, 9);
    Common::IniWriteSection(file, L"L", list, L"|");
    EXPECT_EQ(Common::IniReadString(file, L"L", L"1"), L"b|9");

    // An empty list removes the section's entries.
    MemoryList empty;
    Common::IniWriteSection(file, L"L", empty);
    EXPECT_EQ(Common::IniReadSection(file, L"L"), L"");

    Common::IniWriteSectionText(file, L"T", L"x=1\r\ny");
    EXPECT_EQ(Common::IniReadString(file, L"T", L"x"), L"1");
    EXPECT_EQ(Common::IniReadString(file, L"T", L"1"), L"y");

    Common::IniWriteSection(file, L"A", std::vector<std::wstring>{L"p", L"q"});
    EXPECT_EQ(Common::IniReadString(file, L"A", L"1"), L"q");
}

} // namespace
