#pragma once
// Whether a window message is on a control's Messages text: the numbers
// separated by single blanks, matched as whole numbers.
#include <cstdint>
#include <string_view>

namespace LatchetList {

// A message number at or above 0x80000000 is listed whether the text holds
// it signed (as the control's list keeps it) or unsigned.
bool IsListed(std::wstring_view messages, std::uint32_t message);

} // namespace LatchetList
