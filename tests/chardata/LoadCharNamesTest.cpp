// The name table built as the program builds it: the system's GetUName.dll
// loaded by name, and the name and entity files read from real files.
#include "CommittedNames.h"
#include "chardata/AnsiTextFile.h"
#include "chardata/CharNameTable.h"
#include "chardata/GetUNameLibrary.h"
#include "tests/platform/TestFiles.h"
#include "tests/support/TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace CharData;
using TestSupport::TempFolder;
using TestSupport::WriteBytes;

TEST(GetUNameLibrary, BindsTheSystemLibraryByName)
{
    const GetUNameLibrary library;
    ASSERT_TRUE(library.Loaded());
    const CharNameTable::NameSource source = library.Source();
    ASSERT_TRUE(source);
    wchar_t buffer[kNameBufferChars + 1] = {};
    const int length = source(0x41, buffer);
    EXPECT_EQ(std::wstring(buffer, static_cast<std::size_t>(length)), L"Latin Capital Letter A");
}

TEST(GetUNameLibrary, AMissingLibraryOrEntryGivesNoSource)
{
    for (const wchar_t* name : {L"OrlentaNoSuchLibrary.dll", L"kernel32.dll"}) {
        const GetUNameLibrary library(name);
        EXPECT_FALSE(library.Loaded()) << "library " << name;
        EXPECT_FALSE(library.Source()) << "library " << name;
    }
}

TEST(LoadCharNames, SystemLibraryAndTheCommittedFiles)
{
    const TempFolder folder;
    const std::wstring names = folder.File(L"Orlenta.csv");
    const std::wstring entities = folder.File(L"Orlenta.ent");
    ASSERT_TRUE(WriteBytes(names, TestFiles::ReadSource(TestNames::kNamesFile)));
    ASSERT_TRUE(WriteBytes(entities, TestFiles::ReadSource(TestNames::kEntitiesFile)));

    CharNameTable table;
    ASSERT_TRUE(table.LoadCharNames(names, entities));
    TestNames::ExpectTableMatchesCommittedData(table);

    struct Case {
        std::int32_t code;
        std::wstring name;
    };
    const Case cases[] = {
        {0x0041, L"Latin Capital Letter A"},
        {0x0237, L"Latin Small Letter Dotless J"},    // from the name file
        {0x0080, L"Padding Character"},
        {0x0081, L"High Octet Preset"},
        {0x0082, L"<Control>"},
        {0x0084, L"Index"},
        {0x0099, L"Single Graphic Character Introducer"},
        {0x3400, L"CJK Unified Ideograph"},
        {0x4E00, L"CJK Unified Ideograph"},
        {0x9FA5, L"CJK Unified Ideograph"},
        {0x9FA6, L"CJK Unified Ideograph-9FA6"},
        {0xAC00, L"Hangul Syllable Ga"},
        {0xD800, L"Non Private Use High Surrogate"},
        {0xDB80, L"Private Use High Surrogate"},
        {0xDC00, L"Low Surrogate"},
        {0xF8FF, L"Private Use"},
        {0xFA2D, L"CJK Compatibility Ideograph"},
        {0xFA2E, L"CJK Compatibility Ideograph-FA2E"},
        {0x0378, L"Undefined"},
    };
    for (const auto& c : cases) EXPECT_EQ(table.GetCharName(c.code), c.name) << "U+" << std::hex << c.code;
    EXPECT_EQ(table.Record(0xA0).Entity, L"nbsp,NonBreakingSpace");
    EXPECT_EQ(table.Record(0xA0).IE, 1);
    EXPECT_EQ(table.Record(0x2A).Entity, L"ast,midast");
    EXPECT_EQ(table.Record(0x2A).IE, 0);
}

TEST(LoadCharNames, MissingFilesAreSkipped)
{
    const TempFolder folder;
    CharNameTable table;
    ASSERT_TRUE(table.LoadCharNames(folder.File(L"none.csv"), folder.File(L"none.ent")));
    EXPECT_EQ(table.GetCharName(0x41), L"Latin Capital Letter A");
    EXPECT_EQ(table.GetCharName(0x237), L"Undefined");
    for (std::int32_t code = 0; code < kCharCount; ++code) {
        if (!table.Record(code).Entity.empty()) {
            ADD_FAILURE() << "an entity without an entity file";
            break;
        }
    }
    // A folder where a file should be reads as a missing file.
    ASSERT_TRUE(table.LoadCharNames(folder.Path(), folder.Path()));
    EXPECT_EQ(table.GetCharName(0x237), L"Undefined");
}

// Damaged files: every readable line still counts, every bad one is
// skipped, whatever the line ends.
TEST(LoadCharNames, DamagedFilesLoseNothing)
{
    const TempFolder folder;
    const std::wstring names = folder.File(L"damaged.csv");
    const std::wstring entities = folder.File(L"damaged.ent");
    std::string nameBytes = "0237,Unix Line\n"
                            "0238,Old Mac Line\r"
                            "\x01\x02\xFF garbage\r\n"
                            "02X9,Typo\r\n"
                            "0239,After The Garbage\r\n";
    nameBytes += '\0';
    nameBytes += "\r\n023A,After A NUL\r\n";
    nameBytes += "023B,Last Line Without A Break";
    std::string entityBytes = "00A0,IE,nbsp\n"
                              "garbage\r"
                              "zz,IE,bad\r\n"
                              "002A,  ,ast,midast";
    entityBytes += '\0';
    ASSERT_TRUE(WriteBytes(names, nameBytes));
    ASSERT_TRUE(WriteBytes(entities, entityBytes));

    CharNameTable table;
    ASSERT_TRUE(table.LoadCharNames(names, entities));
    struct Case {
        std::int32_t code;
        std::wstring name;
    };
    const Case cases[] = {
        {0x237, L"Unix Line"},  {0x238, L"Old Mac Line"}, {0x239, L"After The Garbage"},
        {0x23A, L"After A NUL"}, {0x23B, L"Last Line Without A Break"},
    };
    for (const auto& c : cases) EXPECT_EQ(table.GetCharName(c.code), c.name) << "U+" << std::hex << c.code;
    EXPECT_EQ(table.Record(0xA0).Entity, L"nbsp");
    EXPECT_EQ(table.Record(0x2A).Entity, L"ast,midast");
}

TEST(ReadAnsiTextFile, OneCharacterPerByteWithZerosKept)
{
    const TempFolder folder;
    const std::wstring path = folder.File(L"bytes.txt");
    ASSERT_TRUE(WriteBytes(path, std::string("A\0B\r\n", 5)));
    EXPECT_EQ(ReadAnsiTextFile(path), std::wstring(L"A\0B\r\n", 5));
    ASSERT_TRUE(WriteBytes(path, ""));
    EXPECT_EQ(ReadAnsiTextFile(path), std::wstring());
    EXPECT_EQ(ReadAnsiTextFile(folder.File(L"missing.txt")), std::nullopt);
    EXPECT_EQ(ReadAnsiTextFile(folder.Path()), std::nullopt);
    EXPECT_EQ(ReadAnsiTextFile(L""), std::nullopt);
}

} // namespace
