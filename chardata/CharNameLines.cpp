#include "chardata/CharNameLines.h"

#include "common/Hex.h"
#include "common/TextCompare.h"

#include <utility>

namespace CharData {

namespace {

constexpr std::int64_t kLastCode = 0xFFFF;

// HexToCurrency reads at most this many digits; more is an overflow.
constexpr std::size_t kMaxHexDigits = 12;

bool IsHexDigit(wchar_t c)
{
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F') || (c >= L'a' && c <= L'f');
}

// The code of a code field when it is one of the BMP.
std::optional<std::int32_t> ReadCode(std::wstring_view field)
{
    std::optional<std::int64_t> value = ReadHexField(field);
    if (!value || *value > kLastCode) return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::wstring_view TrimView(std::wstring_view text)
{
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

// `text` trimmed, then without its leading commas and then without its
// trailing ones, trimming again after each comma: " ,, a,b ,," gives "a,b".
std::wstring_view StripCommaView(std::wstring_view text)
{
    std::wstring_view result = TrimView(text);
    while (!result.empty() && result.front() == L',') result = TrimView(result.substr(1));
    while (!result.empty() && result.back() == L',') result = TrimView(result.substr(0, result.size() - 1));
    return result;
}

// The text before the first comma and the text after it; both empty when
// there is no comma.
std::pair<std::wstring_view, std::wstring_view> SplitAtComma(std::wstring_view text)
{
    const std::size_t comma = text.find(L',');
    if (comma == std::wstring_view::npos) return {};
    return {text.substr(0, comma), text.substr(comma + 1)};
}

} // namespace

std::vector<std::wstring_view> SplitLines(std::wstring_view text)
{
    std::vector<std::wstring_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(std::wstring_view(L"\r\n\0", 3), start);
        if (end == std::wstring_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == L'\r' && start < text.size() && text[start] == L'\n') ++start;
    }
    return lines;
}

bool IsCommentLine(std::wstring_view line)
{
    return line.starts_with(L';') || line.starts_with(L"//");
}

std::optional<std::int64_t> ReadHexField(std::wstring_view field)
{
    if (field.size() > kMaxHexDigits) return std::nullopt;
    for (wchar_t c : field) {
        if (!IsHexDigit(c)) return std::nullopt;
    }
    // Only digits are left, so the reader has nothing to raise.
    return Common::HexToCurrency(field);
}

std::wstring TrimBlanks(std::wstring_view text)
{
    return std::wstring(TrimView(text));
}

std::optional<NameLine> ParseNameLine(std::wstring_view line)
{
    if (IsCommentLine(line)) return std::nullopt;
    // Without a comma the line is both the code and the name.
    const std::size_t comma = line.find(L',');
    const std::wstring_view codeField = comma == std::wstring_view::npos ? line : line.substr(0, comma);
    const std::wstring_view nameField = comma == std::wstring_view::npos ? line : line.substr(comma + 1);
    std::optional<std::int32_t> code = ReadCode(codeField);
    if (!code) return std::nullopt;
    const std::wstring_view name = StripCommaView(nameField);
    if (name.empty()) return std::nullopt;
    return NameLine{*code, std::wstring(name)};
}

std::optional<EntityLine> ParseEntityLine(std::wstring_view line)
{
    if (IsCommentLine(line)) return std::nullopt;
    // Fields that have no comma before or after them are empty.
    const auto [codeField, restField] = SplitAtComma(line);
    std::optional<std::int32_t> code = ReadCode(codeField);
    if (!code) return std::nullopt;
    const auto [marker, entityField] = SplitAtComma(TrimView(restField));
    const std::wstring_view entity = StripCommaView(entityField);
    if (entity.empty()) return std::nullopt;
    return EntityLine{*code, Common::TextEqual(TrimView(marker), L"ie", Common::CompareText), std::wstring(entity)};
}

} // namespace CharData
