#pragma once
// Currency: a signed 64-bit fixed-point number with four decimals, the type
// in which settings numbers are read and in which any 32-bit value, signed
// or unsigned, compares correctly. Numbers convert to it implicitly, so
// that Min(width, 255) reads as written.
#include <compare>
#include <concepts>
#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>

namespace Common {

class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() noexcept = default;

    // A whole number; raises ErrOverflow outside about +-922337203685477.
    template <std::integral T>
    Currency(T whole) : scaled_(ScaleWhole(whole)) {}

    // `value` rounded to four decimals, a half to the even neighbour, exactly
    // at every magnitude the range holds; raises ErrOverflow outside the
    // range (and for infinities and NaN).
    Currency(double value);

    // Whether Currency(value) gives a number rather than ErrOverflow.
    static bool Holds(double value) noexcept;

    static constexpr Currency FromScaled(std::int64_t scaled) noexcept
    {
        Currency c;
        c.scaled_ = scaled;
        return c;
    }

    // The value times 10000.
    constexpr std::int64_t Scaled() const noexcept { return scaled_; }
    double ToDouble() const noexcept { return static_cast<double>(scaled_) / kScale; }

    // The value rounded to a whole number, a half to the even neighbour;
    // raises ErrOverflow outside the signed 32-bit range.
    std::int32_t ToLong() const;

    friend constexpr auto operator<=>(const Currency&, const Currency&) noexcept = default;

private:
    template <std::integral T>
    static std::int64_t ScaleWhole(T whole)
    {
        constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / kScale;
        if constexpr (std::is_signed_v<T>) {
            if (static_cast<std::int64_t>(whole) > kLimit || static_cast<std::int64_t>(whole) < -kLimit)
                RaiseOverflow();
        } else {
            if (static_cast<std::uint64_t>(whole) > static_cast<std::uint64_t>(kLimit)) RaiseOverflow();
        }
        return static_cast<std::int64_t>(whole) * kScale;
    }
    [[noreturn]] static void RaiseOverflow();
    // The scaled value of Currency(value); nothing outside the range.
    static std::optional<std::int64_t> ScaleDouble(double value) noexcept;

    std::int64_t scaled_ = 0;
};

} // namespace Common
