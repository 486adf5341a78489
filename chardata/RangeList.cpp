#include "chardata/RangeList.h"

#include <algorithm>

#include "common/CaseFold.h"

namespace CharData {

namespace {

constexpr std::wstring_view kKeyPrefix = L"D.";
constexpr std::int32_t kLastCode = 0xFFFF;
constexpr std::int32_t kCellsPerRow = 16;
constexpr std::int32_t kMaxScroll = 32767;

} // namespace

bool SubsetBitSet(std::wstring_view subsetBits, int bit)
{
    if (bit < 0 || static_cast<std::size_t>(bit) >= subsetBits.size()) return false;
    const wchar_t c = subsetBits[static_cast<std::size_t>(bit)];
    return c >= L'1' && c <= L'9';
}

bool RangeRowListed(const RangeFilter& filter, const Subrange& row)
{
    if (filter.ListAll) return true;
    return SubsetBitSet(filter.FontSubsetBits, row.Bit) && row.First <= kLastCode;
}

bool RangeRowChecked(const RangeFilter& filter, const Subrange& row)
{
    if (!filter.ListAll) return RangeRowListed(filter, row);
    return SubsetBitSet(filter.FontSubsetBits, row.Bit);
}

std::wstring RangeKey(std::int32_t first)
{
    return std::wstring(kKeyPrefix) + std::to_wstring(first);
}

std::optional<std::int32_t> KeyNumber(std::wstring_view key)
{
    if (!key.starts_with(kKeyPrefix)) return std::nullopt;
    std::wstring_view digits = key.substr(kKeyPrefix.size());
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    std::int32_t value = 0;
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + static_cast<std::int32_t>(c - L'0');
    }
    if (value > kLastCode) return std::nullopt;
    return value;
}

std::int32_t TableScrollMax(std::int32_t listedCount)
{
    return std::clamp(listedCount / kCellsPerRow - 1, 0, kMaxScroll);
}

int CompareIgnoringCase(std::wstring_view a, std::wstring_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const wchar_t fa = Common::FoldCase(a[i]);
        const wchar_t fb = Common::FoldCase(b[i]);
        if (fa != fb) return fa < fb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::size_t SortedPosition(std::span<const std::wstring> names, std::wstring_view name)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (CompareIgnoringCase(names[i], name) >= 0) return i;
    }
    return names.size();
}

std::optional<std::int32_t> FindRangeIndex(std::int32_t code, std::span<const ListedBlock> listed)
{
    if (listed.empty()) return std::nullopt;
    if (code < listed.front().First) return listed.front().First;
    for (const ListedBlock& block : listed) {
        if (code < block.First) return block.First; // in the gap before this block
        if (code <= block.Last) return block.First;
    }
    return listed.back().First;
}

} // namespace CharData
