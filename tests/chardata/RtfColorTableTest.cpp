// The colour table of the rich-text copy: its text, and where it goes in
// rich text as the rich text box writes it and in other shapes.
#include "chardata/RtfColorTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using CharData::ColorTableText;
using CharData::InsertColorTable;

TEST(RtfColorTable, TableTextSplitsTheColourIntoRedGreenBlue)
{
    struct Case { std::uint32_t color; const char* expected; };
    const Case cases[] = {
        {0x0000FF, "{\\colortbl;\\red255\\green0\\blue0;}\\cf1"},         // red
        {0x123456, "{\\colortbl;\\red86\\green52\\blue18;}\\cf1"},
        {0xFFFFFF, "{\\colortbl;\\red255\\green255\\blue255;}\\cf1"},
        {0x000000, "{\\colortbl;\\red0\\green0\\blue0;}\\cf1"},
        {0x0500FF00, "{\\colortbl;\\red0\\green255\\blue0;}\\cf1"},     // bits above the colour are ignored
    };
    for (const Case& c : cases) EXPECT_EQ(ColorTableText(c.color), c.expected) << std::hex << c.color;
}

TEST(RtfColorTable, GoesRightAfterTheFontTableAndReplacesAnOldOne)
{
    const std::string t = "{\\colortbl;\\red255\\green0\\blue0;}\\cf1";
    struct Case { const char* what; std::string rtf; std::string expected; };
    const Case cases[] = {
        {"after the font table's closing braces",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 x}",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}}" + t + "\\f0 x}"},
        {"the rich text box's own empty table is replaced, not kept after ours",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset0 Tahoma;}}\r\n{\\colortbl;}\r\n"
         "{\\*\\generator Wine Riched20 2.0;}\r\n\\pard\\f0 x\\par\r\n}",
         "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset0 Tahoma;}}" + t + "\r\n\r\n"
         "{\\*\\generator Wine Riched20 2.0;}\r\n\\pard\\f0 x\\par\r\n}"},
        {"a table with colours is replaced too",
         "{\\rtf1{\\fonttbl{\\f0 A;}{\\f1 B;}}{\\colortbl;\\red1\\green2\\blue3;}\\cf1 x}",
         "{\\rtf1{\\fonttbl{\\f0 A;}{\\f1 B;}}" + t + "\\cf1 x}"},
        {"a table before the font table moves after it",
         "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}{\\fonttbl{\\f0 A;}}x}",
         "{\\rtf1{\\fonttbl{\\f0 A;}}" + t + "x}"},
        {"a font table of one font without its own group",
         "{\\rtf1{\\fonttbl\\f0 Arial;}{\\f0 x}}",
         "{\\rtf1{\\fonttbl\\f0 Arial;}" + t + "{\\f0 x}}"},
        {"escaped braces in a font name",
         "{\\rtf1{\\fonttbl{\\f0 A\\}B;}}x}",
         "{\\rtf1{\\fonttbl{\\f0 A\\}B;}}" + t + "x}"},
        {"escaped text that looks like a table stays",
         "{\\rtf1{\\fonttbl{\\f0 A;}}\\{\\colortbl x\\}}",
         "{\\rtf1{\\fonttbl{\\f0 A;}}" + t + "\\{\\colortbl x\\}}"},
        {"no font table: after the opening word",
         "{\\rtf1\\ansi\\f0\\u233?}",
         "{\\rtf1" + t + "\\ansi\\f0\\u233?}"},
        {"not rich text", "plain text", "plain text"},
        {"empty", "", ""},
        {"a font table never closed", "{\\rtf1{\\fonttbl{\\f0 A;}", "{\\rtf1{\\fonttbl{\\f0 A;}"},
    };
    for (const Case& c : cases) EXPECT_EQ(InsertColorTable(c.rtf, t), c.expected) << c.what;
}

} // namespace
