#pragma once
// Small value helpers: flags as numbers, bounded choices, ranges, colours.
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "common/Currency.h"

namespace Common {

// 1 for true, 0 for false: flags are stored as 1/0 in the settings file.
std::int16_t BoolToInt(bool flag);

// The smaller (Min) or larger (Max) of two values, rounded to a whole number
// (a half to the even neighbour); raises ErrOverflow when the chosen value is
// outside the signed 32-bit range.
std::int32_t Min(Currency a, Currency b);
std::int32_t Max(Currency a, Currency b);

// `value` rounded to a whole number, a half to the even neighbour, as a
// number is given to a signed 32-bit value; raises ErrOverflow when the
// rounded value is outside that range (and for infinities and NaN).
std::int32_t RoundToLong(double value);

namespace detail {

// Integer types that std::cmp_less_equal takes (not bool, not characters).
template <typename T>
concept PlainInteger = std::integral<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char> &&
                       !std::is_same_v<T, signed char> && !std::is_same_v<T, unsigned char> &&
                       !std::is_same_v<T, wchar_t> && !std::is_same_v<T, char8_t> &&
                       !std::is_same_v<T, char16_t> && !std::is_same_v<T, char32_t>;

// a <= b by the values' own types: integers by value whatever their
// signedness, texts (and C strings) as texts, anything else by its <=.
template <typename A, typename B>
constexpr bool LessOrEqual(const A& a, const B& b)
{
    if constexpr (PlainInteger<A> && PlainInteger<B>)
        return std::cmp_less_equal(a, b);
    else if constexpr (std::is_convertible_v<const A&, std::wstring_view> &&
                       std::is_convertible_v<const B&, std::wstring_view>)
        return std::wstring_view(a) <= std::wstring_view(b);
    else
        return a <= b;
}

} // namespace detail

// Whether `value` lies between the bounds, both included. With bound1 >
// bound2 the bounds are taken the other way round, unless `ordered`, when
// the result is false.
template <typename V, typename B1, typename B2>
constexpr bool InRange(const V& value, const B1& bound1, const B2& bound2, bool ordered = false)
{
    using detail::LessOrEqual;
    if (LessOrEqual(bound1, bound2)) return LessOrEqual(bound1, value) && LessOrEqual(value, bound2);
    if (ordered) return false;
    return LessOrEqual(bound2, value) && LessOrEqual(value, bound1);
}

// Splits a colour 0..0xFFFFFF into its bytes: first = bits 16-23, second =
// bits 8-15, third = bits 0-7 (for a COLORREF 0x00BBGGRR: blue, green, red)
// and gives them as "first,second,third". Any other value (system colours
// 0x800000xx included) gives an empty text and leaves the bytes as they were.
std::wstring ColorToRGB(std::int32_t color, std::uint8_t& first, std::uint8_t& second, std::uint8_t& third);

} // namespace Common
