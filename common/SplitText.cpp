#include "common/SplitText.h"

#include "common/TextSearch.h"

namespace Common {

std::vector<std::wstring> SplitText(std::wstring_view text, std::wstring_view delimiter)
{
    if (delimiter.empty()) delimiter = L"\r\n";
    std::vector<std::wstring> parts;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find(delimiter, from);
        if (end == std::wstring_view::npos) end = text.size();
        std::wstring_view part = text.substr(from, end - from);
        if (part.empty()) break;
        parts.emplace_back(part);
        from = end + delimiter.size();
    }
    return parts;
}

int CountOf(std::wstring_view text, std::wstring_view find, int compare)
{
    if (text.empty() || find.empty()) return 0;
    int mode = IgnoresCase(compare) ? CompareText : CompareBinary;
    int count = 0;
    for (int at = InStr(1, text, find, mode); at > 0; at = InStr(at + 1, text, find, mode)) ++count;
    return count;
}

std::wstring ReplaceAll(std::wstring_view text, std::wstring_view find, std::wstring_view replaceWith,
                        bool textCompare, int* count)
{
    int replaced = 0;
    std::wstring result;
    if (text.empty() || find.empty()) {
        result = text;
    } else {
        int mode = textCompare ? CompareText : CompareBinary;
        std::size_t from = 0;
        for (int at = InStr(1, text, find, mode); at > 0;
             at = InStr(static_cast<int>(from) + 1, text, find, mode)) {
            result.append(text.substr(from, static_cast<std::size_t>(at - 1) - from));
            result.append(replaceWith);
            from = static_cast<std::size_t>(at - 1) + find.size();
            ++replaced;
            if (from >= text.size()) break;
        }
        result.append(text.substr(from));
    }
    if (count) *count = replaced;
    return result;
}

} // namespace Common
