#include "chardata/OutputForms.h"

#include <array>

namespace CharData {

namespace {

constexpr std::array<std::wstring_view, kOutputFormatCount> kCaptions = {
    L"Unicode",   L"RTF",       L"% Escape",   L"UTF-8",      L"UTF-7",         L"UCN (\\u)",
    L"NCR (Hex)", L"NCR (Dec)", L"Code Page:", L"Char. Name", L"Picture (BMP)", L"SGML:",
};

constexpr char kLowerDigits[] = "0123456789abcdef";
constexpr char kUpperDigits[] = "0123456789ABCDEF";

// The last `count` hexadecimal digits of value, zero-padded.
void AppendHex(std::string& out, unsigned value, int count, const char* digits)
{
    for (int shift = (count - 1) * 4; shift >= 0; shift -= 4) out += digits[(value >> shift) & 0xF];
}

// The hexadecimal digits of value, at least `least` of them (zero-padded
// on the left) and no more than it needs.
void AppendHexAtLeast(std::string& out, unsigned value, int least, const char* digits)
{
    int count = least;
    while (count < 8 && (value >> (count * 4)) != 0) ++count;
    AppendHex(out, value, count, digits);
}

void AppendDecimal(std::string& out, unsigned value)
{
    char digits[10];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0) out += digits[--n];
}

std::string Bytes(const FormContext& context, std::wstring_view text, int codePage)
{
    return context.ToBytes ? context.ToBytes(text, codePage) : std::string();
}

// The code units of one character in the text, and the code point they
// stand for.
struct TextChar {
    unsigned Code;
    std::wstring_view Units;
};

// The code unit of the text at `at` (read unsigned) as a character.
TextChar CodeUnitAt(std::wstring_view text, std::size_t at)
{
    return {static_cast<unsigned>(text[at]) & 0xFFFF, text.substr(at, 1)};
}

// The character of the text that starts at `at`, for the forms that write
// code points (UTF-8, "% Escape" and the NCRs): a high surrogate followed
// at once by a low one is the one code point from U+10000 on that the pair
// stands for; any other code unit, an unpaired surrogate too, is a
// character of its own.
TextChar CodePointAt(std::wstring_view text, std::size_t at)
{
    const TextChar first = CodeUnitAt(text, at);
    if (first.Code >= 0xD800 && first.Code <= 0xDBFF && at + 1 < text.size()) {
        const unsigned second = CodeUnitAt(text, at + 1).Code;
        if (second >= 0xDC00 && second <= 0xDFFF)
            return {0x10000 + ((first.Code - 0xD800) << 10) + (second - 0xDC00), text.substr(at, 2)};
    }
    return first;
}

// The forms whose readers take a surrogate pair as one character.
bool WritesCodePoints(OutputFormat format)
{
    return format == OutputFormat::UTF8 || format == OutputFormat::PercentEscape ||
           format == OutputFormat::NCRHex || format == OutputFormat::NCRDec;
}

void AppendPercentEscape(std::string& out, TextChar c, const FormContext& context)
{
    if (c.Code < 256) {
        // Latin-1 characters give their own value, not their UTF-8 bytes.
        out += '%';
        AppendHex(out, c.Code, 2, kLowerDigits);
        return;
    }
    for (unsigned char byte : Bytes(context, c.Units, kUtf8CodePage)) {
        out += '%';
        AppendHex(out, byte, 2, kUpperDigits);
    }
}

// The text of one character in the context's form, appended to out: a
// code unit, or in the forms that write code points a code point beyond
// U+FFFF as well, whose UTF-16 units `c.Units` holds.
void AppendChar(std::string& out, TextChar c, const FormContext& context)
{
    const unsigned code = c.Code;
    const std::wstring_view units = c.Units;
    switch (context.Format) {
    case OutputFormat::RTF:
        out += "{\\rtf1\\ansi\\f0\\u";
        AppendDecimal(out, code);
        out += "?}";
        break;
    case OutputFormat::PercentEscape:
        AppendPercentEscape(out, c, context);
        break;
    case OutputFormat::UTF8:
        out += Bytes(context, units, kUtf8CodePage);
        break;
    case OutputFormat::UTF7:
        out += Bytes(context, units, kUtf7CodePage);
        break;
    case OutputFormat::UCN:
        out += "\\u";
        AppendHex(out, code, 4, kLowerDigits);
        break;
    case OutputFormat::NCRHex:
        out += "&#x";
        AppendHexAtLeast(out, code, 4, kLowerDigits);
        out += ';';
        break;
    case OutputFormat::NCRDec:
        out += "&#";
        AppendDecimal(out, code);
        out += ';';
        break;
    case OutputFormat::CodePage:
        out += Bytes(context, units, context.CodePage);
        break;
    case OutputFormat::CharName:
        if (context.CharName) out += Bytes(context, context.CharName(static_cast<int>(code)), 0);
        out += "\r\n";
        break;
    default:
        break;
    }
}

bool MakesText(OutputFormat format)
{
    return format >= OutputFormat::RTF && format <= OutputFormat::CharName;
}

} // namespace

std::wstring_view OutputFormatCaption(int format)
{
    if (format < 0 || format >= kOutputFormatCount) return {};
    return kCaptions[static_cast<std::size_t>(format)];
}

std::string FormatChar(int code, const FormContext& context)
{
    std::string out;
    if (code < 0 || code > 0xFFFF) return out;
    const wchar_t unit = static_cast<wchar_t>(code);
    AppendChar(out, CodeUnitAt(std::wstring_view(&unit, 1), 0), context);
    return out;
}

std::string FormatCopyText(std::wstring_view copyText, const FormContext& context)
{
    std::string out;
    if (copyText.empty() || !MakesText(context.Format)) return out;
    if (context.Format == OutputFormat::RTF) {
        out.reserve(copyText.size() * 8 + 16);
        out += "{\\rtf1\\ansi\\f0";
        for (wchar_t c : copyText) {
            out += "\\u";
            AppendDecimal(out, static_cast<unsigned>(c) & 0xFFFF);
            out += '?';
        }
        out += '}';
        return out;
    }
    out.reserve(copyText.size() * 4);
    const bool codePoints = WritesCodePoints(context.Format);
    for (std::size_t at = 0; at < copyText.size();) {
        const TextChar c = codePoints ? CodePointAt(copyText, at) : CodeUnitAt(copyText, at);
        AppendChar(out, c, context);
        at += c.Units.size();
    }
    return out;
}

} // namespace CharData
