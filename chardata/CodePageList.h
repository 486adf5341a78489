#pragma once
// The code pages the "Code Page" output form and the preview offer: display
// name, Windows code page and GDI character set, in the order of the list.
#include <array>

namespace CharData {

struct CodePageRow {
    const wchar_t* Name;
    int CodePage;
    int CharSet;
};

constexpr int kDefaultCodePageRow = 7; // "Cyrillic (Windows)"

extern const std::array<CodePageRow, 16> CodePageList;

} // namespace CharData
