#include "common/ListSearch.h"

#include <algorithm>

#include "common/TextCompare.h"
#include "common/Tokens.h"

namespace Common {

int IndexOf(std::wstring_view source, std::wstring_view value, std::wstring_view delimiter, int compare)
{
    if (delimiter.empty()) delimiter = L"\r\n";
    std::wstring token = GetLine(source, delimiter);
    for (int index = 0; !token.empty(); ++index) {
        if (TextEqual(token, value, compare)) return index;
        token = GetToken(source);
    }
    return -1;
}

int IndexOf(const std::vector<long>& source, long value)
{
    auto found = std::find(source.begin(), source.end(), value);
    return found == source.end() ? -1 : static_cast<int>(found - source.begin());
}

std::wstring JoinRange(const std::vector<long>& source, std::wstring_view delimiter, int start, int count)
{
    if (source.empty()) return {};
    long first = std::max(start, 0);
    long last = static_cast<long>(source.size()) - 1;
    if (count > 0) last = std::min(last, static_cast<long>(start) + count);
    std::wstring text;
    for (long i = first; i <= last; ++i) {
        if (i > first) text += delimiter;
        text += std::to_wstring(source[static_cast<std::size_t>(i)]);
    }
    return text;
}

} // namespace Common
