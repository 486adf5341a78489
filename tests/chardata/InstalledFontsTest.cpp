// The installed-font records from the real font list of the Wine prefix,
// and from a test key of our own for the odd values.
#include "chardata/InstalledFonts.h"

#include "common/Files.h"
#include "runtime/ScopedWin.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace CharData;

const FontRecord* FindFont(const InstalledFonts& fonts, const std::wstring& name)
{
    const auto& records = fonts.Records();
    auto it = std::find_if(records.begin(), records.end(), [&](const FontRecord& r) { return r.Name == name; });
    return it == records.end() ? nullptr : &*it;
}

TEST(ReadRegistryFonts, TheSystemsTrueTypeFonts)
{
    InstalledFonts fonts;
    ASSERT_TRUE(fonts.ReadRegistryFonts(kFontTypeTrueType));
    ASSERT_GT(fonts.Records().size(), 1u);
    const FontRecord& empty = fonts.Records()[0];
    EXPECT_TRUE(empty.Name.empty() && empty.File.empty() && empty.Type == 0);
    for (std::size_t i = 1; i < fonts.Records().size(); ++i) {
        EXPECT_EQ(fonts.Records()[i].Type, kFontTypeTrueType) << "record " << i;
        EXPECT_FALSE(fonts.Records()[i].Name.empty()) << "record " << i;
        EXPECT_TRUE(fonts.Records()[i].UnicodeSubsets.empty()) << "record " << i;
    }

    // Wine lists the fonts it finds on the host with absolute Z: paths: they
    // keep them, and the file is there.
    const std::wstring fontsFolder = Common::SpecialFolder(CSIDL_FONTS, nullptr);
    const FontRecord* dejaVu = FindFont(fonts, L"DejaVu Sans");
    ASSERT_NE(dejaVu, nullptr);
    EXPECT_EQ(dejaVu->File, L"Z:\\usr\\share\\fonts\\truetype\\dejavu\\DejaVuSans.ttf");
    EXPECT_TRUE(Common::FileExists(FontFilePath(fontsFolder, dejaVu->File)));
    EXPECT_EQ(FindFont(fonts, L"Courier"), nullptr) << "not a TrueType entry";
}

TEST(ReadRegistryFonts, EveryTypeAndTheFontsFolder)
{
    InstalledFonts trueType, all;
    ASSERT_TRUE(trueType.ReadRegistryFonts(kFontTypeTrueType));
    ASSERT_TRUE(all.ReadRegistryFonts(0));
    EXPECT_GT(all.Records().size(), trueType.Records().size());
    const FontRecord* courier = FindFont(all, L"Courier");
    ASSERT_NE(courier, nullptr);
    EXPECT_EQ(courier->Type, kFontTypeOther);
    EXPECT_EQ(courier->File, L"coure.fon");
    // A bare file name lies in the fonts folder.
    const std::wstring fontsFolder = Common::SpecialFolder(CSIDL_FONTS, nullptr);
    EXPECT_TRUE(Common::FileExists(FontFilePath(fontsFolder, courier->File))) << FontFilePath(fontsFolder, courier->File);
}

// A key of our own below HKEY_CURRENT_USER, removed again afterwards.
class TestFontsKey : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = L"Software\\Orlenta Tests\\InstalledFonts-" + std::to_wstring(GetCurrentProcessId());
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  key_.Put(), nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }

    void Set(const std::wstring& name, DWORD type, const void* data, std::size_t bytes)
    {
        ASSERT_EQ(RegSetValueExW(key_.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data),
                                 static_cast<DWORD>(bytes)),
                  ERROR_SUCCESS)
            << "value " << name.size() << " characters";
    }
    void SetText(const std::wstring& name, const std::wstring& text, DWORD type = REG_SZ)
    {
        Set(name, type, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    }

    std::wstring path_;
    Runtime::ScopedRegKey key_;
};

TEST_F(TestFontsKey, OddValuesAreSkippedAndLoseNothingElse)
{
    const DWORD number = 5;
    const BYTE bytes[] = {'x', '.', 't', 't', 'f', 0};
    const std::wstring nulData = std::wstring(L"nul.ttf") + L'\0' + L"junk";
    SetText(L"Sample Sans (TrueType)", L"sample.ttf");
    Set(L"Number (TrueType)", REG_DWORD, &number, sizeof number);
    Set(L"Bytes (TrueType)", REG_BINARY, bytes, sizeof bytes);
    SetText(std::wstring(300, L'N') + L" (TrueType)", L"longname.ttf");
    SetText(L"Long Data (TrueType)", std::wstring(1500, L'd') + L".ttf");
    SetText(L"Just Fits (TrueType)", std::wstring(1019, L'f') + L".ttf");  // 2,048 bytes with its NUL
    SetText(L"First Face & Second Face (TrueType)", L"faces.ttc");
    SetText(L"Courier 10,12,15 (All res)", L"coure.fon");
    Set(L"Nul (TrueType)", REG_SZ, nulData.c_str(), (nulData.size() + 1) * sizeof(wchar_t));
    SetText(L"Blank (TrueType)", L"  blank.ttf  ");
    SetText(L"Expand (TrueType)", L"%WINDIR%\\Fonts\\expand.ttf", REG_EXPAND_SZ);
    Set(L"Empty (TrueType)", REG_SZ, L"", 0);
    SetText(L"After Everything (TrueType)", L"Z:\\usr\\share\\fonts\\after.ttf");

    struct Expected {
        std::wstring name, file;
        std::int16_t type;
    };
    const std::vector<Expected> trueType = {
        {L"Sample Sans", L"sample.ttf", 4},
        {L"Just Fits", std::wstring(1019, L'f') + L".ttf", 4},
        {L"First Face", L"faces.ttc", 4},
        {L"Second Face", L"faces.ttc", 4},
        {L"Nul", L"nul.ttf", 4},
        {L"Blank", L"blank.ttf", 4},
        {L"Expand", L"%WINDIR%\\Fonts\\expand.ttf", 4},
        {L"Empty", L"", 4},
        {L"After Everything", L"Z:\\usr\\share\\fonts\\after.ttf", 4},
    };
    for (std::int16_t filter : {std::int16_t{4}, std::int16_t{0}}) {
        InstalledFonts fonts;
        ASSERT_TRUE(fonts.ReadRegistryFonts(filter, HKEY_CURRENT_USER, path_.c_str()));
        std::vector<Expected> expected = trueType;
        if (filter == 0) expected.push_back({L"Courier 10,12,15", L"coure.fon", 1});
        EXPECT_EQ(fonts.Records().size(), expected.size() + 1) << "filter " << filter;
        for (const Expected& e : expected) {
            const FontRecord* r = FindFont(fonts, e.name);
            ASSERT_NE(r, nullptr) << "filter " << filter << ", font " << e.name;
            EXPECT_EQ(r->File, e.file) << "filter " << filter << ", font " << e.name;
            EXPECT_EQ(r->Type, e.type) << "filter " << filter << ", font " << e.name;
        }
        // The faces of one value follow each other, in the value's order.
        const FontRecord* first = FindFont(fonts, L"First Face");
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first[1].Name, L"Second Face");
    }
}

TEST_F(TestFontsKey, AKeyThatCannotBeOpenedChangesNothing)
{
    SetText(L"Sample Sans (TrueType)", L"sample.ttf");
    InstalledFonts fonts;
    ASSERT_TRUE(fonts.ReadRegistryFonts(4, HKEY_CURRENT_USER, path_.c_str()));
    ASSERT_EQ(fonts.Records().size(), 2u);
    const std::wstring missing = path_ + L"\\Missing";
    EXPECT_FALSE(fonts.ReadRegistryFonts(4, HKEY_CURRENT_USER, missing.c_str()));
    ASSERT_EQ(fonts.Records().size(), 2u);
    EXPECT_EQ(fonts.Records()[1].Name, L"Sample Sans");

    // An empty key gives the one empty record.
    RegDeleteValueW(key_.Get(), L"Sample Sans (TrueType)");
    ASSERT_TRUE(fonts.ReadRegistryFonts(4, HKEY_CURRENT_USER, path_.c_str()));
    EXPECT_EQ(fonts.Records().size(), 1u);
}

TEST(InstalledFonts, AtGivesOnlyRealRecords)
{
    InstalledFonts fonts;
    EXPECT_EQ(fonts.At(0), nullptr);
    EXPECT_EQ(fonts.At(1), nullptr);
    fonts.Records() = {FontRecord{}, FontRecord{4, L"One", L"one.ttf", {}}};
    EXPECT_EQ(fonts.At(0), nullptr);
    ASSERT_NE(fonts.At(1), nullptr);
    EXPECT_EQ(fonts.At(1)->Name, L"One");
    EXPECT_EQ(fonts.At(2), nullptr);
    EXPECT_EQ(fonts.At(-1), nullptr);
}

} // namespace
