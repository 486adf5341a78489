#include "chardata/FormBytes.h"

#include <windows.h>

#include <utility>

#include "common/CodePage.h"
#include "common/SymbolCodePage.h"

namespace CharData {

namespace {

bool TakesNoFlags(int codePage)
{
    return codePage == kUtf8CodePage || codePage == kUtf7CodePage || codePage == amUnicode::kSymbolCodePage;
}

} // namespace

std::string FormBytes(std::wstring_view text, int codePage)
{
    if (text.empty()) return std::string();
    if (TakesNoFlags(codePage)) return amUnicode::UnicodeToAnsi(text, codePage);
    UINT page = codePage == 0 ? GetACP() : static_cast<UINT>(codePage);
    auto source = reinterpret_cast<const WCHAR*>(text.data());
    int length = static_cast<int>(text.size());
    int size = WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, source, length, nullptr, 0, nullptr, nullptr);
    // A code page that takes no flags is converted the plain way.
    if (size <= 0) return amUnicode::UnicodeToAnsi(text, codePage);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    int written =
        WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, source, length, bytes.data(), size, nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return bytes;
}

FormContext SystemFormContext(OutputFormat format, int codePage, CharNameLookup charName)
{
    FormContext context;
    context.Format = format;
    context.CodePage = codePage;
    context.CharName = std::move(charName);
    context.ToBytes = FormBytes;
    return context;
}

} // namespace CharData
