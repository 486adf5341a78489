#pragma once
// The lines of the name file and the entity file, and what one line says.
//
// Name line:   "0237,Latin Small Letter Dotless J"
// Entity line: "00A0,IE,nbsp,NonBreakingSpace" or "002A,  ,ast,midast"
// A line starting with ";" or "//" is a comment. A line whose code field is
// not plain hexadecimal (the NUL that ends the shipped name file, a typo) or
// whose code lies above FFFF, or that gives an empty name or entity, says
// nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace CharData {

// The lines of `text`. CR LF, a CR alone, an LF alone and a NUL (which is
// never part of a name) each end a line; text after the last line break is
// the last line.
std::vector<std::wstring_view> SplitLines(std::wstring_view text);

// A line whose first character is ";" or whose first two are "//".
bool IsCommentLine(std::wstring_view line);

// The value of a code field: up to 12 hexadecimal digits in either case,
// nothing else (an empty field is 0). Anything else gives no value.
std::optional<std::int64_t> ReadHexField(std::wstring_view field);

// `text` without leading and trailing blanks.
std::wstring TrimBlanks(std::wstring_view text);

struct NameLine {
    std::int32_t Code = 0;
    std::wstring Name;
};

// What a name file line says: the code before the first "," (the whole line
// when there is none) and the name after it (again the whole line when
// there is none), commas stripped. Nothing for a comment, a bad code, a code
// above FFFF or an empty name.
std::optional<NameLine> ParseNameLine(std::wstring_view line);

struct EntityLine {
    std::int32_t Code = 0;
    bool IE = false;
    std::wstring Entity;
};

// What an entity file line says: the code before the first ",", the marker
// between the first and the second (IE when it is "ie" in any case), and
// the entity names after the second, commas stripped. Nothing for a
// comment, a bad code, a code above FFFF or no entity name.
std::optional<EntityLine> ParseEntityLine(std::wstring_view line);

} // namespace CharData
