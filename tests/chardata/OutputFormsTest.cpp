// The output forms that need no system conversion, with the UTF-8 bytes
// from the RFC 3629 reference: the text of one code point and of a copy
// text in each form, characters beyond the BMP and unpaired surrogates,
// the code panel, and bad codes and forms. The forms
// that need the system's code pages (UTF-7, "Code Page:") are checked
// against the real conversion in the Windows tests.
#include "chardata/CodePanel.h"
#include "chardata/OutputForms.h"
#include "tests/chardata/BeyondBmpCopyTexts.h"
#include "tests/chardata/EncodingReferences.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using CharData::FormatChar;
using CharData::FormatCopyText;
using CharData::FormContext;
using CharData::OutputFormat;

// UTF-8 from the reference; the ANSI code page as ASCII; nothing else.
std::string ReferenceBytes(std::wstring_view text, int codePage)
{
    if (codePage == CharData::kUtf8CodePage) return FormsTest::Utf8OfUtf16Reference(text);
    std::string bytes;
    for (wchar_t c : text) {
        auto code = static_cast<unsigned>(c);
        if (codePage == 0) bytes += code < 0x80 ? static_cast<char>(code) : '?';
    }
    return bytes;
}

std::wstring TestName(int code)
{
    if (code == 0xE9) return L"LATIN SMALL LETTER E WITH ACUTE";
    if (code == 0x20AC) return L"EURO SIGN";
    return L"NAME " + std::to_wstring(code);
}

FormContext Context(OutputFormat format)
{
    FormContext context;
    context.Format = format;
    context.CodePage = 1252;
    context.CharName = TestName;
    context.ToBytes = ReferenceBytes;
    return context;
}

TEST(OutputForms, CopyTextOfEAcuteAndEuroInEachForm)
{
    const std::wstring copy = L"\u00E9\u20AC";
    struct Case { OutputFormat format; std::string expected; };
    const Case cases[] = {
        {OutputFormat::Unicode, ""},
        {OutputFormat::RTF, "{\\rtf1\\ansi\\f0\\u233?\\u8364?}"},
        {OutputFormat::PercentEscape, "%e9%E2%82%AC"},
        {OutputFormat::UTF8, "\xC3\xA9\xE2\x82\xAC"},
        {OutputFormat::UCN, "\\u00e9\\u20ac"},
        {OutputFormat::NCRHex, "&#x00e9;&#x20ac;"},
        {OutputFormat::NCRDec, "&#233;&#8364;"},
        {OutputFormat::CharName, "LATIN SMALL LETTER E WITH ACUTE\r\nEURO SIGN\r\n"},
        {OutputFormat::Picture, ""},
        {OutputFormat::SGML, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatCopyText(copy, Context(c.format)), c.expected) << "form " << static_cast<int>(c.format);
}

TEST(OutputForms, OneCodePointInEachForm)
{
    struct Case { OutputFormat format; int code; std::string expected; };
    const Case cases[] = {
        {OutputFormat::RTF, 0xE9, "{\\rtf1\\ansi\\f0\\u233?}"},
        {OutputFormat::RTF, 0xFFFF, "{\\rtf1\\ansi\\f0\\u65535?}"},
        {OutputFormat::PercentEscape, 'A', "%41"},
        {OutputFormat::PercentEscape, 0x0A, "%0a"},
        {OutputFormat::PercentEscape, 0x00, "%00"},
        {OutputFormat::PercentEscape, 0xFF, "%ff"},          // Latin-1: its own value
        {OutputFormat::PercentEscape, 0x100, "%C4%80"},      // from U+0100 on: the UTF-8 bytes
        {OutputFormat::PercentEscape, 0xFFFD, "%EF%BF%BD"},
        {OutputFormat::UTF8, 0x7F, "\x7F"},
        {OutputFormat::UTF8, 0x800, "\xE0\xA0\x80"},
        {OutputFormat::UCN, 0, "\\u0000"},
        {OutputFormat::UCN, 0xABCD, "\\uabcd"},
        {OutputFormat::NCRHex, 0x41, "&#x0041;"},
        {OutputFormat::NCRHex, 0xFFFF, "&#xffff;"},
        {OutputFormat::NCRDec, 0, "&#0;"},
        {OutputFormat::NCRDec, 65535, "&#65535;"},
        // A surrogate alone (a cell of the surrogate blocks) is its own character.
        {OutputFormat::UTF8, 0xD83D, "\xEF\xBF\xBD"},
        {OutputFormat::PercentEscape, 0xDE00, "%EF%BF%BD"},
        {OutputFormat::NCRHex, 0xD83D, "&#xd83d;"},
        {OutputFormat::NCRDec, 0xDE00, "&#56832;"},
        {OutputFormat::UCN, 0xDBFF, "\\udbff"},
        {OutputFormat::CharName, 0x20AC, "EURO SIGN\r\n"},
        {OutputFormat::CharName, 0x4E2D, "NAME 20013\r\n"},
        // No text of its own in these forms, or no such form or code.
        {OutputFormat::Unicode, 'A', ""},
        {OutputFormat::Picture, 'A', ""},
        {OutputFormat::SGML, 'A', ""},
        {static_cast<OutputFormat>(12), 'A', ""},
        {static_cast<OutputFormat>(-1), 'A', ""},
        {OutputFormat::NCRDec, -1, ""},
        {OutputFormat::NCRDec, 0x10000, ""},
        {OutputFormat::RTF, 0x7FFFFFFF, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatChar(c.code, Context(c.format)), c.expected)
            << "form " << static_cast<int>(c.format) << ", code " << c.code;
}

TEST(OutputForms, CopyTextEdgesAndOddText)
{
    // An empty copy box gives nothing in every form, RTF included.
    for (int format = -1; format <= 12; ++format)
        EXPECT_EQ(FormatCopyText(L"", Context(static_cast<OutputFormat>(format))), "") << "form " << format;

    struct Case { const char* what; OutputFormat format; std::wstring copy; std::string expected; };
    const Case cases[] = {
        {"rtf is one document", OutputFormat::RTF, L"ABC", "{\\rtf1\\ansi\\f0\\u65?\\u66?\\u67?}"},
        {"a zero code unit", OutputFormat::UCN, std::wstring(1, L'\0'), "\\u0000"},
        {"the last code unit", OutputFormat::RTF, L"\xFFFF", "{\\rtf1\\ansi\\f0\\u65535?}"},
        {"a name per code unit", OutputFormat::CharName, L"AB", "NAME 65\r\nNAME 66\r\n"},
        {"escape mixes both rules", OutputFormat::PercentEscape, L"a \u0100", "%61%20%C4%80"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatCopyText(c.copy, Context(c.format)), c.expected) << c.what;

    // A long copy text is formatted whole: nothing is cut.
    const std::wstring longText(100000, L'\u20AC');
    EXPECT_EQ(FormatCopyText(longText, Context(OutputFormat::NCRDec)).size(), longText.size() * 7);
}

// The forms that need no code page (UTF-7 and "Code Page:" are held in the
// Windows tests of the copy button).
TEST(OutputForms, SurrogatePairsAreOneCodePointOnlyInTheFormsThatWriteCodePoints)
{
    const OutputFormat forms[] = {OutputFormat::UTF8, OutputFormat::PercentEscape, OutputFormat::NCRHex,
                                  OutputFormat::NCRDec, OutputFormat::UCN, OutputFormat::RTF};
    for (const FormsTest::BeyondBmpCase& c : FormsTest::kBeyondBmpCases) {
        for (OutputFormat format : forms)
            EXPECT_EQ(FormatCopyText(c.copy, Context(format)), *c.In(format))
                << c.what << ", form " << static_cast<int>(format);
        // The names: one per code unit.
        std::string names;
        for (wchar_t unit : c.copy) names += ReferenceBytes(TestName(static_cast<int>(unit)), 0) + "\r\n";
        EXPECT_EQ(FormatCopyText(c.copy, Context(OutputFormat::CharName)), names) << c.what;
    }
}

// A text of every BMP code unit but the surrogates, in every form that
// writes a character at a time: just the characters' own texts one after
// the other, as the table's copy of one cell gives them.
TEST(OutputForms, ABmpTextIsItsCharactersOneAfterTheOther)
{
    std::wstring text;
    for (unsigned code = 0; code <= 0xFFFF; ++code)
        if (code < 0xD800 || code > 0xDFFF) text += static_cast<wchar_t>(code);
    for (int format = static_cast<int>(OutputFormat::PercentEscape); format <= static_cast<int>(OutputFormat::CharName);
         ++format) {
        const FormContext context = Context(static_cast<OutputFormat>(format));
        std::string each;
        for (wchar_t c : text) each += FormatChar(static_cast<int>(c), context);
        EXPECT_TRUE(FormatCopyText(text, context) == each) << "form " << format;
    }
}

TEST(OutputForms, MissingLookUpsGiveEmptyPartsNotFailures)
{
    FormContext bare;
    struct Case { OutputFormat format; std::string expected; };
    const Case cases[] = {
        {OutputFormat::UTF8, ""},
        {OutputFormat::UTF7, ""},
        {OutputFormat::CodePage, ""},
        {OutputFormat::PercentEscape, "%e9"},   // no conversion needed below U+0100
        {OutputFormat::CharName, "\r\n\r\n"},
        {OutputFormat::NCRDec, "&#233;&#8364;"},
    };
    for (const Case& c : cases) {
        bare.Format = c.format;
        EXPECT_EQ(FormatCopyText(L"\u00E9\u20AC", bare), c.expected) << "form " << static_cast<int>(c.format);
    }
}

TEST(CodePanel, HexAndDecimalCodes)
{
    struct Case { int code; bool hex; const wchar_t* expected; };
    const Case cases[] = {
        {0xE9, true, L"U+00E9"},    {0xE9, false, L"Alt+233"},
        {0x09, true, L"U+0009"},    {0x09, false, L"Alt+9"},
        {0, true, L"U+0000"},       {0, false, L"Alt+0"},
        {0xABCD, true, L"U+ABCD"},  {0xFFFF, false, L"Alt+65535"},
        {-1, true, L""},            {0x10000, false, L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CharData::CodePanelText(c.code, c.hex), c.expected) << c.code << (c.hex ? " hex" : " decimal");
}

} // namespace
