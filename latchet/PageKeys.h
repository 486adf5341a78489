#pragma once
// The keys that the property pages' lists answer, with their exact shift
// state (1 Shift, 2 Ctrl, 4 Alt): a key pressed with another set of
// modifiers is no command.
namespace PageKeys {

enum Command : int {
    None,
    Delete,     // Delete
    Copy,       // Ctrl+Insert, Ctrl+C
    Cut,        // Ctrl+X
    Paste,      // Shift+Insert, Ctrl+V
    CheckAll,   // Ctrl+A (Message page)
    UncheckAll, // Ctrl+U (Message page)
    Previous,   // F7 (Message page)
    Next,       // F8 (Message page)
};

// The command of the virtual-key code `keyCode` with `shift`.
Command CommandOf(int keyCode, int shift);

} // namespace PageKeys
