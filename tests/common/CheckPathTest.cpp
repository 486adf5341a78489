#include "common/CheckPath.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    const wchar_t* path;
    int level;
    bool valid;
    const wchar_t *drive = L"", *folder = L"", *base = L"", *extension = L"";
};

const PathCase kPathCases[] = {
    {L"C:\\data\\report.txt", 0, true, L"C:\\", L"data\\", L"report", L".txt"},
    {L"C:\\data\\report.txt", 1, true, L"C:\\", L"data\\", L"report.txt", L".txt"},
    {L"C:\\data\\report.txt", 2, true, L"C:\\", L"data\\", L"report", L".txt"},
    {L"C:\\my file.txt", 0, false},
    {L"C:\\data\\longername.txt", 0, false},
    {L"C:\\data\\longername.txt", 1, true, L"C:\\", L"data\\", L"longername.txt", L".txt"},
    {L"C:\\a.b", 0, true, L"C:\\", L"", L"a", L".b"},
    {L"C:\\my file*.txt", 2, true, L"C:\\", L"", L"my file*", L".txt"},
    {L"C:\\my file*.txt", 1, false},
    {L"a\\b\\", 0, true, L"", L"a\\b\\", L"b", L""},
    {L"charmap.exe", 1, true, L"", L"", L"charmap.exe", L".exe"},
    {L"C:\\charmap.exe", 1, true, L"C:\\", L"", L"charmap.exe", L".exe"},
    {L"name.ext  ", 2, true, L"", L"", L"name", L".ext"},      // trailing blanks leave the extension
    {L".hidden", 0, false},                                       // a leading dot is no 8.3 name
    {L"abc.", 0, false},                                          // nor a trailing one
    {L"x|y", 2, false}, {L"x<y", 2, false}, {L"a\"b", 2, false}, {L"C:\\a:b", 2, false},
    {L"abcdefghi.t", 0, false},                                   // nine characters before the dot
    {L"abcdefgh.txt", 0, true, L"", L"", L"abcdefgh", L".txt"},
    {L"", 0, false},
};

TEST(CheckPath, SplitsAndChecksByLevel)
{
    for (const auto& c : kPathCases) {
        std::wstring drive = L"?", folder = L"?", base = L"?", ext = L"?";
        std::wstring result = Common::CheckPath(c.path, &drive, &folder, &base, &ext, c.level);
        SCOPED_TRACE(testing::Message() << "path #" << (&c - kPathCases) << " level " << c.level);
        if (!c.valid) {
            EXPECT_TRUE(result.empty());
            EXPECT_EQ(base, L"?") << "an invalid path hands out no parts";
            continue;
        }
        EXPECT_EQ(result, c.path);
        EXPECT_EQ(drive, c.drive);
        EXPECT_EQ(folder, c.folder);
        EXPECT_EQ(base, c.base);
        EXPECT_EQ(ext, c.extension);
    }
}

TEST(CheckPath, ResultIsThePartAskedFor)
{
    std::wstring part;
    EXPECT_EQ(Common::CheckPath(L"C:\\data\\report.txt"), L"C:\\");
    EXPECT_EQ(Common::CheckPath(L"C:\\data\\report.txt", nullptr, nullptr, &part), L"report");
    EXPECT_EQ(Common::CheckPath(L"C:\\data\\report.txt", nullptr, &part), L"data\\");
    EXPECT_EQ(Common::CheckPath(L"C:\\data\\report.txt", nullptr, nullptr, nullptr, &part), L".txt");
    EXPECT_EQ(Common::CheckPath(L"C:\\data\\report.txt", &part, nullptr, nullptr, nullptr), L"C:\\");
}

} // namespace
