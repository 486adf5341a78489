// The main window's small rules on their own: which systems start, the help
// file's extension, the settings readers' rules on a real file, and the
// widths of the status-bar panels.
#include "mainwin/OsVersion.h"
#include "mainwin/Settings.h"
#include "mainwin/StatusPanels.h"
#include "runtime/Font.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

struct VersionCase {
    OsVersion v;
    bool supported;
    const wchar_t* help;
};

const VersionCase kVersions[] = {
    {{1, 4, 10}, false, L".hlp"}, // Windows 98
    // Windows Me: platform 1 whatever the numbers; major + minor / 10 is 13.
    {{1, 4, 90}, false, L".chm"},
    {{2, 4, 0}, false, L".hlp"},  // NT 4.0
    {{2, 5, 0}, true, L".hlp"},   {{2, 5, 1}, true, L".hlp"}, {{2, 6, 0}, true, L".hlp"},
    {{2, 6, 1}, true, L".chm"},   {{2, 6, 2}, true, L".chm"}, {{2, 10, 0}, true, L".chm"},
    {{3, 10, 0}, false, L".chm"},
};

TEST(Rules, SystemsThatStartAndTheirHelpFile)
{
    for (const VersionCase& c : kVersions) {
        SCOPED_TRACE(testing::Message() << c.v.Platform << "." << c.v.Major << "." << c.v.Minor);
        EXPECT_EQ(OsVersionSupported(c.v), c.supported);
        EXPECT_STREQ(HelpFileExtension(c.v), c.help);
    }
}

TEST(Rules, VersionTextOfTheEnvironment)
{
    const struct {
        const char* text;
        bool valid;
        unsigned long platform, major, minor;
    } cases[] = {
        {"2.6.1", true, 2, 6, 1}, {"1.4.10", true, 1, 4, 10}, {"", false, 0, 0, 0},     {"2.6", false, 0, 0, 0},
        {"2.6.1.", false, 0, 0, 0}, {"a.b.c", false, 0, 0, 0}, {" 2.6.1", false, 0, 0, 0},
        {"2.6.9999999999", false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto v = ParseOsVersion(c.text);
        ASSERT_EQ(v.has_value(), c.valid);
        if (!v) continue;
        EXPECT_EQ(v->Platform, c.platform);
        EXPECT_EQ(v->Major, c.major);
        EXPECT_EQ(v->Minor, c.minor);
    }
}

TEST(Rules, SettingsReadersOnAFile)
{
    TestSupport::TempFolder folder;
    const std::wstring file = folder.File(L"x.dat");
    const struct {
        const wchar_t* stored;  // null: the key is missing
        int flag;               // ReadFlag, default 1
        int clamped;            // ReadClamped 0..11, default 3
        std::int32_t block;     // ReadNonNegative, default 5
        std::uint32_t colour;   // ReadColor, default 16777215
    } cases[] = {
        {nullptr, 1, 3, 5, 16777215}, {L"0", 0, 0, 0, 0},       {L"1", 1, 1, 1, 1},
        {L"-1", 0, 0, 0, 16777215},   {L"12", 1, 11, 12, 12},   {L"abc", 0, 0, 0, 0},
        {L"255", 1, 11, 255, 255},    {L"4294967295", 1, 11, 5, 4294967295u},
        {L"4294967296", 1, 11, 5, 16777215}, {L"1.5", 1, 1, 1, 16777215},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.stored ? c.stored : L"(missing)"));
        WritePrivateProfileStringW(L"s", L"k", c.stored, file.c_str());
        EXPECT_EQ(Settings::ReadFlag(file, L"s", L"k", 1), c.flag);
        EXPECT_EQ(Settings::ReadClamped(file, L"s", L"k", 3, 11), c.clamped);
        EXPECT_EQ(Settings::ReadNonNegative(file, L"s", L"k", 5), c.block);
        EXPECT_EQ(Settings::ReadColor(file, L"s", L"k", 16777215), c.colour);
    }
}

int TextWidth(HDC dc, const wchar_t* text)
{
    SIZE size{};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
    return size.cx;
}

TEST(Rules, StatusPanelsAreNeverNarrowerThanWhatTheyCarry)
{
    Runtime::ScopedFont font = Runtime::CreateScreenFont(Runtime::FontSpec{});
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Get());
    StatusPanelNeeds needs;
    needs.CheckBoxGlyph = GetSystemMetrics(SM_CXMENUCHECK);
    needs.ModeText = TextWidth(dc, L"Expanded Mode");
    needs.OnTopText = TextWidth(dc, L"Always on Top");
    const wchar_t* keys[] = {L"CAPS", L"SCRL", L"NUM", L"INS", L"KANA"};
    for (const wchar_t* key : keys) needs.KeyTexts.push_back(TextWidth(dc, key));
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);

    // Table widths of the usual scroll-bar widths, and absurd ones.
    for (int gridWidth : {0, 100, 429, 430, 431, 450, 600, 2000}) {
        SCOPED_TRACE(gridWidth);
        StatusPanelWidths w = ComputeStatusPanelWidths(gridWidth, needs);
        EXPECT_GE(w.Mode, needs.CheckBoxGlyph + needs.ModeText + 5);
        EXPECT_GE(w.OnTop, needs.CheckBoxGlyph + needs.OnTopText + 5);
        ASSERT_EQ(w.Keys.size(), 5u);
        for (size_t i = 0; i < w.Keys.size(); ++i) EXPECT_GT(w.Keys[i], needs.KeyTexts[i]) << i;
        int sum = w.OnTop;
        for (int k : w.Keys) sum += k;
        if (gridWidth - sum - 6 >= CheckPanelWidth(needs.CheckBoxGlyph, needs.ModeText))
            EXPECT_EQ(w.Mode, gridWidth - sum - 6) << "the Mode panel takes what the table leaves";
        if (gridWidth == 431) {
            std::printf("panel widths at a 431-pixel table: Mode %d, OnTop %d, keys", w.Mode, w.OnTop);
            for (int k : w.Keys) std::printf(" %d", k);
            std::printf("\n");
        }
    }
}

} // namespace
