#include "common/Words.h"

#include "runtime/RuntimeError.h"

namespace amUnicode {

std::uint8_t ToByte(std::int32_t value)
{
    if (value < 0 || value > 255) Runtime::Raise(Runtime::ErrOverflow);
    return static_cast<std::uint8_t>(value);
}

std::int32_t HiWord(std::int32_t value)
{
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(value) >> 16) & 0xFFFF);
}

std::int32_t WordToLong(std::int16_t value)
{
    return static_cast<std::int32_t>(static_cast<std::uint16_t>(value));
}

std::int32_t UIntToLong(std::int16_t value)
{
    return WordToLong(value);
}

} // namespace amUnicode
