#include "mainwin/Settings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/Ini.h"

namespace Settings {

double ReadNumber(const std::wstring& file, const std::wstring& section, const std::wstring& key, double def)
{
    double value = Common::IniReadNumber(file, section, key, def);
    return std::isfinite(value) ? value : def;
}

int ReadFlag(const std::wstring& file, const std::wstring& section, const std::wstring& key, int def)
{
    return ReadNumber(file, section, key, def) > 0 ? 1 : 0;
}

int ReadClamped(const std::wstring& file, const std::wstring& section, const std::wstring& key, int def, int upper)
{
    double value = std::clamp(ReadNumber(file, section, key, def), 0.0, static_cast<double>(std::max(upper, 0)));
    return static_cast<int>(value);
}

std::int32_t ReadNonNegative(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                             std::int32_t def)
{
    double value = ReadNumber(file, section, key, def);
    if (value < 0) return 0;
    if (value > 2147483647.0) return def;
    return static_cast<std::int32_t>(value);
}

std::uint32_t ReadColor(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                        std::uint32_t def)
{
    double value = ReadNumber(file, section, key, def);
    if (value < 0 || value > 4294967295.0 || value != std::floor(value)) return def;
    return static_cast<std::uint32_t>(value);
}

std::wstring NumberText(double value)
{
    wchar_t text[64];
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        std::swprintf(text, 64, L"%.0f", value);
    else
        std::swprintf(text, 64, L"%g", value);
    return text;
}

} // namespace Settings
