#include "common/NumberText.h"

#include <cmath>
#include <cstdint>

namespace Common {

double RoundTo4(double value)
{
    return std::round(value * 10000.0) / 10000.0;
}

std::wstring NumberText(Currency value)
{
    // Whole ten-thousandths, so no binary fraction shows through. The
    // magnitude is taken unsigned: the lowest value has no positive twin.
    const std::int64_t scaled = value.Scaled();
    if (scaled == 0) return L"0";
    const std::uint64_t units =
        scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    const std::uint64_t whole = units / Currency::kScale, fraction = units % Currency::kScale;
    std::wstring text = scaled < 0 ? L"-" : L"";
    if (whole != 0) text += std::to_wstring(whole);
    if (fraction != 0) {
        std::wstring digits = std::to_wstring(fraction + Currency::kScale).substr(1);
        while (digits.back() == L'0') digits.pop_back();
        text += L"." + digits;
    }
    return text;
}

} // namespace Common
