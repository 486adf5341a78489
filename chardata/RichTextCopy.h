#pragma once
// The "RTF" form on the clipboard: the rich text box's content in the large
// view's size and style and in the chosen text colour.
#include "chardata/ClipboardWriter.h"
#include "runtime/Color.h"
#include "runtime/Font.h"
#include "runtime/RichTextBox.h"

namespace CharData {

// Puts `rtfForm` (the "RTF" form of the copy text) into tbRTF in tbRTF's
// font with the size, bold, italic, strikeout and underline of `viewFont`,
// puts the colour table of `foreColor` (a system colour is looked up first)
// after the font table of tbRTF's rich text (in place of the box's own
// colour table), leaves tbRTF holding that text in that colour and copies
// it in the rich-text format. When the box's rich text does not read back
// as the box's text (a writer that gives look-alikes for characters outside
// its code page), the copy is a RichTextDocument of the text in the same
// font and style instead, with the same colour table.
ClipboardResult CopyPreviewRTF(Runtime::RichTextBox& tbRTF, const std::string& rtfForm,
                               const Runtime::FontSpec& viewFont, Runtime::OleColor foreColor,
                               const ClipboardWait& wait);

} // namespace CharData
