#pragma once
// Finding a character by one of its entity names ("&amp;" finds U+0026).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "chardata/CharNameTable.h"

namespace CharData {

// The entity name of a search text that begins with "&": the text trimmed
// of blanks must end with ";", and the name between the two must not hold
// the sequence " &;". Nothing for a text that breaks either rule.
std::optional<std::wstring> EntitySearchName(std::wstring_view text);

// Every entity name of a name table with the code points that carry it, so
// that finding a name is one look-up rather than a pass over all records.
// Names compare exactly (letter case counts).
class EntityIndex {
public:
    explicit EntityIndex(const CharNameTable& table);

    // The lowest code point from `first` to `last` (inclusive) whose entity
    // list holds `name`.
    std::optional<std::int32_t> Find(std::wstring_view name, std::int32_t first, std::int32_t last) const;

private:
    std::unordered_map<std::wstring, std::vector<std::int32_t>> codes_; // ascending per name
};

} // namespace CharData
