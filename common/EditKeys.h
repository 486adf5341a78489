#pragma once
// The editing command that a key with its shift state stands for.

namespace Common {

// Editing command numbers.
enum EditCommand : int {
    EditNone = -1,
    EditUndo = 0,
    EditCut = 1,
    EditCopy = 2,
    EditPaste = 3,
    EditDelete = 4,
    EditSelectAll = 5,
};

// Shift state bits as they come with a key.
enum ShiftBits : int {
    ShiftMask = 1,
    CtrlMask = 2,
    AltMask = 4,
};

// The command of `keyCode` (a virtual-key code) with `shift` (ShiftBits):
// Ctrl+A select all; Ctrl+Z, Alt+Backspace undo; Ctrl+X, Shift+Delete cut;
// Ctrl+Insert, Ctrl+C copy; Shift+Insert, Ctrl+V paste; Delete with no
// modifier delete; anything else EditNone. The rows are tried in that order
// and further modifiers do not stop a match (Ctrl+Shift+Insert copies).
int EditKeyCommand(int keyCode, int shift);

} // namespace Common
