// The name table built from the committed data, with the GetUName
// stand-in's own name list as the library: every assigned code point gets
// a name, no unassigned one does, and every entity reaches its record.
#include "CommittedNames.h"
#include "tests/platform/TestFiles.h"

#include <gtest/gtest.h>

#include "platform/getuname/NameBuffer.h"
#include "platform/getuname/NameTable.h"

namespace {

TEST(CharNameCoverage, CommittedDataNamesExactlyTheAssignedCodePoints)
{
    const std::string list = TestFiles::ReadSource(TestNames::kLibraryList);
    const UName::NameTable library(list);
    ASSERT_GT(library.size(), 0u);

    CharData::CharNameTable table;
    const std::wstring names = TestNames::SourceText(TestNames::kNamesFile);
    const std::wstring entities = TestNames::SourceText(TestNames::kEntitiesFile);
    table.LoadCharNames(
        [&](std::uint32_t code, wchar_t* buffer) { return UName::WriteName(library.Name(code), buffer); },
        names, entities);

    TestNames::ExpectTableMatchesCommittedData(table);
    EXPECT_EQ(table.GetCharName(0x0237), L"Latin Small Letter Dotless J");
    EXPECT_EQ(table.GetCharName(0x9FA6), L"CJK Unified Ideograph-9FA6");
    EXPECT_EQ(table.GetCharName(0xFA2E), L"CJK Compatibility Ideograph-FA2E");
    EXPECT_EQ(table.GetCharName(0x0080), L"Padding Character");
    EXPECT_EQ(table.GetCharName(0x0082), L"<Control>");
}

} // namespace
