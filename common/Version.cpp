#include "common/Version.h"

namespace Common {

namespace {

// The last `width` digits of value + 10^width: a zero-padded field.
std::wstring LastDigits(long long value, int width)
{
    long long base = 1;
    for (int i = 0; i < width; ++i) base *= 10;
    std::wstring digits = std::to_wstring(value + base);
    return digits.substr(digits.size() - width);
}

} // namespace

std::wstring FormatVersion(int style, int major, int minor, int revision)
{
    std::wstring text = std::to_wstring(major) + L".";
    if (style == 0) {
        text += LastDigits(minor, 2);
        if (revision >= 1) text += L"." + LastDigits(revision, 4);
    } else {
        text += minor == 0 ? std::wstring(L"00") : std::to_wstring(minor);
        if (revision >= 1) text += L"." + std::to_wstring(revision);
    }
    return text;
}

} // namespace Common
