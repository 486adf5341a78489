#include "common/KeyValue.h"

#include <algorithm>

#include "common/TextSearch.h"

namespace Common {

namespace {

std::wstring_view SkipBlanks(std::wstring_view text)
{
    std::size_t start = text.find_first_not_of(L' ');
    return start == std::wstring_view::npos ? std::wstring_view() : text.substr(start);
}

// The value that follows "=" (its blanks skipped).
std::wstring ValueAfterEquals(std::wstring_view rest, std::wstring_view separator, bool separatorIsSet)
{
    rest = SkipBlanks(rest);
    if (!rest.empty() && rest.front() == L'"' && !separator.empty() && separator.front() == L'"') {
        rest.remove_prefix(1);
        return std::wstring(rest.substr(0, rest.find(L'"')));
    }
    std::size_t end = std::wstring_view::npos;
    if (separatorIsSet) {
        int at = InStrAny(1, rest, separator, CompareBinary, false);
        if (at > 0) end = static_cast<std::size_t>(at - 1);
    } else if (!separator.empty()) {
        end = rest.find(separator);
    }
    return std::wstring(rest.substr(0, end));
}

struct Found {
    std::wstring value;
    int keyPosition = 0; // 1-based position of the accepted occurrence, 0 for none
};

// The first occurrence of `key` outside double quotes that "=" follows.
Found FindItem(std::wstring_view text, std::wstring_view key, std::wstring_view separator, bool separatorIsSet)
{
    int quotes = 0;
    std::size_t counted = 0;
    for (int at = InStr(1, text, key, CompareText); at > 0; at = InStr(at + 1, text, key, CompareText)) {
        auto offset = static_cast<std::size_t>(at - 1);
        quotes += static_cast<int>(std::count(text.begin() + static_cast<std::ptrdiff_t>(counted),
                                              text.begin() + static_cast<std::ptrdiff_t>(offset), L'"'));
        counted = offset;
        if (quotes % 2 != 0) continue;
        std::wstring_view rest = SkipBlanks(text.substr(offset + key.size()));
        if (rest.empty() || rest.front() != L'=') continue;
        return {ValueAfterEquals(rest.substr(1), separator, separatorIsSet), at};
    }
    return {};
}

std::wstring UnderscoresAsBlanks(std::wstring_view text)
{
    std::wstring result(text);
    std::replace(result.begin(), result.end(), L'_', L' ');
    return result;
}

} // namespace

std::wstring GetKeyValue(std::wstring_view text, std::wstring_view key, std::wstring_view separator,
                         bool separatorIsSet, int* position)
{
    std::wstring searched;
    if (position) {
        int start = *position == 0 ? 1 : *position;
        if (start > 1) text = static_cast<std::size_t>(start - 1) < text.size() ? text.substr(start - 1) : L"";
    }
    if (key.starts_with(L"\r\n") && !text.starts_with(L"\r\n")) {
        searched = L"\r\n";
        searched += text;
        text = searched;
    }
    if (key.empty()) {
        if (position) *position = -1;
        return {};
    }
    Found found;
    if (InStr(1, text, key, CompareText) > 0) {
        found = FindItem(text, key, separator, separatorIsSet);
    } else {
        std::wstring plainText = UnderscoresAsBlanks(text);
        std::wstring plainKey = UnderscoresAsBlanks(key);
        found = FindItem(plainText, plainKey, separator, separatorIsSet);
    }
    if (position) *position = found.keyPosition > 0 ? *position + found.keyPosition + static_cast<int>(key.size()) : -1;
    return found.value;
}

} // namespace Common
