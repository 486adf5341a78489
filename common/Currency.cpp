#include "common/Currency.h"

#include <cmath>
#include <limits>

#include "runtime/RuntimeError.h"

namespace Common {

namespace {

// x rounded to a whole number, a half to the even neighbour.
double RoundHalfEven(double x)
{
    double floor = std::floor(x);
    double fraction = x - floor;
    if (fraction > 0.5) return floor + 1;
    if (fraction < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1;
}

} // namespace

void Currency::RaiseOverflow()
{
    Runtime::Raise(Runtime::ErrOverflow);
}

std::optional<std::int64_t> Currency::ScaleDouble(double value) noexcept
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    if (!std::isfinite(value)) return std::nullopt;
    // The whole part and the fraction are scaled apart: the product of a
    // large value and 10000 would lose its last digits in a double. The
    // whole units are a multiple of 10000, so the fraction alone decides
    // which neighbour is even.
    const double whole = std::trunc(value);
    if (std::fabs(whole) > static_cast<double>(kMax / kScale)) return std::nullopt;
    const std::int64_t wholeUnits = static_cast<std::int64_t>(whole) * kScale;
    const auto fraction = static_cast<std::int64_t>(RoundHalfEven((value - whole) * kScale));
    if (fraction > 0 && wholeUnits > kMax - fraction) return std::nullopt;
    if (fraction < 0 && wholeUnits < kMin - fraction) return std::nullopt;
    return wholeUnits + fraction;
}

bool Currency::Holds(double value) noexcept
{
    return ScaleDouble(value).has_value();
}

Currency::Currency(double value)
{
    const std::optional<std::int64_t> scaled = ScaleDouble(value);
    if (!scaled) RaiseOverflow();
    scaled_ = *scaled;
}

std::int32_t Currency::ToLong() const
{
    std::int64_t whole = scaled_ / kScale;  // rounded towards zero
    std::int64_t rest = scaled_ % kScale;   // same sign as scaled_
    std::int64_t twice = 2 * (rest < 0 ? -rest : rest);
    bool away = twice > kScale || (twice == kScale && whole % 2 != 0);
    if (away) whole += rest < 0 ? -1 : 1;
    if (whole < std::numeric_limits<std::int32_t>::min() || whole > std::numeric_limits<std::int32_t>::max())
        RaiseOverflow();
    return static_cast<std::int32_t>(whole);
}

} // namespace Common
