#include "chardata/RichTextDocument.h"

#include <cmath>

namespace CharData {

namespace {

void AppendUnicode(std::string& out, wchar_t c)
{
    auto code = static_cast<unsigned>(c) & 0xFFFF;
    // RTF reads the number as a signed 16-bit value.
    int value = code > 0x7FFF ? static_cast<int>(code) - 0x10000 : static_cast<int>(code);
    out += "\\u" + std::to_string(value) + "?";
}

void AppendFontName(std::string& out, std::wstring_view name)
{
    for (wchar_t c : name) {
        if (c == L'\\' || c == L'{' || c == L'}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F && c != L';') {
            out += static_cast<char>(c);
        } else {
            AppendUnicode(out, c);
        }
    }
}

} // namespace

std::string RichTextDocument(const RichTextStyle& style, std::wstring_view text)
{
    std::string out = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset" + std::to_string(style.Charset) + " ";
    AppendFontName(out, style.FontName);
    out += ";}}\\f0\\fs" + std::to_string(std::lround(style.Size * 2));
    if (style.Bold) out += "\\b";
    if (style.Italic) out += "\\i";
    if (style.Underline) out += "\\ul";
    if (style.Strikethrough) out += "\\strike";
    out += ' ';
    out.reserve(out.size() + text.size() * 8 + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'\r' || c == L'\n') {
            if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
            out += "\\par ";
        } else {
            AppendUnicode(out, c);
        }
    }
    out += '}';
    return out;
}

} // namespace CharData
