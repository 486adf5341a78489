#include "common/EditKeys.h"

#include <gtest/gtest.h>

namespace {

using namespace Common;

constexpr int kBack = 8, kInsert = 45, kDelete = 46;

struct KeyCase {
    const char* name;
    int key;
    int shift;
    int command;
};

const KeyCase kKeyCases[] = {
    {"Ctrl+A", 'A', CtrlMask, EditSelectAll},
    {"Ctrl+Shift+A", 'A', CtrlMask | ShiftMask, EditSelectAll},
    {"Ctrl+Alt+A", 'A', CtrlMask | AltMask, EditSelectAll},
    {"A", 'A', 0, EditNone},
    {"Shift+A", 'A', ShiftMask, EditNone},
    {"Ctrl+Z", 'Z', CtrlMask, EditUndo},
    {"Alt+Z", 'Z', AltMask, EditNone},
    {"Alt+Backspace", kBack, AltMask, EditUndo},
    {"Backspace", kBack, 0, EditNone},
    {"Ctrl+Backspace", kBack, CtrlMask, EditNone},
    {"Ctrl+X", 'X', CtrlMask, EditCut},
    {"Shift+Delete", kDelete, ShiftMask, EditCut},
    {"Ctrl+Shift+Delete", kDelete, CtrlMask | ShiftMask, EditCut},
    {"Delete", kDelete, 0, EditDelete},
    {"Ctrl+Delete", kDelete, CtrlMask, EditNone},
    {"Alt+Delete", kDelete, AltMask, EditNone},
    {"Ctrl+Insert", kInsert, CtrlMask, EditCopy},
    {"Ctrl+Shift+Insert", kInsert, CtrlMask | ShiftMask, EditCopy},
    {"Ctrl+C", 'C', CtrlMask, EditCopy},
    {"Shift+Insert", kInsert, ShiftMask, EditPaste},
    {"Insert", kInsert, 0, EditNone},
    {"Ctrl+V", 'V', CtrlMask, EditPaste},
    {"Shift+V", 'V', ShiftMask, EditNone},
    {"Ctrl+B", 'B', CtrlMask, EditNone},
};

TEST(EditKeyCommand, Table)
{
    for (const auto& c : kKeyCases) EXPECT_EQ(EditKeyCommand(c.key, c.shift), c.command) << c.name;
}

} // namespace
