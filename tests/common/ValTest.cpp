#include "common/Val.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ValCase {
    const char* name;
    std::wstring text;
    double expected;
};

const ValCase kValCases[] = {
    {"digits then letters", L"12abc", 12},
    {"hex prefix", L"&H10", 16},
    {"blanks before and between", L" 1 2", 12},
    {"empty", L"", 0},
    {"only blanks", L"   ", 0},
    {"signed exponent", L"-3.5E2", -350},
    {"D exponent", L"1D3", 1000},
    {"lower-case e", L"2e2", 200},
    {"lower-case d", L"1d1", 10},
    {"blanks join digits across words", L"2e2 1d1", 2e21},
    {"fraction only", L".5", 0.5},
    {"octal prefix", L"&O17", 15},
    {"garbage", L"abc", 0},
    {"currency sign", L"$5", 0},
    {"tabs and line feeds first", L"\t\n \t7", 7},
    {"carriage return is not skipped", L"\r7", 0},
    {"tab inside stops", L"1\t2", 1},
    {"plus sign", L"+4", 4},
    {"blank after sign", L"- 4", -4},
    {"two signs", L"--4", 0},
    {"sign alone", L"-", 0},
    {"point alone", L".", 0},
    {"second point stops", L"1.2.3", 1.2},
    {"comma stops", L"1,5", 1},
    {"point as decimal mark", L"0.1", 0.1},
    {"trailing point", L"5.", 5},
    {"exponent without digits", L"1e", 1},
    {"exponent sign without digits", L"1e+", 1},
    {"negative exponent", L"1e-2", 0.01},
    {"blanks inside exponent", L"2 E - 2", 0.02},
    {"second exponent stops", L"1e2e3", 100},
    {"leading zeros", L"007", 7},
    {"negative zero reads as zero", L"-0", 0},
    {"many digits", L"123456789012345678901234567890", 1.2345678901234568e29},
    {"largest double", L"1.7976931348623157e308", std::numeric_limits<double>::max()},
    {"smallest subnormal", L"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
    {"exponent past the range", L"1e309", kInf},
    {"negative past the range", L"-1e309", -kInf},
    {"huge exponent digits", L"1E99999999999999999999999", kInf},
    {"below the range", L"1e-400", 0},
    {"hugely negative exponent", L"-1e-99999999999999999999", 0},
    {"zero with huge exponent", L"0e99999999", 0},
    {"fraction zeros and exponent", L"0.000000000000000000001e21", 1},
    {"lower-case hex", L"&hff", 255},
    {"blanks inside hex", L"& H 1 0", 16},
    {"hex stops at non-digit", L"&H1G", 1},
    {"hex of 16 bits is unsigned", L"&HFFFF", 65535},
    {"hex of 32 bits is unsigned", L"&HFFFFFFFF", 4294967295.0},
    {"hex of 64 bits", L"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
    {"hex beyond 64 bits saturates", L"&H1FFFFFFFFFFFFFFFF", 18446744073709551615.0},
    {"hex leading zeros do not overflow", L"&H0000000000000000000000001", 1},
    {"octal of 64 bits", L"&O1777777777777777777777", 18446744073709551615.0},
    {"octal beyond 64 bits saturates", L"&O2000000000000000000000", 18446744073709551615.0},
    {"octal stops at 8", L"&O178", 15},
    {"prefix without digits", L"&H", 0},
    {"ampersand alone", L"&", 0},
    {"unknown prefix", L"&X1", 0},
    {"no sign before hex", L"-&H10", 0},
    {"no exponent on hex", L"&H1E2", 482},
    {"fullwidth digits are no digits", L"\xFF11\xFF12", 0},
    {"zero character stops", std::wstring(L"1\0" L"2", 3), 1},
};

TEST(Val, ReadsTheLeadingNumber)
{
    for (const auto& c : kValCases) {
        double value = Common::Val(c.text);
        EXPECT_EQ(value, c.expected) << c.name;
        EXPECT_FALSE(std::signbit(value) && value == 0) << c.name << ": negative zero";
    }
}

TEST(Val, LongDigitStrings)
{
    struct LongCase {
        const char* name;
        std::wstring text;
        double expected;
    } cases[] = {
        {"500 digits", L"1" + std::wstring(500, L'0'), kInf},
        {"500 fraction zeros", L"0." + std::wstring(500, L'0') + L"1", 0},
        {"fraction zeros made up by the exponent", L"0." + std::wstring(500, L'0') + L"1e600", 1e99},
        {"integer zeros made up by the exponent", L"1" + std::wstring(500, L'0') + L"e-500", 1},
        {"blanks between many digits", std::wstring(1000, L' ') + L"4 2", 42},
    };
    for (const auto& c : cases) EXPECT_EQ(Common::Val(c.text), c.expected) << c.name;
}

} // namespace
