#pragma once
// Access keys: Alt and the letter underlined in a caption ("&Copy") act on
// that control, as in a dialog box. A button is clicked, a check box
// toggled, an option button chosen; a label that shows its access key moves
// the focus to the control that follows it.
#include <string_view>

namespace Runtime {

class Form;

// The access key of a caption: the character after a single "&", upper
// case; 0 when there is none ("&&" is a literal ampersand).
wchar_t AccessKeyOf(std::wstring_view caption);

// Acts on the visible, enabled control of `form` whose access key is `key`;
// when several share it, on the next one after the control that has the
// focus. False when no control has that key.
bool HandleAccessKey(Form& form, wchar_t key);

} // namespace Runtime
