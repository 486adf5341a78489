#include "common/SymbolCodePage.h"

namespace amUnicode {

std::string SymbolCodePageBytes(std::wstring_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t c : text) {
        auto code = static_cast<unsigned long>(c);
        if (code <= 0x1F)
            bytes += static_cast<char>(code);
        else if (code >= 0xF020 && code <= 0xF0FF)
            bytes += static_cast<char>(code - 0xF000);
        else
            bytes += '?';
    }
    return bytes;
}

} // namespace amUnicode
