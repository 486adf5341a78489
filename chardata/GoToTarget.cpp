#include "chardata/GoToTarget.h"

#include "common/Hex.h"
#include "common/Val.h"
#include "runtime/RuntimeError.h"

namespace CharData {

std::optional<GoToTarget> FindGoToTarget(std::span<const ListedBlock> listed, std::int32_t code)
{
    if (listed.empty()) return std::nullopt;
    for (std::size_t row = 0; row < listed.size(); ++row) {
        const ListedBlock& block = listed[row];
        if (code >= block.First && code <= block.Last) return GoToTarget{row, code, true};
        if (code < block.First) {
            const std::size_t before = row > 0 ? row - 1 : 0;
            return GoToTarget{before, listed[before].Last, false};
        }
    }
    return GoToTarget{listed.size() - 1, listed.back().Last, false};
}

std::int32_t GoToBoxValue(std::wstring_view text, bool hex)
{
    if (!hex) {
        const double value = Common::Val(text);
        return value >= 0 && value <= 2147483647.0 ? static_cast<std::int32_t>(value) : 0;
    }
    try {
        const std::int64_t value = Common::HexToCurrency(text);
        return value <= 2147483647 ? static_cast<std::int32_t>(value) : 0;
    } catch (const Runtime::Error&) {
        return 0; // not hexadecimal digits: the box's filter never lets such a text stay
    }
}

std::wstring GoToTextInBase(std::wstring_view text, bool nowHex)
{
    if (!nowHex) return std::to_wstring(GoToBoxValue(text, true));
    const std::int32_t value = GoToBoxValue(text, false);
    if (value <= 0) return std::wstring(text);
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring hex;
    for (std::uint32_t rest = static_cast<std::uint32_t>(value); rest > 0; rest /= 16) hex.insert(hex.begin(), kDigits[rest % 16]);
    return hex;
}

} // namespace CharData
