#include "chardata/CharType.h"

#include <windows.h>

namespace CharData {

namespace {

// The type word of one UTF-16 code unit for one info type; 0 when the
// system gives none.
std::uint32_t TypeWord(DWORD infoType, wchar_t c)
{
    WORD type = 0;
    if (!GetStringTypeW(infoType, &c, 1, &type)) return 0;
    return type;
}

} // namespace

CharTypeText ShowCharType(std::int32_t code)
{
    if (code < 0 || code > 0xFFFF) return DescribeCharType(0, 0, 0);
    const auto c = static_cast<wchar_t>(code);
    return DescribeCharType(TypeWord(CT_CTYPE1, c), TypeWord(CT_CTYPE2, c), TypeWord(CT_CTYPE3, c));
}

} // namespace CharData
