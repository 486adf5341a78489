#include "common/NumberText.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberText, WritesSettingsNumbers)
{
    const struct {
        double value;
        const wchar_t* text;
    } cases[] = {
        {0, L"0"}, {12, L"12"}, {-3, L"-3"}, {0.5, L".5"}, {-0.25, L"-.25"}, {1.5, L"1.5"},
        {2.12345, L"2.1235"}, {16777215, L"16777215"}, {-2147483648.0, L"-2147483648"}, {0.00004, L"0"},
    };
    for (const auto& c : cases) EXPECT_EQ(Common::NumberText(c.value), c.text) << c.value;
}

} // namespace
