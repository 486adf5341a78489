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

std::wstring FormatFileVersion(bool product, bool shortForm, unsigned long high, unsigned long low)
{
    auto hi = [](unsigned long v) { return static_cast<long long>((v >> 16) & 0xFFFF); };
    auto lo = [](unsigned long v) { return static_cast<long long>(v & 0xFFFF); };
    auto atLeastTwo = [](long long v) { return v < 10 ? L"0" + std::to_wstring(v) : std::to_wstring(v); };
    if (product) {
        std::wstring text = std::to_wstring(hi(high)) + L"." + std::to_wstring(lo(high));
        if (low != 0) text += L"." + std::to_wstring(hi(low)) + L"." + std::to_wstring(lo(low));
        return text;
    }
    std::wstring text = std::to_wstring(hi(high)) + L"." + atLeastTwo(lo(high));
    if (low == 0) {
        if (!shortForm) text += L".0000";
    } else {
        text += L"." + atLeastTwo(hi(low)) + L"." + atLeastTwo(lo(low));
    }
    return text;
}

} // namespace Common
