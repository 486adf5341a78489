#include "common/Currency.h"
#include "common/NumUtil.h"
#include "common/Words.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>

#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include "runtime/RuntimeError.h"

namespace {

using Common::Currency;

constexpr int kNoError = 0;
constexpr std::int32_t kLongMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kLongMax = std::numeric_limits<std::int32_t>::max();

// ErrorOf gives 0 (kNoError) when the call raises nothing.
using TestSupport::ErrorOf;

TEST(Currency, Conversions)
{
    struct {
        const char* name;
        std::function<Currency()> make;
        std::int64_t scaled;
        int error;
    } cases[] = {
        {"int", [] { return Currency(7); }, 70000, kNoError},
        {"negative int", [] { return Currency(-7); }, -70000, kNoError},
        {"largest unsigned 32-bit", [] { return Currency(4294967295u); }, 42949672950000, kNoError},
        {"largest whole", [] { return Currency(922337203685477LL); }, 9223372036854770000, kNoError},
        {"whole beyond the range", [] { return Currency(922337203685478LL); }, 0, Runtime::ErrOverflow},
        {"uint64 beyond the range", [] { return Currency(std::numeric_limits<std::uint64_t>::max()); }, 0,
         Runtime::ErrOverflow},
        {"double", [] { return Currency(1.25); }, 12500, kNoError},
        {"double rounds to four decimals", [] { return Currency(0.123456); }, 1235, kNoError},
        {"half a unit to even, down", [] { return Currency(1.0 / 32); }, 312, kNoError},
        {"half a unit to even, up", [] { return Currency(3.0 / 32); }, 938, kNoError},
        {"negative half a unit to even", [] { return Currency(-1.0 / 32); }, -312, kNoError},
        // Doubles this large step by 1/8: every one of them is a number of
        // ten-thousandths, and its conversion gives exactly that number.
        {"largest whole as a double", [] { return Currency(922337203685477.0); }, 9223372036854770000, kNoError},
        {"largest double in the range", [] { return Currency(922337203685477.5); }, 9223372036854775000, kNoError},
        {"lowest double in the range", [] { return Currency(-922337203685477.5); }, -9223372036854775000, kNoError},
        {"double just past the top", [] { return Currency(922337203685477.625); }, 0, Runtime::ErrOverflow},
        {"double just past the bottom", [] { return Currency(-922337203685477.625); }, 0, Runtime::ErrOverflow},
        {"large with a fraction", [] { return Currency(123456789012.3456); }, 1234567890123456, kNoError},
        {"double beyond the range", [] { return Currency(1e300); }, 0, Runtime::ErrOverflow},
        {"infinity", [] { return Currency(std::numeric_limits<double>::infinity()); }, 0, Runtime::ErrOverflow},
        {"NaN", [] { return Currency(std::nan("")); }, 0, Runtime::ErrOverflow},
    };
    for (const auto& c : cases) {
        std::int64_t scaled = 0;
        int error = ErrorOf([&] { scaled = c.make().Scaled(); });
        EXPECT_EQ(error, c.error) << c.name;
        if (c.error == kNoError) {
            EXPECT_EQ(scaled, c.scaled) << c.name;
        }
    }
}

TEST(MinMax, RoundedChoiceAsTable)
{
    struct {
        const char* name;
        std::function<std::int32_t()> call;
        std::int32_t result;
        int error;
    } cases[] = {
        {"Min of ints", [] { return Common::Min(3, 9); }, 3, kNoError},
        {"Max of ints", [] { return Common::Max(3, 9); }, 9, kNoError},
        {"Min of equal", [] { return Common::Min(4, 4); }, 4, kNoError},
        {"unsigned compares as unsigned", [] { return Common::Min(4294967295u, 7); }, 7, kNoError},
        {"negative below large unsigned", [] { return Common::Min(-1, 4294967295u); }, -1, kNoError},
        {"half rounds to even (down)", [] { return Common::Min(2.5, 3); }, 2, kNoError},
        {"half rounds to even (up)", [] { return Common::Min(3.5, 4); }, 4, kNoError},
        {"negative half to even", [] { return Common::Min(-2.5, 0); }, -2, kNoError},
        {"negative half to even, away", [] { return Common::Max(-3.5, -4); }, -4, kNoError},
        {"below half", [] { return Common::Min(2.4999, 9); }, 2, kNoError},
        {"above half", [] { return Common::Min(2.5001, 9); }, 3, kNoError},
        {"Long minimum", [] { return Common::Max(kLongMin, kLongMin); }, kLongMin, kNoError},
        {"Long maximum", [] { return Common::Min(kLongMax, kLongMax); }, kLongMax, kNoError},
        {"half below the maximum to even", [] { return Common::Max(2147483646.5, 0); }, 2147483646, kNoError},
        {"half past the maximum", [] { return Common::Max(2147483647.5, 0); }, 0, Runtime::ErrOverflow},
        {"half past the minimum to even", [] { return Common::Min(-2147483648.5, 0); }, kLongMin, kNoError},
        {"chosen unsigned beyond Long", [] { return Common::Max(2147483648u, 0); }, 0, Runtime::ErrOverflow},
        {"unchosen value may be beyond Long", [] { return Common::Min(2147483648u, 0); }, 0, kNoError},
    };
    for (const auto& c : cases) {
        std::int32_t result = 0;
        int error = ErrorOf([&] { result = c.call(); });
        EXPECT_EQ(error, c.error) << c.name;
        if (c.error == kNoError) {
            EXPECT_EQ(result, c.result) << c.name;
        }
    }
}

TEST(RoundToLong, HalfToEvenAndOverflowBeyondLong)
{
    const struct {
        double value;
        std::int32_t result;
        int error;
    } cases[] = {
        {0, 0, kNoError},
        {42, 42, kNoError},
        {2.5, 2, kNoError},
        {3.5, 4, kNoError},
        {-2.5, -2, kNoError},
        {-3.5, -4, kNoError},
        {2.4999, 2, kNoError},
        {2.5001, 3, kNoError},
        {kLongMax, kLongMax, kNoError},
        {kLongMin, kLongMin, kNoError},
        {2147483646.5, 2147483646, kNoError},
        {-2147483648.5, kLongMin, kNoError},
        {2147483647.5, 0, Runtime::ErrOverflow},
        {2147483648.0, 0, Runtime::ErrOverflow},
        {-2147483649.0, 0, Runtime::ErrOverflow},
        {1e30, 0, Runtime::ErrOverflow},
        {-1e30, 0, Runtime::ErrOverflow},
        {std::numeric_limits<double>::infinity(), 0, Runtime::ErrOverflow},
        {std::nan(""), 0, Runtime::ErrOverflow},
    };
    for (const auto& c : cases) {
        std::int32_t result = 0;
        EXPECT_EQ(ErrorOf([&] { result = Common::RoundToLong(c.value); }), c.error) << c.value;
        if (c.error == kNoError) {
            EXPECT_EQ(result, c.result) << c.value;
        }
    }
}

TEST(InRange, Table)
{
    using Common::InRange;
    struct {
        const char* name;
        bool result;
        bool expected;
    } cases[] = {
        {"(5, 10, 1)", InRange(5, 10, 1), true},
        {"(5, 10, 1) ordered", InRange(5, 10, 1, true), false},
        {"(10, 1, 10)", InRange(10, 1, 10), true},
        {"(1, 1, 10) ordered", InRange(1, 1, 10, true), true},
        {"(0, 1, 10)", InRange(0, 1, 10), false},
        {"(11, 10, 1)", InRange(11, 10, 1), false},
        {"unsigned value, negative bound", InRange(5u, -1, 10), true},
        {"negative value, unsigned bounds", InRange(-1, 0u, 10u), false},
        {"double between ints", InRange(2.5, 2, 3), true},
        {"texts", InRange(std::wstring(L"b"), L"a", L"c"), true},
        {"texts are binary", InRange(std::wstring(L"B"), L"a", L"c"), false},
        {"C strings as texts", InRange(L"b", L"c", L"a"), true},
        {"characters", InRange(L'x', L'a', L'z'), true},
    };
    for (const auto& c : cases) EXPECT_EQ(c.result, c.expected) << c.name;
}

TEST(ColorToRGB, Table)
{
    struct {
        std::int32_t color;
        const wchar_t* text;
        std::uint8_t first, second, third;
    } cases[] = {
        {0xFF8000, L"255,128,0", 255, 128, 0},
        {0x000000, L"0,0,0", 0, 0, 0},
        {0xFFFFFF, L"255,255,255", 255, 255, 255},
        {0x0A0B0C, L"10,11,12", 10, 11, 12},
        // Outside 0..0xFFFFFF the outputs keep their values (7).
        {static_cast<std::int32_t>(0x8000000F), L"", 7, 7, 7},
        {0x1000000, L"", 7, 7, 7},
        {-1, L"", 7, 7, 7},
    };
    for (const auto& c : cases) {
        std::uint8_t first = 7, second = 7, third = 7;
        EXPECT_EQ(Common::ColorToRGB(c.color, first, second, third), c.text) << std::hex << c.color;
        EXPECT_EQ(first, c.first) << std::hex << c.color;
        EXPECT_EQ(second, c.second) << std::hex << c.color;
        EXPECT_EQ(third, c.third) << std::hex << c.color;
    }
}

TEST(BoolToInt, OneAndZero)
{
    EXPECT_EQ(Common::BoolToInt(true), 1);
    EXPECT_EQ(Common::BoolToInt(false), 0);
}

TEST(ToByte, Table)
{
    struct {
        std::int32_t value;
        int error;
    } cases[] = {{0, kNoError}, {255, kNoError}, {128, kNoError}, {-1, Runtime::ErrOverflow},
                 {256, Runtime::ErrOverflow}, {kLongMin, Runtime::ErrOverflow}};
    for (const auto& c : cases) {
        std::uint8_t byte = 0;
        EXPECT_EQ(ErrorOf([&] { byte = amUnicode::ToByte(c.value); }), c.error) << c.value;
        if (c.error == kNoError) {
            EXPECT_EQ(byte, c.value) << c.value;
        }
    }
}

TEST(HiWord, Table)
{
    struct {
        std::int32_t value;
        std::int32_t hi;
    } cases[] = {{0x0001FFFF, 1}, {static_cast<std::int32_t>(0xFFFF0000), 65535}, {0, 0}, {0xFFFF, 0},
                 {kLongMin, 32768}, {-1, 65535}};
    for (const auto& c : cases) EXPECT_EQ(amUnicode::HiWord(c.value), c.hi) << std::hex << c.value;
}

TEST(WordToLong, BothNamesAsTable)
{
    struct {
        std::int16_t value;
        std::int32_t result;
    } cases[] = {{-1, 65535}, {32767, 32767}, {-32768, 32768}, {0, 0}, {-2, 65534}};
    for (const auto& c : cases) {
        EXPECT_EQ(amUnicode::WordToLong(c.value), c.result) << c.value;
        EXPECT_EQ(amUnicode::UIntToLong(c.value), c.result) << c.value;
    }
}

} // namespace
