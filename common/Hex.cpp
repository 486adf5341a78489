#include "common/Hex.h"

#include <limits>

#include "runtime/RuntimeError.h"

namespace Common {

namespace {

// A Currency holds this many hexadecimal digits: after the 13th the weight
// 16^13 is beyond its range.
constexpr int kMaxHexDigits = 12;

int HexDigit(wchar_t c)
{
    if (c >= L'0' && c <= L'9') return static_cast<int>(c - L'0');
    if (c >= L'A' && c <= L'F') return static_cast<int>(c - L'A') + 10;
    if (c >= L'a' && c <= L'f') return static_cast<int>(c - L'a') + 10;
    return -1;
}

// The hexadecimal digits of a 32-bit pattern, upper case, no leading zeros.
std::wstring HexDigits(std::uint32_t bits)
{
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring digits;
    do {
        digits.insert(digits.begin(), kDigits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    return digits;
}

} // namespace

std::int64_t HexToCurrency(std::wstring_view text)
{
    std::int64_t value = 0;
    std::int64_t weight = 1;
    int count = 0;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        int digit = HexDigit(*it);
        if (digit < 0) Runtime::Raise(Runtime::ErrTypeMismatch);
        if (++count > kMaxHexDigits) Runtime::Raise(Runtime::ErrOverflow);
        value += digit * weight;
        weight *= 16;
    }
    return value;
}

std::wstring HexToBits(std::int64_t value, int width)
{
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        Runtime::Raise(Runtime::ErrOverflow);
    static const wchar_t* const kNibbles[] = {
        L"0000", L"0001", L"0010", L"0011", L"0100", L"0101", L"0110", L"0111",
        L"1000", L"1001", L"1010", L"1011", L"1100", L"1101", L"1110", L"1111",
    };
    std::wstring bits;
    for (wchar_t digit : HexDigits(static_cast<std::uint32_t>(value)))
        bits += kNibbles[HexDigit(digit)];
    if (width > 0 && bits.size() < static_cast<std::size_t>(width))
        bits.insert(0, static_cast<std::size_t>(width) - bits.size(), L'0');
    std::size_t leading = 0;
    std::size_t keep = width > 0 ? static_cast<std::size_t>(width) : 0;
    while (bits.size() - leading > keep && bits[leading] == L'0') ++leading;
    return bits.substr(leading);
}

} // namespace Common
