#include "latchet/PageKeys.h"

namespace PageKeys {

namespace {

constexpr int kPlain = 0, kShift = 1, kCtrl = 2;

struct Row {
    int keyCode;
    int shift;
    Command command;
};

// Virtual-key codes: Delete 46, Insert 45, letters their capitals, F7 118, F8 119.
constexpr Row kRows[] = {
    {46, kPlain, Delete},     {45, kCtrl, Copy},        {'C', kCtrl, Copy},   {'X', kCtrl, Cut},
    {45, kShift, Paste},      {'V', kCtrl, Paste},      {'A', kCtrl, CheckAll}, {'U', kCtrl, UncheckAll},
    {118, kPlain, Previous},  {119, kPlain, Next},
};

} // namespace

Command CommandOf(int keyCode, int shift)
{
    for (const Row& row : kRows)
        if (row.keyCode == keyCode && row.shift == shift) return row.command;
    return None;
}

} // namespace PageKeys
