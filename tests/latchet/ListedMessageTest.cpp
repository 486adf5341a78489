// Whether a message is on the control's Messages text: whole numbers only,
// and numbers from 0x80000000 up in their signed or unsigned form.
#include "latchet/ListedMessage.h"

#include <gtest/gtest.h>

namespace {

TEST(ListedMessage, MatchesWholeNumbersInEitherForm)
{
    struct Case {
        const wchar_t* messages;
        std::uint32_t message;
        bool listed;
    };
    const Case cases[] = {
        {L"83 30", 3, false},
        {L"83 30", 30, true},
        {L"3083", 30, false},
        {L"", 0, false},
        {L"0", 0, true},
        {L"-2147483647", 0x80000001u, true},
        {L"2147483649", 0x80000001u, true},
        {L"5 -1 7", 0xFFFFFFFFu, true},
        {L"4294967295", 0xFFFFFFFFu, true},
        {L"-2147483648", 0x80000000u, true},
        {L"2147483648", 0x80000000u, true},
        {L"-2147483647", 0x80000000u, false},
        {L"-601", static_cast<std::uint32_t>(-601), true},
        {L"-5", 5, false},
        {L"2147483647", 0x7FFFFFFFu, true},
        {L"-2147483649", 0x7FFFFFFFu, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.message));
        EXPECT_EQ(LatchetList::IsListed(c.messages, c.message), c.listed);
    }
}

} // namespace
