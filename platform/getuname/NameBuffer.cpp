#include "NameBuffer.h"

namespace UName {

int16_t WriteName(std::string_view name, wchar_t* buffer)
{
    const size_t length = name.size() < kBufferChars ? name.size() : kBufferChars;
    for (size_t i = 0; i < length; ++i) buffer[i] = static_cast<unsigned char>(name[i]);
    if (length < kBufferChars) buffer[length] = L'\0';
    return static_cast<int16_t>(length);
}

} // namespace UName
