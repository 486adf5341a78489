// The hot key's names: every name the key property takes, every display
// name, and which display names read back to the same code.
#include "latchet/KeyNames.h"

#include <cwctype>

#include <gtest/gtest.h>

namespace {

using LatchetKeys::KeyCodeOfName;
using LatchetKeys::KeyDisplayName;

TEST(KeyNames, NamesGiveTheirCodes)
{
    const std::pair<const wchar_t*, int> cases[] = {
        {L"alt", 18},   {L"bksp", 8},        {L"f1", 112},       {L"f16", 127},   {L"num *", 106},
        {L"num 0", 96}, {L"num 9", 105},     {L"num enter", 108}, {L"prtscr", 42}, {L"scrolllock", 145},
        {L"winright", 92}, {L";", 186},      {L"`", 192},        {L"\\", 220},    {L"'", 222},
    };
    for (const auto& [name, code] : cases) EXPECT_EQ(KeyCodeOfName(name), code) << code;
    for (const wchar_t* unknown : {L"", L"Alt", L"f17", L"num  1", L" alt", L"semicolon", L"a"})
        EXPECT_FALSE(KeyCodeOfName(unknown).has_value()) << std::wstring(unknown).size();
}

TEST(KeyNames, CodesGiveDisplayNames)
{
    const std::pair<int, const wchar_t*> cases[] = {
        {3, L"Cancel"},  {13, L"Enter"},     {20, L"CapsLock"},  {33, L"PgUp"},       {40, L"Down"},
        {44, L"Snapshot"}, {48, L"0"},       {57, L"9"},         {65, L"A"},          {90, L"Z"},
        {93, L"App"},    {96, L"Num 0"},     {108, L"Num Enter"}, {111, L"Num /"},    {112, L"F1"},
        {127, L"F16"},   {144, L"NumLock"},  {186, L"Semicolon"}, {192, L"Grave"},    {219, L"LBracket"},
        {222, L"Apostrophe"},
    };
    for (const auto& [code, name] : cases) EXPECT_EQ(KeyDisplayName(static_cast<unsigned char>(code)), name) << code;
    for (int code : {0, 1, 7, 58, 64, 94, 128, 146, 185, 193, 218, 223, 255})
        EXPECT_FALSE(KeyDisplayName(static_cast<unsigned char>(code)).has_value()) << code;
}

TEST(KeyNames, DisplayNamesReadBackExceptThePunctuationKeys)
{
    for (int code = 0; code < 256; ++code) {
        auto name = KeyDisplayName(static_cast<unsigned char>(code));
        if (!name || name->size() == 1) continue; // single characters come back as themselves
        std::wstring lower = *name;
        for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
        bool punctuation = (code >= 186 && code <= 192) || (code >= 219 && code <= 222);
        EXPECT_EQ(KeyCodeOfName(lower), punctuation ? std::nullopt : std::optional<int>(code)) << code;
    }
}

} // namespace
