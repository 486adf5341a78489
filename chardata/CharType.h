#pragma once
// The character-type description of a code point, from the system's
// GetStringTypeW.
#include <cstdint>

#include "chardata/CharTypeText.h"

namespace CharData {

// The three type classes of the character `code` (0..FFFF; other values give
// the texts of no class) in words, and its CT_CTYPE3 word. The window puts
// the captions into the type menu, hiding empty ones, and the panel text into
// the "Type" panel.
CharTypeText ShowCharType(std::int32_t code);

} // namespace CharData
