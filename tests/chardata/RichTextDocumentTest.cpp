// The rich text document written for the copy when the rich text box's own
// would lose characters: its header, style words and escapes.
#include "chardata/RichTextDocument.h"

#include <gtest/gtest.h>

namespace {

using CharData::RichTextDocument;
using CharData::RichTextStyle;

RichTextStyle Style(const wchar_t* name, double size)
{
    RichTextStyle style;
    style.FontName = name;
    style.Size = size;
    return style;
}

TEST(RichTextDocument, HeaderStyleAndEveryCharacterEscaped)
{
    RichTextStyle all = Style(L"DejaVu Sans", 36);
    all.Bold = all.Italic = all.Underline = all.Strikethrough = true;
    all.Charset = 204;
    RichTextStyle odd = Style(L"A{B}\\C;\u30B4", 8.25);

    struct Case { const char* what; RichTextStyle style; std::wstring text; std::string expected; };
    const Case cases[] = {
        {"plain", Style(L"Tahoma", 12), L"A\u00E9",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset1 Tahoma;}}\\f0\\fs24 \\u65?\\u233?}"},
        {"every style word", all, L"x",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset204 DejaVu Sans;}}\\f0\\fs72\\b\\i\\ul\\strike \\u120?}"},
        {"above U+7FFF counts signed", Style(L"T", 10), L"\u8000\uFF21\uFFFF",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset1 T;}}\\f0\\fs20 \\u-32768?\\u-223?\\u-1?}"},
        {"line breaks of each kind", Style(L"T", 10), L"a\r\nb\rc\nd",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset1 T;}}\\f0\\fs20 \\u97?\\par \\u98?\\par \\u99?\\par \\u100?}"},
        {"braces, backslash and text in the font name", odd, L"",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset1 A\\{B\\}\\\\C\\u59?\\u12468?;}}\\f0\\fs17 }"},
    };
    for (const Case& c : cases) EXPECT_EQ(RichTextDocument(c.style, c.text), c.expected) << c.what;
}

} // namespace
