#pragma once
// Finding a character by the words of its name: every word must occur in
// the name, ignoring case, anywhere and in any order.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chardata/CharNameTable.h"

namespace CharData {

// The words of a search text: the text without leading and trailing blanks,
// split at each single blank. Two blanks in a row give an empty word, which
// every non-empty name holds.
std::vector<std::wstring> SearchWords(std::wstring_view text);

// The words of one name search, folded once so that testing a name costs
// one pass per word.
class NameQuery {
public:
    explicit NameQuery(std::wstring_view text);

    // Whether `name` holds every word, ignoring case. An empty name holds
    // nothing.
    bool Matches(std::wstring_view name) const;

private:
    std::vector<std::wstring> words_; // case-folded
};

// The first code point from `from` to `last` (both inclusive, within
// 0..FFFF) whose name in `table` holds every word of `query`.
std::optional<std::int32_t> FindName(const CharNameTable& table, const NameQuery& query, std::int32_t from,
                                     std::int32_t last);

} // namespace CharData
