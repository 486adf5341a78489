#include "common/EditKeys.h"

namespace Common {

namespace {

// Virtual-key codes of the keys involved.
constexpr int kKeyBack = 8;
constexpr int kKeyInsert = 45;
constexpr int kKeyDelete = 46;

} // namespace

int EditKeyCommand(int keyCode, int shift)
{
    bool withShift = (shift & ShiftMask) != 0;
    bool withCtrl = (shift & CtrlMask) != 0;
    bool withAlt = (shift & AltMask) != 0;

    if (keyCode == 'A' && withCtrl) return EditSelectAll;
    if ((keyCode == 'Z' && withCtrl) || (keyCode == kKeyBack && withAlt)) return EditUndo;
    if ((keyCode == 'X' && withCtrl) || (keyCode == kKeyDelete && withShift)) return EditCut;
    if ((keyCode == kKeyInsert && withCtrl) || (keyCode == 'C' && withCtrl)) return EditCopy;
    if ((keyCode == kKeyInsert && withShift) || (keyCode == 'V' && withCtrl)) return EditPaste;
    if (keyCode == kKeyDelete && shift == 0) return EditDelete;
    return EditNone;
}

} // namespace Common
