#pragma once
// Copy texts with characters beyond the BMP (surrogate pairs) and with
// unpaired surrogates, and what each output form writes of them. UTF-8,
// "% Escape" and the NCRs write a pair as the one code point it stands
// for; UCN, UTF-7, RTF and the code pages write its two code units each on
// its own; an unpaired surrogate is a character of its own in every form.
// The last text has no surrogate: its forms are what they always were.
#include <string>

#include "chardata/OutputForms.h"

namespace FormsTest {

struct BeyondBmpCase {
    const char* what;
    std::wstring copy;
    // The forms that write code points.
    std::string utf8, escape, ncrHex, ncrDec;
    // The forms that write code units ("Code Page:" in code page 1252).
    std::string ucn, utf7, rtf, westernEuropean;

    // The expected bytes of a form this case holds, or null.
    const std::string* In(CharData::OutputFormat format) const
    {
        using CharData::OutputFormat;
        switch (format) {
        case OutputFormat::UTF8: return &utf8;
        case OutputFormat::PercentEscape: return &escape;
        case OutputFormat::NCRHex: return &ncrHex;
        case OutputFormat::NCRDec: return &ncrDec;
        case OutputFormat::UCN: return &ucn;
        case OutputFormat::UTF7: return &utf7;
        case OutputFormat::RTF: return &rtf;
        case OutputFormat::CodePage: return &westernEuropean;
        default: return nullptr;
        }
    }
};

// U+1F600 is D83D DE00, U+1F44D is D83D DC4D; U+10000 is D800 DC00 and
// U+10FFFF, the last code point, DBFF DFFF. The string literals are split
// where a hex escape would otherwise take the next letter.
inline const BeyondBmpCase kBeyondBmpCases[] = {
    {"A and an emoji", L"A\xD83D\xDE00",
     "A\xF0\x9F\x98\x80", "%41%F0%9F%98%80", "&#x0041;&#x1f600;", "&#65;&#128512;",
     "\\u0041\\ud83d\\ude00", "A+2D0-+3gA-", "{\\rtf1\\ansi\\f0\\u65?\\u55357?\\u56832?}", "A??"},
    {"two emoji in a row", L"\xD83D\xDE00\xD83D\xDC4D",
     "\xF0\x9F\x98\x80\xF0\x9F\x91\x8D", "%F0%9F%98%80%F0%9F%91%8D", "&#x1f600;&#x1f44d;", "&#128512;&#128077;",
     "\\ud83d\\ude00\\ud83d\\udc4d", "+2D0-+3gA-+2D0-+3E0-",
     "{\\rtf1\\ansi\\f0\\u55357?\\u56832?\\u55357?\\u56397?}", "????"},
    {"an emoji first and last", L"\xD83D\xDE00" L"b" L"\xD83D\xDE00",
     "\xF0\x9F\x98\x80" "b" "\xF0\x9F\x98\x80", "%F0%9F%98%80%62%F0%9F%98%80", "&#x1f600;&#x0062;&#x1f600;",
     "&#128512;&#98;&#128512;", "\\ud83d\\ude00\\u0062\\ud83d\\ude00", "+2D0-+3gA-b+2D0-+3gA-",
     "{\\rtf1\\ansi\\f0\\u55357?\\u56832?\\u98?\\u55357?\\u56832?}", "??b??"},
    {"the first and the last code point beyond the BMP", L"\xD800\xDC00\xDBFF\xDFFF",
     "\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", "%F0%90%80%80%F4%8F%BF%BF", "&#x10000;&#x10ffff;", "&#65536;&#1114111;",
     "\\ud800\\udc00\\udbff\\udfff", "+2AA-+3AA-+2/8-+3/8-",
     "{\\rtf1\\ansi\\f0\\u55296?\\u56320?\\u56319?\\u57343?}", "????"},
    {"a high surrogate at the end", L"A\xD83D",
     "A\xEF\xBF\xBD", "%41%EF%BF%BD", "&#x0041;&#xd83d;", "&#65;&#55357;",
     "\\u0041\\ud83d", "A+2D0-", "{\\rtf1\\ansi\\f0\\u65?\\u55357?}", "A?"},
    {"a high surrogate before a letter", L"\xD83Dz",
     "\xEF\xBF\xBDz", "%EF%BF%BD%7a", "&#xd83d;&#x007a;", "&#55357;&#122;",
     "\\ud83d\\u007a", "+2D0-z", "{\\rtf1\\ansi\\f0\\u55357?\\u122?}", "?z"},
    {"a low surrogate first", L"\xDE00z",
     "\xEF\xBF\xBDz", "%EF%BF%BD%7a", "&#xde00;&#x007a;", "&#56832;&#122;",
     "\\ude00\\u007a", "+3gA-z", "{\\rtf1\\ansi\\f0\\u56832?\\u122?}", "?z"},
    {"a low surrogate before a high one", L"\xDE00\xD83D",
     "\xEF\xBF\xBD\xEF\xBF\xBD", "%EF%BF%BD%EF%BF%BD", "&#xde00;&#xd83d;", "&#56832;&#55357;",
     "\\ude00\\ud83d", "+3gA-+2D0-", "{\\rtf1\\ansi\\f0\\u56832?\\u55357?}", "??"},
    {"a high surrogate before a pair", L"\xD83D\xD83D\xDE00",
     "\xEF\xBF\xBD\xF0\x9F\x98\x80", "%EF%BF%BD%F0%9F%98%80", "&#xd83d;&#x1f600;", "&#55357;&#128512;",
     "\\ud83d\\ud83d\\ude00", "+2D0-+2D0-+3gA-", "{\\rtf1\\ansi\\f0\\u55357?\\u55357?\\u56832?}", "???"},
    {"a BMP text on both sides of the surrogates", L"A\u00E9\u20AC\uD7FF\uE000\uFFFF",
     "A\xC3\xA9\xE2\x82\xAC\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF", "%41%e9%E2%82%AC%ED%9F%BF%EE%80%80%EF%BF%BF",
     "&#x0041;&#x00e9;&#x20ac;&#xd7ff;&#xe000;&#xffff;", "&#65;&#233;&#8364;&#55295;&#57344;&#65535;",
     "\\u0041\\u00e9\\u20ac\\ud7ff\\ue000\\uffff", "A+AOk-+IKw-+1/8-+4AA-+//8-",
     "{\\rtf1\\ansi\\f0\\u65?\\u233?\\u8364?\\u55295?\\u57344?\\u65535?}", "A\xE9\x80???"},
};

} // namespace FormsTest
