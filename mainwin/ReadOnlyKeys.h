#pragma once
// The keys a read-only box of the window (the clipboard preview, the entity
// list) lets through: moving about and the Ctrl or Alt shortcuts that do
// not change the text (Ctrl+C, Ctrl+A); typing, deleting and pasting are
// kept out.

// `keyCode` is a virtual-key code, `shift` the shift-state bits (1 Shift,
// 2 Ctrl, 4 Alt). End, Home, the arrows and `alsoPassed` always pass;
// otherwise Ctrl+V, any key with Shift held and any key without a
// modifier are kept out, and the rest pass.
bool ReadOnlyKeyPasses(int keyCode, int shift, int alsoPassed);
