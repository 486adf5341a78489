#include "chardata/NameSearch.h"

#include <algorithm>

#include "common/CaseFold.h"

namespace CharData {

namespace {

// Names are mostly ASCII: fold those without the table search.
inline wchar_t Fold(wchar_t c)
{
    if (c < 0x80) return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c;
    return Common::FoldCase(c);
}

std::wstring_view TrimBlanks(std::wstring_view text)
{
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

// The other ASCII letter case of a folded character, or the character.
inline wchar_t OtherCase(wchar_t c)
{
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c;
}

// Whether the folded `word` occurs in `name` (folded as it is read). The
// first character is looked for without folding ASCII: names are mostly
// ASCII, and this loop is where a search that reads every name spends its time.
bool Contains(std::wstring_view name, std::wstring_view word)
{
    if (word.size() > name.size()) return false;
    const std::size_t lastStart = name.size() - word.size();
    const wchar_t first = word.front(), firstUpper = OtherCase(first);
    for (std::size_t at = 0; at <= lastStart; ++at) {
        const wchar_t c = name[at];
        if (c < 0x80 ? c != first && c != firstUpper : Fold(c) != first) continue;
        std::size_t i = 1;
        while (i < word.size() && Fold(name[at + i]) == word[i]) ++i;
        if (i == word.size()) return true;
    }
    return false;
}

} // namespace

std::vector<std::wstring> SearchWords(std::wstring_view text)
{
    text = TrimBlanks(text);
    std::vector<std::wstring> words;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = text.find(L' ', start);
        words.emplace_back(text.substr(start, blank == std::wstring_view::npos ? blank : blank - start));
        if (blank == std::wstring_view::npos) return words;
        start = blank + 1;
    }
}

NameQuery::NameQuery(std::wstring_view text) : words_(SearchWords(text))
{
    for (std::wstring& word : words_) std::transform(word.begin(), word.end(), word.begin(), Fold);
}

bool NameQuery::Matches(std::wstring_view name) const
{
    if (name.empty()) return false;
    for (const std::wstring& word : words_)
        if (!word.empty() && !Contains(name, word)) return false;
    return true;
}

std::optional<std::int32_t> FindName(const CharNameTable& table, const NameQuery& query, std::int32_t from,
                                     std::int32_t last)
{
    from = std::max(from, 0);
    last = std::min(last, kCharCount - 1);
    // The code points of a built-in name range share one name text: a name
    // that is the very text tested before gets the same answer.
    std::wstring_view tested;
    bool testedMatches = false;
    for (std::int32_t code = from; code <= last; ++code) {
        const std::wstring_view name = table.GetCharName(code);
        if (name.data() != tested.data() || name.size() != tested.size() || tested.empty()) {
            tested = name;
            testedMatches = query.Matches(name);
        }
        if (testedMatches) return code;
    }
    return std::nullopt;
}

} // namespace CharData
