#include "latchet/PageClipboard.h"

#include "common/CodePage.h"
#include "runtime/Clipboard.h"
#include "runtime/RuntimeError.h"

namespace PageClipboard {

void Put(const std::wstring& text)
{
    try {
        Runtime::Clipboard::SetText(amUnicode::UnicodeToAnsi(text, 0), Runtime::Clipboard::FormatText);
    } catch (const Runtime::Error& e) {
        // The pages and the menu know one clipboard failure: nothing copied.
        if (e.Number() == Runtime::ErrInvalidClipboardFormat) Runtime::Raise(Runtime::ErrCantOpenClipboard);
        throw;
    }
}

std::wstring Text()
{
    // The text format, which Put writes: a Unicode text that another
    // program left beside it is not what the pages copied.
    return Common::BytesToString(Runtime::Clipboard::GetText(Runtime::Clipboard::FormatText));
}

} // namespace PageClipboard
