// A first start in a program folder the user cannot write to: the name and
// entity files are missing and cannot be written, and the window still
// works, from the lists built into the program, after one message that
// names the files; a later start in a writable folder writes them.
#include "tests/mainwin/SearchDriving.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "common/CodePage.h"
#include "runtime/ErrorReport.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UnwritableFolder.h"

namespace {

using namespace MainWinTest;
using TestSupport::ReadBytes;

// The run-time errors reported while it lives.
class ReportedErrors {
public:
    ReportedErrors()
        : previous_(Runtime::SetErrorReporter([this](int number, const std::string& message) {
              errors.emplace_back(number, message);
          }))
    {
    }
    ~ReportedErrors() { Runtime::SetErrorReporter(std::move(previous_)); }
    ReportedErrors(const ReportedErrors&) = delete;
    ReportedErrors& operator=(const ReportedErrors&) = delete;

    std::vector<std::pair<int, std::string>> errors;

private:
    Runtime::ErrorReporter previous_;
};

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(ReadOnlyFolder, AStartThatCannotWriteTheNameFilesWorksFromTheBuiltInLists)
{
    TestSupport::TempFolder folder;
    const std::wstring names = folder.File(L"Orlenta.csv"), entities = folder.File(L"Orlenta.ent");
    const std::wstring settingsFile = folder.File(L"Orlenta.dat");
    // A run in the writable folder leaves the settings (every block listed,
    // so that a search covers the whole plane) and the two files.
    TestSupport::WriteBytes(settingsFile, "[fwMain]\r\nchRange=1\r\n");
    {
        LoadedMain first(folder.Path());
        ASSERT_TRUE(first.Loaded());
    }
    const std::string settings = ReadBytes(settingsFile), namesBytes = ReadBytes(names),
                      entitiesBytes = ReadBytes(entities);
    ASSERT_GT(namesBytes.size(), 1000u);
    ASSERT_GT(entitiesBytes.size(), 1000u);
    ASSERT_TRUE(DeleteFileW(names.c_str()));
    ASSERT_TRUE(DeleteFileW(entities.c_str()));
    {
        TestSupport::UnwritableFolder locked(folder.Path());
        if (!locked.Made()) GTEST_SKIP() << "no folder could be made unwritable here: " << locked.Reason();
        ReportedErrors reported;
        LoadedMain window(folder.Path());
        ASSERT_TRUE(window.Loaded());
        // One message, naming both files.
        ASSERT_EQ(reported.errors.size(), 1u);
        EXPECT_EQ(reported.errors[0].first, 75);
        const std::string& message = reported.errors[0].second;
        EXPECT_NE(message.find("Path/File access error"), std::string::npos) << message;
        for (const std::wstring& file : {names, entities})
            EXPECT_NE(message.find(amUnicode::UnicodeToAnsi(file, CP_UTF8)), std::string::npos) << message;

        EXPECT_GT(window->lvFont.ListItems().Count(), 0);
        EXPECT_GT(window->lvRange.ListItems().Count(), 0);
        // A name and an entity that only the program's lists hold.
        const std::pair<const wchar_t*, std::int32_t> searches[] = {{L"som sign", 0x20C0}, {L"&amp;", 0x26}};
        for (const auto& [text, code] : searches) {
            Search(window, text);
            EXPECT_EQ(window->GoToCode, code) << "search " << std::string(text, text + wcslen(text));
        }
        window->cbSearch.Clear();
        ASSERT_TRUE(window.Unload());
        // The search history aside, nothing changed: nothing is written.
        EXPECT_EQ(ReadBytes(settingsFile), settings);
        EXPECT_FALSE(Exists(names));
        EXPECT_FALSE(Exists(entities));
    }
    // Writable again: the next start writes the files as the first did.
    {
        LoadedMain again(folder.Path());
        ASSERT_TRUE(again.Loaded());
    }
    EXPECT_EQ(ReadBytes(names), namesBytes);
    EXPECT_EQ(ReadBytes(entities), entitiesBytes);
}

} // namespace
