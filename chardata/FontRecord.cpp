#include "chardata/FontRecord.h"

#include "chardata/CharNameLines.h"

namespace CharData {

namespace {

constexpr std::wstring_view kTrueType = L" (TrueType)";
constexpr std::wstring_view kVgaRes = L" (VGA res)";
constexpr std::wstring_view kAllRes = L" (All res)";
constexpr std::wstring_view kSeparator = L" & ";

bool CutSuffix(std::wstring& text, std::wstring_view suffix)
{
    if (!text.ends_with(suffix)) return false;
    text.resize(text.size() - suffix.size());
    return true;
}

} // namespace

FontValueName ParseFontValueName(std::wstring_view valueName)
{
    FontValueName result{kFontTypeOther, std::wstring(valueName)};
    if (CutSuffix(result.Names, kTrueType)) {
        result.Type = kFontTypeTrueType;
    } else {
        CutSuffix(result.Names, kVgaRes);
        CutSuffix(result.Names, kAllRes);
    }
    return result;
}

std::vector<std::wstring> SplitFontNames(std::wstring_view names)
{
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = names.find(kSeparator, start);
        if (at == std::wstring_view::npos) {
            parts.emplace_back(names.substr(start));
            return parts;
        }
        parts.emplace_back(names.substr(start, at - start));
        start = at + kSeparator.size();
    }
}

int AddFontValue(std::vector<FontRecord>& fonts, std::int16_t typeFilter, std::wstring_view valueName,
                 std::wstring_view data)
{
    const FontValueName parsed = ParseFontValueName(valueName);
    if (typeFilter != 0 && typeFilter != parsed.Type) return 0;
    const std::wstring file = TrimBlanks(data.substr(0, data.find(L'\0')));
    int added = 0;
    for (std::wstring& name : SplitFontNames(parsed.Names)) {
        fonts.push_back({parsed.Type, std::move(name), file, {}});
        ++added;
    }
    return added;
}

std::wstring FontFilePath(std::wstring_view fontsFolder, std::wstring_view file)
{
    if (file.empty()) return std::wstring();
    if (file.find_first_of(L"\\/:") != std::wstring_view::npos) return std::wstring(file);
    std::wstring path(fontsFolder);
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
    path += file;
    return path;
}

} // namespace CharData
