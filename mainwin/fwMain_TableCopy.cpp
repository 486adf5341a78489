// The table's copy key (Ctrl+C, Ctrl+Insert): the selected character goes
// to the clipboard in the chosen output form, without passing through the
// copy box.
#include "mainwin/fwMain.h"

#include "chardata/ClipboardWriter.h"
#include "chardata/CopyPicture.h"
#include "chardata/OutputForms.h"
#include "chardata/RichTextCopy.h"

void fwMain::CopyCurrentChar()
{
    const TableCell& cell = tlCell[CurrentCell];
    if (!cell.HasCode) return;
    const std::int32_t code = CellCode(CurrentCell);
    const CharData::ClipboardWait wait = CopyClipboardWait();
    const auto format = static_cast<CharData::OutputFormat>(CopyFormat);
    const CharData::FormContext context = CopyFormContext();

    switch (format) {
    case CharData::OutputFormat::Unicode:
        CharData::SetClipboardText(std::wstring(1, static_cast<wchar_t>(code)), wait);
        break;
    case CharData::OutputFormat::RTF: {
        CharData::CopyPreviewRTF(RtfBox(), CharData::FormatChar(code, context), pbView.Font(), tlView.ForeColor(),
                                 wait);
        break;
    }
    case CharData::OutputFormat::CharName:
        CharData::SetClipboardText(std::wstring(CharNames.GetCharName(code)), wait);
        break;
    case CharData::OutputFormat::SGML:
        CharData::SetClipboardText(cbEntity.Text(), wait);
        break;
    case CharData::OutputFormat::Picture:
        CharData::CopyPicture(pbCopy, std::wstring(1, static_cast<wchar_t>(code)), wait);
        break;
    default:
        CharData::SetClipboardText(CharData::FormatChar(code, context), CF_TEXT, wait);
        break;
    }
}
