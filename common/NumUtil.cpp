#include "common/NumUtil.h"

#include <cmath>

#include "runtime/RuntimeError.h"

namespace Common {

std::int16_t BoolToInt(bool flag)
{
    return flag ? 1 : 0;
}

std::int32_t Min(Currency a, Currency b)
{
    return (a < b ? a : b).ToLong();
}

std::int32_t Max(Currency a, Currency b)
{
    return (a > b ? a : b).ToLong();
}

std::int32_t RoundToLong(double value)
{
    // nearbyint rounds by the current mode, which is to the nearest, a half
    // to even, unless a program changes it.
    const double whole = std::nearbyint(value);
    if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) Runtime::Raise(Runtime::ErrOverflow);
    return static_cast<std::int32_t>(whole);
}

std::wstring ColorToRGB(std::int32_t color, std::uint8_t& first, std::uint8_t& second, std::uint8_t& third)
{
    if (color < 0 || color > 0xFFFFFF) return std::wstring();
    first = static_cast<std::uint8_t>(color >> 16);
    second = static_cast<std::uint8_t>(color >> 8);
    third = static_cast<std::uint8_t>(color);
    return std::to_wstring(first) + L"," + std::to_wstring(second) + L"," + std::to_wstring(third);
}

} // namespace Common
