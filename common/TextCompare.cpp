#include "common/TextCompare.h"

#include "common/CaseFold.h"

namespace Common {

bool IgnoresCase(int compare)
{
    return compare == CompareText || compare == CompareDatabase;
}

bool SameChar(wchar_t a, wchar_t b, int compare)
{
    if (a == b) return true;
    return IgnoresCase(compare) && FoldCase(a) == FoldCase(b);
}

bool TextEqual(std::wstring_view a, std::wstring_view b, int compare)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!SameChar(a[i], b[i], compare)) return false;
    }
    return true;
}

} // namespace Common
