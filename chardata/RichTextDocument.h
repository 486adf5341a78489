#pragma once
// A rich text document written here rather than by the rich text box: one
// font, one size and style, the text as Unicode escapes, so every
// character survives whatever code page a reader assumes.
#include <string>
#include <string_view>

namespace CharData {

struct RichTextStyle {
    std::wstring FontName;
    int Charset = 1;    // GDI character set of the font (1: the default)
    double Size = 8.25; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
};

// "{\rtf1\ansi\deff0{\fonttbl{\f0\fcharsetN name;}}\f0\fsN..." with the
// style's words, then each character as "\uN?" (N signed, as RTF counts)
// and each line break (CR LF, CR or LF) as "\par", then "}". ASCII letters
// of the font name stay as they are; "\", "{" and "}" are escaped and the
// other characters written as "\uN?".
std::string RichTextDocument(const RichTextStyle& style, std::wstring_view text);

} // namespace CharData
