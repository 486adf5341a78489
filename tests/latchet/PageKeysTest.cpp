// The keys of the property pages' lists: each command on its key with its
// exact shift state, and nothing on other modifiers or keys.
#include "latchet/PageKeys.h"

#include <gtest/gtest.h>

namespace {

using namespace PageKeys;

constexpr int kShift = 1, kCtrl = 2, kAlt = 4;
constexpr int kInsert = 45, kDelete = 46, kF7 = 118, kF8 = 119;

TEST(PageKeys, EachKeyWithItsShiftStateGivesItsCommand)
{
    struct Case {
        int key, shift;
        Command command;
    } cases[] = {
        {kDelete, 0, Delete},         {kInsert, kCtrl, Copy},       {'C', kCtrl, Copy},
        {'X', kCtrl, Cut},            {kInsert, kShift, Paste},     {'V', kCtrl, Paste},
        {'A', kCtrl, CheckAll},       {'U', kCtrl, UncheckAll},     {kF7, 0, Previous},
        {kF8, 0, Next},
        // Another modifier, or the key alone, is no command.
        {kDelete, kShift, None},      {kInsert, kCtrl | kShift, None}, {'C', kCtrl | kAlt, None},
        {'C', 0, None},               {'A', kShift, None},          {kF7, kCtrl, None},
        {kF8, kShift, None},          {kInsert, 0, None},           {'Z', kCtrl, None},
        {0, 0, None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CommandOf(c.key, c.shift), c.command) << "key " << c.key << " shift " << c.shift;
}

} // namespace
