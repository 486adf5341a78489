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

void AppendPercentEscape(std::string& out, unsigned code, const FormContext& context)
{
    if (code < 256) {
        // Latin-1 characters give their own value, not their UTF-8 bytes.
        out += '%';
        AppendHex(out, code, 2, kLowerDigits);
        return;
    }
    wchar_t c = static_cast<wchar_t>(code);
    for (unsigned char byte : Bytes(context, std::wstring_view(&c, 1), kUtf8CodePage)) {
        out += '%';
        AppendHex(out, byte, 2, kUpperDigits);
    }
}

// FormatChar for a code known to be 0..65535, appended to out.
void AppendChar(std::string& out, unsigned code, const FormContext& context)
{
    wchar_t c = static_cast<wchar_t>(code);
    std::wstring_view one(&c, 1);
    switch (context.Format) {
    case OutputFormat::RTF:
        out += "{\\rtf1\\ansi\\f0\\u";
        AppendDecimal(out, code);
        out += "?}";
        break;
    case OutputFormat::PercentEscape:
        AppendPercentEscape(out, code, context);
        break;
    case OutputFormat::UTF8:
        out += Bytes(context, one, kUtf8CodePage);
        break;
    case OutputFormat::UTF7:
        out += Bytes(context, one, kUtf7CodePage);
        break;
    case OutputFormat::UCN:
        out += "\\u";
        AppendHex(out, code, 4, kLowerDigits);
        break;
    case OutputFormat::NCRHex:
        out += "&#x";
        AppendHex(out, code, 4, kLowerDigits);
        out += ';';
        break;
    case OutputFormat::NCRDec:
        out += "&#";
        AppendDecimal(out, code);
        out += ';';
        break;
    case OutputFormat::CodePage:
        out += Bytes(context, one, context.CodePage);
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
    AppendChar(out, static_cast<unsigned>(code), context);
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
    for (wchar_t c : copyText) AppendChar(out, static_cast<unsigned>(c) & 0xFFFF, context);
    return out;
}

} // namespace CharData
