#pragma once
// The names of the precomposed Hangul syllables, derived from their jamo as
// the Unicode Standard does, in title case.
#include <cstdint>
#include <string>

namespace UName {

constexpr uint32_t kHangulFirst = 0xAC00;
constexpr uint32_t kHangulLast = 0xD7A3;

// The jamo short names of the syllable `code` (kHangulFirst..kHangulLast)
// joined and title-cased: "Ga" for U+AC00, "Hih" for U+D7A3. Empty for any
// other code.
std::string HangulSyllableSuffix(uint32_t code);

} // namespace UName
