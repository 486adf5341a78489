#include "chardata/CharTypeText.h"

namespace CharData {

namespace {

struct TypeBit {
    std::uint32_t Mask;
    std::wstring_view Text;
};

constexpr TypeBit kClass1[] = {
    {1, L"Uppercase"},    {2, L"Lowercase"},     {4, L"Dec. digit"},  {8, L"Space char."},
    {16, L"Punctuation"}, {32, L"Control char."}, {64, L"Blank char."}, {128, L"Hex. digit"},
};

// CT_CTYPE2 values 1 to 10.
constexpr std::wstring_view kClass2[] = {
    L"Left to right",
    L"Right to left",
    L"European number or digit",
    L"European numeric separator",
    L"European numeric terminator",
    L"Arabic number",
    L"Common numeric separator",
    L"Block separator",
    L"Segment separator",
    L"White space",
};

constexpr TypeBit kClass3[] = {
    {1, L"Nonspacing mark"},
    {2, L"Diacritic nonspacing mark"},
    {4, L"Vowel nonspacing mark"},
    {8, L"Symbol"},
    {16, L"Katakana char."},
    {32, L"Hiragana char."},
    {64, L"Half-width char."},
    {128, L"Full-width char."},
    {256, L"Ideographic char."},
    {512, L"Arabic Kashida char."},
    {1024, L"Punctuation as word part"},
};

} // namespace

void AddTypeText(std::wstring& caption, std::uint32_t value, std::uint32_t mask, std::wstring_view text)
{
    if ((value & mask) == 0) return;
    if (!caption.empty()) caption += L", ";
    caption += text;
}

CharTypeText DescribeCharType(std::uint32_t ctype1, std::uint32_t ctype2, std::uint32_t ctype3)
{
    CharTypeText result;
    for (const TypeBit& bit : kClass1) AddTypeText(result.Items[0], ctype1, bit.Mask, bit.Text);
    if (ctype2 >= 1 && ctype2 <= std::size(kClass2)) result.Items[1] = kClass2[ctype2 - 1];
    for (const TypeBit& bit : kClass3) AddTypeText(result.Items[2], ctype3, bit.Mask, bit.Text);
    for (const std::wstring& item : result.Items) {
        if (item.empty()) continue;
        if (!result.Panel.empty()) result.Panel += L"; ";
        result.Panel += item;
    }
    result.CType3 = ctype3;
    return result;
}

} // namespace CharData
