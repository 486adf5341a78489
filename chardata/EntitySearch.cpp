#include "chardata/EntitySearch.h"

#include <algorithm>

namespace CharData {

std::optional<std::wstring> EntitySearchName(std::wstring_view text)
{
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(L' ') - first + 1);
    if (text.size() < 2 || text.back() != L';') return std::nullopt;
    std::wstring_view name = text.substr(1, text.size() - 2);
    if (name.find(L" &;") != std::wstring_view::npos) return std::nullopt;
    return std::wstring(name);
}

EntityIndex::EntityIndex(const CharNameTable& table)
{
    for (std::int32_t code = 0; code < kCharCount; ++code) {
        std::wstring_view entity = table.Record(code).Entity;
        while (!entity.empty()) {
            const std::size_t comma = entity.find(L',');
            codes_[std::wstring(entity.substr(0, comma))].push_back(code);
            if (comma == std::wstring_view::npos) break;
            entity.remove_prefix(comma + 1);
        }
    }
}

std::optional<std::int32_t> EntityIndex::Find(std::wstring_view name, std::int32_t first, std::int32_t last) const
{
    const auto found = codes_.find(std::wstring(name));
    if (found == codes_.end()) return std::nullopt;
    const std::vector<std::int32_t>& codes = found->second;
    const auto at = std::lower_bound(codes.begin(), codes.end(), first);
    if (at == codes.end() || *at > last) return std::nullopt;
    return *at;
}

} // namespace CharData
