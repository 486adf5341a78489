#include "common/NumberText.h"

#include <cmath>

namespace Common {

double RoundTo4(double value)
{
    return std::round(value * 10000.0) / 10000.0;
}

std::wstring NumberText(double value)
{
    // Work in whole ten-thousandths so no binary fraction shows through.
    long long units = std::llround(std::fabs(value) * 10000.0);
    if (units == 0) return L"0";
    std::wstring text = value < 0 ? L"-" : L"";
    long long whole = units / 10000, fraction = units % 10000;
    if (whole != 0) text += std::to_wstring(whole);
    if (fraction != 0) {
        std::wstring digits = std::to_wstring(fraction + 10000).substr(1);
        while (digits.back() == L'0') digits.pop_back();
        text += L"." + digits;
    }
    return text;
}

} // namespace Common
