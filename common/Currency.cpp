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

Currency::Currency(double value)
{
    constexpr double kTwoTo63 = 9223372036854775808.0;
    double scaled = RoundHalfEven(value * kScale);
    if (!(scaled >= -kTwoTo63 && scaled < kTwoTo63)) RaiseOverflow();
    scaled_ = static_cast<std::int64_t>(scaled);
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
