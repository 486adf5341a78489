#include "mainwin/OsVersion.h"

#include <windows.h>

#include <cstdlib>

std::optional<OsVersion> ParseOsVersion(const std::string& text)
{
    unsigned long parts[3] = {};
    size_t at = 0;
    for (int i = 0; i < 3; ++i) {
        size_t start = at;
        unsigned long value = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - start < 6)
            value = value * 10 + static_cast<unsigned long>(text[at++] - '0');
        if (at == start) return std::nullopt;
        parts[i] = value;
        if (i < 2) {
            if (at >= text.size() || text[at] != '.') return std::nullopt;
            ++at;
        }
    }
    if (at != text.size()) return std::nullopt;
    return OsVersion{parts[0], parts[1], parts[2]};
}

OsVersion CurrentOsVersion()
{
    char buffer[64] = {};
    DWORD length = GetEnvironmentVariableA("ORLENTA_OSVERSION", buffer, sizeof buffer);
    if (length > 0 && length < sizeof buffer) {
        if (auto v = ParseOsVersion(buffer)) return *v;
    }
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExA(&info);
#pragma GCC diagnostic pop
    return OsVersion{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

bool OsVersionSupported(const OsVersion& v)
{
    return v.Platform == VER_PLATFORM_WIN32_NT && v.Major >= 5;
}

const wchar_t* HelpFileExtension(const OsVersion& v)
{
    // major + minor / 10 below 6.1
    return v.Major * 10 + v.Minor < 61 ? L".hlp" : L".chm";
}
