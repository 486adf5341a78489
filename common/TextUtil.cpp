#include "common/TextUtil.h"

#include "common/TextSearch.h"

namespace Common {

std::wstring TextBefore(std::wstring_view text, std::wstring_view delimiter, bool emptyIfNotFound, int compare)
{
    if (delimiter.empty()) return std::wstring(text);
    int p = InStr(1, text, delimiter, compare);
    if (p > 0) return std::wstring(text.substr(0, static_cast<std::size_t>(p - 1)));
    return emptyIfNotFound ? std::wstring() : std::wstring(text);
}

std::wstring TextAfter(std::wstring_view text, std::wstring_view delimiter, int length, bool emptyIfNotFound,
                       int compare)
{
    int p = InStr(1, text, delimiter, compare);
    if (p == 0) return emptyIfNotFound ? std::wstring() : std::wstring(text);
    std::wstring_view after = text.substr(static_cast<std::size_t>(p - 1) + delimiter.size());
    if (length > 0) after = after.substr(0, static_cast<std::size_t>(length));
    return std::wstring(after);
}

std::wstring PadLeft(std::wstring_view text, std::wstring_view pad)
{
    if (pad.size() <= text.size()) return std::wstring(text);
    std::wstring result(pad.substr(0, pad.size() - text.size()));
    result += text;
    return result;
}

void SpliceText(std::wstring& text, int position, std::wstring_view insert)
{
    SpliceText(text, position, -1, insert);
}

void SpliceText(std::wstring& text, int position, int length, std::wstring_view insert)
{
    if (position < 1 || static_cast<std::size_t>(position) > text.size()) return;
    auto at = static_cast<std::size_t>(position - 1);
    std::size_t count = length < 0 ? std::wstring::npos : static_cast<std::size_t>(length);
    text.replace(at, count, insert);
}

std::wstring TrimNull(std::wstring_view text, unsigned char maxCode)
{
    std::size_t end = text.size();
    while (end > 0 && static_cast<unsigned long>(text[end - 1]) <= maxCode) --end;
    return std::wstring(text.substr(0, end));
}

} // namespace Common
