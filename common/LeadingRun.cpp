#include "common/LeadingRun.h"

namespace Common {

int LeadingRunCount(std::wstring_view text, std::wstring_view unit)
{
    if (text.empty() || unit.empty()) return 0;
    size_t passed = 0;
    while (text.substr(passed, unit.size()) == unit) passed += unit.size();
    return static_cast<int>(passed);
}

} // namespace Common
