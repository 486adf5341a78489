#pragma once
// The colour table that gives copied rich text the chosen text colour.
#include <cstdint>
#include <string>
#include <string_view>

namespace CharData {

// "{\colortbl;\red" R "\green" G "\blue" B ";}\cf1" for a plain colour
// 0x00BBGGRR (a system colour must be resolved first; higher bits are
// ignored). R, G and B are decimal, without padding.
std::string ColorTableText(std::uint32_t color);

// The rich text with `table` directly after its font table. A colour table
// the text already holds is taken out, so the text keeps one. Without a
// font table, the table goes right after the opening "{\rtfN"; text that
// is not rich text (or whose font table is never closed) comes back as it is.
std::string InsertColorTable(std::string_view rtf, std::string_view table);

} // namespace CharData
