// The main window run in the test process: it starts with no files beside
// it, writes its name and entity files, fills its lists, and writes its
// settings when it closes.
#include "tests/mainwin/LoadedMain.h"

#include <gtest/gtest.h>

namespace {

using MainWinTest::LoadedMain;

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(Window, StartsInItsOwnFolderAndWritesItsSettingsThereOnClose)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    EXPECT_TRUE(IsWindowVisible(window->hWnd()));
    EXPECT_TRUE(FileExists(window.File(L"Orlenta.csv")));
    EXPECT_TRUE(FileExists(window.File(L"Orlenta.ent")));
    EXPECT_GT(window->lvFont.ListItems().Count(), 0);
    EXPECT_GT(window->lvRange.ListItems().Count(), 0);
    EXPECT_FALSE(FileExists(window.Settings()));

    ASSERT_TRUE(window.Unload());
    EXPECT_TRUE(FileExists(window.Settings()));
}

TEST(Window, ReadsTheSettingsTextGivenBeforeTheLoad)
{
    LoadedMain window("[fwMain]\r\nchMode=0\r\n");
    ASSERT_TRUE(window.Loaded());
    EXPECT_EQ(window->chMode.Value(), 0);
}

} // namespace
