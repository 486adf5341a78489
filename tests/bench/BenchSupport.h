#pragma once
// What the benchmark programs share besides the clock: a file of the source
// tree as the Windows program opens it, and the median of a set of runs.
// ORLENTA_SOURCE_DIR is defined by the benchmark's target.
#include <algorithm>
#include <string>
#include <vector>

namespace Bench {

// A file of the source tree as the Windows program opens it (Wine's Z: drive).
inline std::wstring SourcePath(const char* relative)
{
    std::wstring path = L"Z:";
    for (const char* p = ORLENTA_SOURCE_DIR; *p; ++p) path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
    path += L'\\';
    for (const char* p = relative; *p; ++p) path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
    return path;
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace Bench
