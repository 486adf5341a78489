#include "chardata/RichTextCopy.h"

#include "chardata/RichTextDocument.h"
#include "chardata/RtfColorTable.h"
#include "runtime/Clipboard.h"

namespace CharData {

namespace {

RichTextStyle StyleOf(const Runtime::FontSpec& font)
{
    RichTextStyle style;
    style.FontName = font.Name;
    style.Charset = font.Charset;
    style.Size = font.Size;
    style.Bold = font.Bold;
    style.Italic = font.Italic;
    style.Underline = font.Underline;
    style.Strikethrough = font.Strikethrough;
    return style;
}

// Wine's box writes ASCII as it is, and only a character outside ASCII
// as a look-alike.
bool AllAscii(const std::wstring& text)
{
    for (wchar_t c : text)
        if (static_cast<unsigned>(c) >= 0x80) return false;
    return true;
}

} // namespace

ClipboardResult CopyPreviewRTF(Runtime::RichTextBox& tbRTF, const std::string& rtfForm,
                               const Runtime::FontSpec& viewFont, Runtime::OleColor foreColor,
                               const ClipboardWait& wait)
{
    Runtime::FontSpec font = tbRTF.Font();
    font.Size = viewFont.Size;
    font.Bold = viewFont.Bold;
    font.Weight = viewFont.Bold ? FW_BOLD : FW_NORMAL; // bold and weight go together
    font.Italic = viewFont.Italic;
    font.Strikethrough = viewFont.Strikethrough;
    font.Underline = viewFont.Underline;
    tbRTF.SetTextRTF(rtfForm, font);

    const std::string table = ColorTableText(Runtime::ResolveColor(foreColor));
    const std::wstring text = tbRTF.Text();
    std::string rtf = InsertColorTable(tbRTF.TextRTF(), table);
    if (AllAscii(text)) {
        // The rich text reads back as the text: the box only takes the colour.
        tbRTF.SetTextColor(foreColor);
    } else {
        tbRTF.SetTextRTF(rtf);
        if (tbRTF.Text() != text) {
            // The box wrote characters outside its code page as look-alikes
            // (Wine's RichEdit turns U+FF21 into "A"): the document is written
            // here instead, every character as a Unicode escape.
            rtf = InsertColorTable(RichTextDocument(StyleOf(font), text), table);
            tbRTF.SetTextRTF(rtf);
        }
    }
    return SetClipboardText(rtf, Runtime::Clipboard::FormatRTF, wait);
}

} // namespace CharData
