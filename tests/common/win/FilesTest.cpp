// Files, paths, file times, resources and versions on the real system.
#include "common/FileTime.h"
#include "common/Files.h"
#include "common/Version.h"
#include "runtime/RuntimeError.h"
#include "tests/support/TempFolder.h"

#include <shlobj.h>
#include <gtest/gtest.h>

namespace {

using TestSupport::TempFolder;

std::wstring Lower(std::wstring s)
{
    for (auto& c : s) c = static_cast<wchar_t>(towlower(c));
    return s;
}

TEST(Files, SearchPathFindsProgramsInTheStandardOrder)
{
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring expected = Lower(std::wstring(system) + L"\\charmap.exe");
    EXPECT_EQ(Lower(Common::SearchPath(L"charmap.exe")), expected);
    EXPECT_EQ(Lower(Common::SearchPath(L"C:\\charmap.exe")), expected) << "a drive root searches the standard order";
    EXPECT_EQ(Common::SearchPath(L"no-such-program-here.exe"), L"");
    EXPECT_EQ(Common::SearchPath(L"bad|name.exe"), L"");
}

TEST(Files, FileExistsOnlyForFiles)
{
    TempFolder dir;
    std::wstring file = dir.File(L"a.txt");
    TestSupport::WriteBytes(file, "x");
    EXPECT_TRUE(Common::FileExists(file));
    EXPECT_FALSE(Common::FileExists(dir.Path()));
    EXPECT_FALSE(Common::FileExists(dir.File(L"missing.txt")));
    EXPECT_FALSE(Common::FileExists(L""));
}

TEST(Files, SpecialFolderOfTheFonts)
{
    std::wstring fonts = Common::SpecialFolder(CSIDL_FONTS, nullptr);
    EXPECT_FALSE(fonts.empty());
    EXPECT_NE(fonts.back(), L'\0');
    EXPECT_EQ(Common::SpecialFolder(0x7FFF, nullptr), L"");
}

TEST(FileTime, SetAndGetWithTheOrderRule)
{
    TempFolder dir;
    std::wstring file = dir.File(L"t.txt");
    TestSupport::WriteBytes(file, "x");
    Common::LocalTime written{2019, 1, 2, 3, 4, 5};
    Common::SetFileTime(file, written, Common::TimeWritten);
    EXPECT_EQ(Common::GetFileTime(file, Common::TimeWritten), written);

    EXPECT_THROW(Common::GetFileTime(file, 3), Runtime::Error);
    EXPECT_THROW(Common::GetFileTime(dir.File(L"missing"), 2), Runtime::Error);
    Common::SetFileTime(file, written, 3); // no slot: nothing changes, no error
    EXPECT_EQ(Common::GetFileTime(file, Common::TimeWritten), written);
    EXPECT_THROW(Common::SetFileTime(file, written, 4), Runtime::Error);

    // A read-only file cannot be opened for writing: its last-write time is
    // reported whatever time is asked for.
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Common::GetFileTime(file, Common::TimeCreated), written);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);

    // The order rule needs a file system that keeps creation times apart.
    Common::LocalTime created{2020, 5, 6, 7, 8, 9};
    Common::SetFileTime(file, created, Common::TimeCreated);
    if (!(Common::GetFileTime(file, Common::TimeCreated) == created))
        GTEST_SKIP() << "this file system does not keep a separate creation time";
    Common::LocalTime later{2019, 6, 1, 0, 0, 0};
    Common::SetFileTime(file, later, Common::TimeWritten, true);
    EXPECT_EQ(Common::GetFileTime(file, Common::TimeCreated), later);
}

TEST(Files, SaveResToFileWritesTheBytesUnchanged)
{
    TempFolder dir;
    std::wstring file = dir.File(L"out.bin");
    ASSERT_TRUE(Common::SaveResToFile(L"TESTDATA", file));
    EXPECT_EQ(TestSupport::ReadBytes(file), std::string("line one\r\nline two\r\n\0", 21));
    EXPECT_FALSE(Common::SaveResToFile(L"ONEBYTE", dir.File(L"one.bin")));
    EXPECT_FALSE(Common::FileExists(dir.File(L"one.bin")));
    EXPECT_FALSE(Common::SaveResToFile(L"MISSING", dir.File(L"none.bin")));
    EXPECT_THROW(Common::SaveResToFile(L"TESTDATA", dir.File(L"no\\such\\folder.bin")), Runtime::Error);
}

TEST(FileVersion, FormatsProductAndFileVersions)
{
    const struct {
        bool product, shortForm;
        unsigned long high, low;
        const wchar_t* text;
    } cases[] = {
        {true, false, 0x00060001, 0x1DB14106, L"6.1.7601.16646"},
        {true, false, 0x00050001, 0, L"5.1"},
        {false, false, 0x00010005, 0, L"1.05.0000"},
        {false, true, 0x00010005, 0, L"1.05"},
        {false, false, 0x0002000A, 0x00030007, L"2.10.03.07"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Common::FormatFileVersion(c.product, c.shortForm, c.high, c.low), c.text) << c.text;

    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_FALSE(Common::FileVersion(std::wstring(system) + L"\\GetUName.dll", true, false).empty());
    EXPECT_EQ(Common::FileVersion(L"C:\\no\\such.dll", true, false), L"");
}

} // namespace
