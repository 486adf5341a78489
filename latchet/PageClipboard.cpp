#include "latchet/PageClipboard.h"

#include "common/CodePage.h"
#include "runtime/Clipboard.h"

namespace PageClipboard {

void Put(const std::wstring& text)
{
    Runtime::Clipboard::SetText(amUnicode::UnicodeToAnsi(text, 0), Runtime::Clipboard::FormatText);
}

std::wstring Text()
{
    // The text format, which Put writes: a Unicode text that another
    // program left beside it is not what the pages copied.
    return Common::BytesToString(Runtime::Clipboard::GetText(Runtime::Clipboard::FormatText));
}

} // namespace PageClipboard
