#include "common/Hex.h"

#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "runtime/RuntimeError.h"

namespace {

constexpr int kNoError = 0;

struct HexCase {
    std::wstring text;
    std::int64_t value;
    int error;
};

const HexCase kHexCases[] = {
    {L"FFFF", 65535, kNoError},
    {L"", 0, kNoError},
    {L"ff", 255, kNoError},
    {L"0", 0, kNoError},
    {L"10", 16, kNoError},
    {L"7fFf", 32767, kNoError},
    {L"FFFFFFFFFFFF", 281474976710655, kNoError},
    {L"000000000001", 1, kNoError},
    {L"G", 0, Runtime::ErrTypeMismatch},
    {L"1 ", 0, Runtime::ErrTypeMismatch},
    {L" 1", 0, Runtime::ErrTypeMismatch},
    {L"&H10", 0, Runtime::ErrTypeMismatch},
    {L"-1", 0, Runtime::ErrTypeMismatch},
    {L"FFFFFFFFFFFFF", 0, Runtime::ErrOverflow},
    {L"0000000000000", 0, Runtime::ErrOverflow},
    // Digits are read from the last: the error met first wins.
    {L"G000000000000", 0, Runtime::ErrTypeMismatch},
    {L"G0000000000000", 0, Runtime::ErrOverflow},
    {L"0000000000000G", 0, Runtime::ErrTypeMismatch},
};

TEST(HexToCurrency, Table)
{
    for (const auto& c : kHexCases) {
        int error = kNoError;
        std::int64_t value = 0;
        try {
            value = Common::HexToCurrency(c.text);
        } catch (const Runtime::Error& e) {
            error = e.Number();
        }
        EXPECT_EQ(error, c.error) << "'" << c.text << "'";
        if (c.error == kNoError) {
            EXPECT_EQ(value, c.value) << "'" << c.text << "'";
        }
    }
}

struct BitsCase {
    std::int64_t value;
    int width;
    std::wstring bits;
};

const BitsCase kBitsCases[] = {
    {0, 4, L"0000"},
    {std::numeric_limits<std::int32_t>::min(), 32, L"1" + std::wstring(31, L'0')},
    {0x1A, 8, L"00011010"},
    {0x1A, 4, L"11010"},
    {5, 0, L"101"},
    {0, 0, L""},
    {0xF, 1, L"1111"},
    {-1, 8, std::wstring(32, L'1')},
    {0x7FFFFFFF, 32, L"0" + std::wstring(31, L'1')},
    {0x123, 16, L"0000000100100011"},
};

TEST(HexToBits, Table)
{
    for (const auto& c : kBitsCases)
        EXPECT_EQ(Common::HexToBits(c.value, c.width), c.bits) << "value " << c.value << " width " << c.width;
}

TEST(HexToBits, OutsideLongOverflows)
{
    for (std::int64_t value : {std::int64_t{0x80000000}, std::int64_t{-0x80000001LL}, std::int64_t{1} << 40}) {
        try {
            Common::HexToBits(value, 32);
            ADD_FAILURE() << "no error for " << value;
        } catch (const Runtime::Error& e) {
            EXPECT_EQ(e.Number(), Runtime::ErrOverflow) << value;
        }
    }
}

} // namespace
