#pragma once
// Byte and unsigned views of 16- and 32-bit numbers.
#include <cstdint>

namespace amUnicode {

// `value` as a byte; raises ErrOverflow outside 0..255.
std::uint8_t ToByte(std::int32_t value);

// The upper 16 bits of `value`, 0..65535.
std::int32_t HiWord(std::int32_t value);

// The 16 bits of `value` read unsigned, 0..65535 (-1 gives 65535).
std::int32_t WordToLong(std::int16_t value);

// The same as WordToLong (the font-coverage test calls it by this name).
std::int32_t UIntToLong(std::int16_t value);

} // namespace amUnicode
