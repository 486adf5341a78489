#include "common/Version.h"

#include <gtest/gtest.h>

namespace {

struct VersionCase {
    int style, major, minor, revision;
    const wchar_t* expected;
};

const VersionCase kVersionCases[] = {
    {0, 1, 5, 17, L"1.05.0017"}, {-1, 1, 5, 17, L"1.5.17"},
    {0, 2, 0, 0, L"2.00"},       {-1, 2, 0, 0, L"2.00"},
    {0, 3, 7, 0, L"3.07"},       {-1, 3, 7, 0, L"3.7"},
    {0, 3, 0, 5, L"3.00.0005"},  {1, 3, 0, 5, L"3.00.5"},
    {0, 1, 123, 12345, L"1.23.2345"},
};

TEST(FormatVersion, StylesAsTable)
{
    for (const auto& c : kVersionCases) {
        EXPECT_EQ(Common::FormatVersion(c.style, c.major, c.minor, c.revision), c.expected)
            << "style " << c.style << " version " << c.major << "." << c.minor << "." << c.revision;
    }
}

} // namespace
