// The table of named window messages: its size, its order and values
// where they are known, trimmed names, and a full table refusing more rows.
#include "common/MessageList.h"
#include "latchet/Messages.h"
#include "runtime/RuntimeError.h"

#include <map>
#include <set>

#include <gtest/gtest.h>

namespace {

std::map<std::wstring, long> Values()
{
    std::map<std::wstring, long> values;
    const Common::MessageList& table = Common::SharedMessageList();
    for (int i = 0; i < table.Count(); ++i) values.emplace(table.Row(i).Name, table.Row(i).Value);
    return values;
}

TEST(MessageTable, HoldsTheRowsInThePagesOrder)
{
    Messages::Init();
    const Common::MessageList& table = Common::SharedMessageList();
    ASSERT_EQ(table.Count(), 1198);
    EXPECT_EQ(table.Row(0).Name, L"CCM_FIRST");
    EXPECT_EQ(table.Row(0).Value, 8192);
    EXPECT_EQ(table.Row(11).Name, L"WM_USER");
    EXPECT_EQ(table.Row(11).Value, 1024);
    EXPECT_EQ(table.Row(12).Name, L"ACM_OPENA");
    EXPECT_EQ(table.Row(table.Count() - 1).Name, L"WM_XBUTTONUP");

    std::set<std::wstring> names;
    int negative = 0;
    for (int i = 0; i < table.Count(); ++i) {
        const std::wstring& name = table.Row(i).Name;
        EXPECT_FALSE(name.empty());
        EXPECT_LE(name.size(), 29u) << i;
        EXPECT_EQ(name.find(L' '), std::wstring::npos) << i;
        EXPECT_TRUE(names.insert(name).second) << i; // each name once
        if (table.Row(i).Value < 0) {
            ++negative;
            EXPECT_EQ(name.rfind(L"CDN_", 0), 0u) << i;
        }
        EXPECT_LE(table.Row(i).Value, 52429) << i;
    }
    EXPECT_EQ(negative, 9);
}

TEST(MessageTable, ValuesAreThePublishedOnes)
{
    Messages::Init();
    const std::map<std::wstring, long> values = Values();
    const std::pair<const wchar_t*, long> known[] = {
        {L"WM_NULL", 0},          {L"WM_CREATE", 1},          {L"WM_DESTROY", 2},         {L"WM_SETTEXT", 12},
        {L"WM_CTLCOLOR", 25},     {L"WM_WININICHANGE", 26},   {L"WM_SETTINGCHANGE", 26},  {L"WM_NOTIFY", 78},
        {L"WM_KEYDOWN", 256},     {L"WM_COMMAND", 273},       {L"WM_HSCROLL", 276},       {L"WM_MOUSEMOVE", 512},
        {L"WM_HOTKEY", 786},      {L"WM_APP", 32768},         {L"WM_RASDIALEVENT", 52429}, {L"DM_GETDEFID", 1024},
        {L"DDM_SETFMT", 1024},    {L"NIN_SELECT", 1024},      {L"WM_PSD_PAGESETUPDLG", 1024},
        {L"CDN_FIRST", -601},     {L"CDN_INCLUDEITEM", -608}, {L"EM_GETSEL", 176},        {L"EM_SETCHARFORMAT", 1092},
        {L"LVM_GETITEMCOUNT", 4100}, {L"LVM_SETUNICODEFORMAT", 8197}, {L"TCM_GETCURSEL", 4875},
        {L"TVM_GETNEXTITEM", 4362}, {L"SB_SETTEXTW", 1035},     {L"BM_CLICK", 245},         {L"SBM_SETSCROLLINFO", 233},
        {L"WM_DDE_INITIATE", 992}, {L"WM_DDE_LAST", 1000},     {L"WM_PENWINLAST", 911},    {L"OCM__BASE", 8192},
    };
    for (const auto& [name, value] : known) {
        auto found = values.find(name);
        ASSERT_NE(found, values.end()) << std::string(name, name + wcslen(name));
        EXPECT_EQ(found->second, value) << std::string(name, name + wcslen(name));
    }
}

TEST(MessageTable, IsTheSameEachTimeItIsBuilt)
{
    Messages::Init();
    const std::map<std::wstring, long> first = Values();
    Messages::Init();
    EXPECT_EQ(Values(), first);
    EXPECT_EQ(Common::SharedMessageList().Count(), 1198);
}

TEST(MessageList, TrimsNamesAndRefusesRowsBeyondItsRoom)
{
    Common::MessageList list;
    list.Reset(2);
    list.Add(L"  WM_PAINT   ", 15);
    list.Add(L"WM_SIZE", 5);
    EXPECT_EQ(list.Row(0).Name, L"WM_PAINT");
    try {
        list.Add(L"WM_MOVE", 3);
        FAIL() << "a full table took another row";
    } catch (const Runtime::Error& error) {
        EXPECT_EQ(error.Number(), 9);
    }
    EXPECT_EQ(list.Count(), 2);
    list.Shrink();
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Row(1).Value, 5);
}

} // namespace
