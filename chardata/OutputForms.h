#pragma once
// The output forms of the copy box: the text of one code point, and of the
// whole copy text, in the chosen form.
//
// Every form is given as the bytes the clipboard's ANSI text format
// receives. The forms made of text (RTF, "% Escape", UCN, NCR) are ASCII;
// UTF-8, UTF-7 and "Code Page:" are the bytes of the conversion; the names
// are in the system ANSI code page, as that format holds them.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace CharData {

// The index of the chosen output form (the option buttons obFormat).
enum class OutputFormat : std::int16_t {
    Unicode = 0,       // none here: the copy box text itself is copied
    RTF = 1,
    PercentEscape = 2,
    UTF8 = 3,
    UTF7 = 4,
    UCN = 5,           // "\u" + 4 hex digits
    NCRHex = 6,
    NCRDec = 7,
    CodePage = 8,
    CharName = 9,
    Picture = 10,      // none here: a picture of the glyphs is copied
    SGML = 11,         // none here: the entity box's text is copied
};

inline constexpr int kOutputFormatCount = 12;

// The caption of a form's option button; empty outside 0..11.
std::wstring_view OutputFormatCaption(int format);

// The character name of a code point (the name table's look-up).
using CharNameLookup = std::function<std::wstring(int code)>;
// The bytes of a text in a code page (0 = the system ANSI code page);
// the program passes the system's conversion (FormBytes.h).
using CodePageConverter = std::function<std::string(std::wstring_view text, int codePage)>;

// What the forms read from the window besides the text.
struct FormContext {
    OutputFormat Format = OutputFormat::Unicode;
    int CodePage = 1251;            // column 1 of the selected code-page row
    CharNameLookup CharName;        // none: names are empty
    CodePageConverter ToBytes;      // none: the byte forms are empty
};

inline constexpr int kUtf8CodePage = 65001;
inline constexpr int kUtf7CodePage = 65000;

// The text of code point `code` (0..65535) in the context's form; empty for
// the forms Unicode, Picture and SGML, for a form outside 0..11 and for a
// code outside 0..65535.
std::string FormatChar(int code, const FormContext& context);

// The whole copy text in the context's form: each code unit in turn (read
// unsigned) as FormatChar gives it, except RTF, which is one document:
// "{\rtf1\ansi\f0" + "\u" + decimal code + "?" for each + "}". An empty
// copy text gives an empty result in every form.
//
// UTF-8, "% Escape" and the two NCR forms write code points: there a high
// surrogate followed at once by a low one is the one character beyond the
// BMP that the pair stands for (its four UTF-8 bytes, each as "%" + two
// upper-case hex digits in "% Escape"; "&#x" + its lower-case hex, 5 or 6
// digits, + ";"; "&#" + its decimal + ";"). An unpaired surrogate is still
// a character of its own there, and every other form writes the pair's two
// code units each on its own (UCN's "\ud83d\ude00", as JavaScript, JSON,
// Java and C# read the pair; UTF-7, which encodes UTF-16 code units).
std::string FormatCopyText(std::wstring_view copyText, const FormContext& context);

} // namespace CharData
