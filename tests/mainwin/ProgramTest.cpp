// The main program as a user starts it: its window, caption and resources.
#include "common/Version.h"
#include "tests/support/Process.h"
#include "tests/support/Screenshot.h"
#include "tests/support/VersionInfo.h"

#include <gtest/gtest.h>

namespace {

const std::wstring kProgram = TestSupport::BuildPath("mainwin/Orlenta.exe");

std::wstring WindowText(HWND wnd)
{
    wchar_t text[512] = {};
    GetWindowTextW(wnd, text, 512);
    return text;
}

TEST(Program, OpensItsMainWindowWithVersionCaptionAndClosesCleanly)
{
    TestSupport::ChildProcess program;
    ASSERT_TRUE(program.Start(kProgram));
    HWND wnd = program.WaitForWindow(L"OrlentaForm");
    ASSERT_NE(wnd, nullptr) << "no main window appeared";

    TestSupport::FileVersion v = TestSupport::ReadFileVersion(kProgram);
    ASSERT_TRUE(v.found);
    std::wstring expected = TestSupport::ReadVersionString(kProgram, L"FileDescription") + L" " +
                            Common::FormatVersion(-1, v.major, v.minor, v.revision);
    EXPECT_EQ(WindowText(wnd), expected);

    EXPECT_FALSE(TestSupport::SaveWindowScreenshot(wnd, "main-window").empty());

    PostMessageW(wnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(Program, VersionResourceNamesTheMakerAndItsTwoLinks)
{
    for (const wchar_t* key : {L"CompanyName", L"ProductName", L"FileDescription", L"LegalCopyright"})
        EXPECT_FALSE(TestSupport::ReadVersionString(kProgram, key).empty()) << key;

    // "Comments" holds the site (with its scheme, no trailing "/") and a
    // "mailto:" address, separated by ", ".
    std::wstring comments = TestSupport::ReadVersionString(kProgram, L"Comments");
    size_t comma = comments.find(L", ");
    ASSERT_NE(comma, std::wstring::npos) << "Comments: no \", \" separator";
    std::wstring site = comments.substr(0, comma), mail = comments.substr(comma + 2);
    EXPECT_EQ(site.rfind(L"https://", 0), 0u);
    EXPECT_NE(site.back(), L'/');
    EXPECT_EQ(mail.rfind(L"mailto:", 0), 0u);
    EXPECT_EQ(mail.find(L", "), std::wstring::npos);
}

TEST(Program, CarriesCommonControlsManifestAndIcon)
{
    HMODULE image = LoadLibraryExW(kProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr);
    HRSRC manifest = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifest, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(image, manifest)));
    std::string xml(text, SizeofResource(image, manifest));
    EXPECT_NE(xml.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(xml.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)), nullptr) << "no icon group";
    FreeLibrary(image);
}

} // namespace
