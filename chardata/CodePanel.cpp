#include "chardata/CodePanel.h"

namespace CharData {

std::wstring CodePanelText(int code, bool statusHex)
{
    if (code < 0 || code > 0xFFFF) return std::wstring();
    if (!statusHex) return L"Alt+" + std::to_wstring(code);
    constexpr wchar_t digits[] = L"0123456789ABCDEF";
    std::wstring text = L"U+";
    for (int shift = 12; shift >= 0; shift -= 4) text += digits[(code >> shift) & 0xF];
    return text;
}

} // namespace CharData
