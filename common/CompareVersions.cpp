#include "common/CompareVersions.h"

#include "common/SplitText.h"
#include "common/Val.h"
#include "runtime/RuntimeError.h"

namespace Common {

int CompareVersions(std::wstring_view version1, std::wstring_view version2, bool strictLength)
{
    if (version1.empty() && version2.empty()) return 0;
    if (version2.empty()) return 1;
    if (version1.empty()) return -1;
    auto parts1 = SplitText(version1, L".");
    auto parts2 = SplitText(version2, L".");
    if (parts1.empty() || parts2.empty()) Runtime::Raise(Runtime::ErrTypeMismatch);
    for (std::size_t i = 0;; ++i) {
        if (i >= parts1.size()) return i < parts2.size() ? -1 : 0;
        if (i >= parts2.size()) return 1;
        double a = Val(parts1[i]);
        double b = Val(parts2[i]);
        if (strictLength && a != 0 && b != 0 && parts1[i].size() != parts2[i].size()) return -2;
        if (a > b) return 1;
        if (a < b) return -1;
    }
}

} // namespace Common
