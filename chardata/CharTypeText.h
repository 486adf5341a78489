#pragma once
// The Windows character-type classes of a character in words: one caption
// per class (character type, text direction, text processing) and the three
// joined for the status bar's "Type" panel.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace CharData {

struct CharTypeText {
    // Captions of the type menu's items 1, 2 and 3 (index 0 to 2); an empty
    // caption is an item the menu hides.
    std::array<std::wstring, 3> Items;
    // The non-empty captions joined by "; ".
    std::wstring Panel;
    // The CT_CTYPE3 word of the character.
    std::uint32_t CType3 = 0;
};

// Appends `text` to `caption`, after ", " when the caption is not empty,
// when `value` has any bit of `mask`; otherwise does nothing.
void AddTypeText(std::wstring& caption, std::uint32_t value, std::uint32_t mask, std::wstring_view text);

// The texts of the three type words: CT_CTYPE1 bits (upper case, lower
// case, digit, space, punctuation, control, blank, hex digit), the one
// CT_CTYPE2 direction value 1 to 10, and the CT_CTYPE3 bits up to 1024
// (higher bits, such as the surrogate ones, add nothing).
CharTypeText DescribeCharType(std::uint32_t ctype1, std::uint32_t ctype2, std::uint32_t ctype3);

} // namespace CharData
