#include "common/NumberText.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "runtime/RuntimeError.h"
#include "tests/support/ErrorOf.h"

namespace {

TEST(NumberText, WritesSettingsNumbers)
{
    const struct {
        double value;
        const wchar_t* text;
    } cases[] = {
        {0, L"0"}, {12, L"12"}, {-3, L"-3"}, {0.5, L".5"}, {-0.25, L"-.25"}, {1.5, L"1.5"},
        {2.12345, L"2.1235"}, {16777215, L"16777215"}, {-2147483648.0, L"-2147483648"}, {0.00004, L"0"},
        // The ends of the 64-bit fixed-point range (doubles this large step by 1/8).
        {922337203685477.0, L"922337203685477"}, {-922337203685477.5, L"-922337203685477.5"},
        {1e14, L"100000000000000"}, {-123456789012.3456, L"-123456789012.3456"},
    };
    for (const auto& c : cases) EXPECT_EQ(Common::NumberText(c.value), c.text) << c.value;
}

// A number the fixed-point form cannot hold has no text: converting it is
// the overflow error, not a wrapped-around number.
TEST(NumberText, OutsideTheFixedPointRangeIsAnOverflow)
{
    const double cases[] = {1e15, -1e15, -1e20, 922337203685478.0, -922337203685478.0, 1e300,
                            std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                            std::nan("")};
    for (double value : cases) {
        EXPECT_EQ(TestSupport::ErrorOf([&] { Common::NumberText(value); }), Runtime::ErrOverflow) << value;
    }
}

} // namespace
