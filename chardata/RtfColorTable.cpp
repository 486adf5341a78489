#include "chardata/RtfColorTable.h"

#include "common/NumUtil.h"

namespace CharData {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Where the group that opens with "{" + `word` (a control word such as
// "\fonttbl") starts; kNone when there is none. Escaped braces and
// backslashes ("\{", "\}", "\\") are passed over.
std::size_t FindGroup(std::string_view rtf, std::string_view word)
{
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        if (rtf[i] != '{' || rtf.compare(i + 1, word.size(), word) != 0) continue;
        std::size_t after = i + 1 + word.size();
        if (after >= rtf.size() || !IsLetter(rtf[after])) return i;
    }
    return kNone;
}

// The position just after the brace that closes the group opening at
// `start`; kNone when the group is never closed.
std::size_t GroupEnd(std::string_view rtf, std::size_t start)
{
    int depth = 0;
    for (std::size_t i = start; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}' && --depth == 0) {
            return i + 1;
        }
    }
    return kNone;
}

// Just after "{\rtf" and its version digits; kNone when the text does not
// start that way.
std::size_t AfterRtfWord(std::string_view rtf)
{
    constexpr std::string_view kOpen = "{\\rtf";
    if (rtf.substr(0, kOpen.size()) != kOpen) return kNone;
    std::size_t i = kOpen.size();
    while (i < rtf.size() && rtf[i] >= '0' && rtf[i] <= '9') ++i;
    return i;
}

} // namespace

std::string ColorTableText(std::uint32_t color)
{
    std::uint8_t blue = 0, green = 0, red = 0;
    Common::ColorToRGB(static_cast<std::int32_t>(color & 0x00FFFFFFu), blue, green, red);
    return "{\\colortbl;\\red" + std::to_string(red) + "\\green" + std::to_string(green) + "\\blue" +
           std::to_string(blue) + ";}\\cf1";
}

std::string InsertColorTable(std::string_view rtf, std::string_view table)
{
    std::string text(rtf);
    std::size_t at = kNone;
    std::size_t fonts = FindGroup(text, "\\fonttbl");
    if (fonts != kNone)
        at = GroupEnd(text, fonts);
    else
        at = AfterRtfWord(text);
    if (at == kNone) return text;

    std::size_t colors = FindGroup(text, "\\colortbl");
    if (colors != kNone) {
        std::size_t end = GroupEnd(text, colors);
        if (end != kNone) {
            text.erase(colors, end - colors);
            if (colors < at) at -= end - colors;
        }
    }
    text.insert(at, table);
    return text;
}

} // namespace CharData
