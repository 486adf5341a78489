#include "latchet/ListedMessage.h"

#include <string>

namespace LatchetList {

namespace {

bool HoldsNumber(const std::wstring& padded, const std::wstring& number)
{
    return padded.find(L" " + number + L" ") != std::wstring::npos;
}

} // namespace

bool IsListed(std::wstring_view messages, std::uint32_t message)
{
    std::wstring padded = L" " + std::wstring(messages) + L" ";
    const auto asSigned = static_cast<std::int32_t>(message);
    if (HoldsNumber(padded, std::to_wstring(asSigned))) return true;
    return asSigned < 0 && HoldsNumber(padded, std::to_wstring(message));
}

} // namespace LatchetList
