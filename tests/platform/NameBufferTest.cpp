// Writing names into a GetUName caller's 255-byte buffer.
#include "NameBuffer.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

struct BufferCase {
    size_t nameLength;
    int written;      // the result
    bool terminated;  // a NUL follows the name
};

const BufferCase kBufferCases[] = {
    {0, 0, true},     {1, 1, true},     {83, 83, true}, {126, 126, true},
    {127, 127, false}, {128, 127, false}, {300, 127, false},
};

TEST(WriteName, CutsToTheBufferAndNeverWritesPastIt)
{
    constexpr wchar_t kGuard = 0xBEEF;
    for (const auto& c : kBufferCases) {
        std::string name;
        for (size_t i = 0; i < c.nameLength; ++i) name += static_cast<char>('A' + i % 26);
        std::array<wchar_t, 160> buffer;
        buffer.fill(kGuard);

        EXPECT_EQ(UName::WriteName(name, buffer.data()), c.written) << "length " << c.nameLength;
        for (int i = 0; i < c.written; ++i) {
            ASSERT_EQ(buffer[i], static_cast<wchar_t>(name[i])) << "length " << c.nameLength << " at " << i;
        }
        const size_t firstUntouched = c.written + (c.terminated ? 1 : 0);
        if (c.terminated) {
            EXPECT_EQ(buffer[c.written], L'\0') << "length " << c.nameLength;
        }
        for (size_t i = firstUntouched; i < buffer.size(); ++i) {
            ASSERT_EQ(buffer[i], kGuard) << "length " << c.nameLength << ": wrote at " << i;
        }
        EXPECT_LE(firstUntouched, 127u) << "length " << c.nameLength;
    }
}

} // namespace
