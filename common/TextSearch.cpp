#include "common/TextSearch.h"

namespace Common {

namespace {

// Whether `find` stands in `text` at the 0-based offset `at`.
bool MatchesAt(std::wstring_view text, std::size_t at, std::wstring_view find, int compare)
{
    return TextEqual(text.substr(at, find.size()), find, compare);
}

bool InSet(wchar_t c, std::wstring_view charSet, int compare)
{
    for (wchar_t member : charSet) {
        if (SameChar(c, member, compare)) return true;
    }
    return false;
}

int Position(std::size_t offset) { return static_cast<int>(offset) + 1; }

} // namespace

int InStr(int start, std::wstring_view text, std::wstring_view find, int compare)
{
    if (start < 1) start = 1;
    auto from = static_cast<std::size_t>(start - 1);
    if (text.empty() || from >= text.size()) return 0;
    if (find.empty()) return start;
    for (std::size_t at = from; at + find.size() <= text.size(); ++at) {
        if (MatchesAt(text, at, find, compare)) return Position(at);
    }
    return 0;
}

int InStrRev(std::wstring_view text, std::wstring_view find, int start, int compare)
{
    if (text.empty()) return 0;
    std::size_t end = start < 1 ? text.size() : static_cast<std::size_t>(start);
    if (end > text.size()) return 0;
    if (find.empty()) return static_cast<int>(end);
    if (find.size() > end) return 0;
    for (std::size_t at = end - find.size() + 1; at-- > 0;) {
        if (MatchesAt(text, at, find, compare)) return Position(at);
    }
    return 0;
}

int InStrAny(int start, std::wstring_view text, std::wstring_view charSet, int compare, bool fromEnd)
{
    if (text.empty() || charSet.empty()) return 0;
    if (!IgnoresCase(compare)) compare = CompareBinary;
    if (fromEnd) {
        std::size_t end = start < 1 ? text.size() : static_cast<std::size_t>(start);
        if (end > text.size()) return 0;
        for (std::size_t at = end; at-- > 0;) {
            if (InSet(text[at], charSet, compare)) return Position(at);
        }
        return 0;
    }
    std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
    for (std::size_t at = from; at < text.size(); ++at) {
        if (InSet(text[at], charSet, compare)) return Position(at);
    }
    return 0;
}

} // namespace Common
