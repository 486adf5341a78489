#pragma once
// The names of the hot key's keys: the names the HotKeyChar property takes
// (in lower case) and the names it shows for a virtual-key code.
#include <optional>
#include <string>
#include <string_view>

namespace LatchetKeys {

// The virtual-key code of a key name written in lower case ("f5", "num +",
// ";"); nothing when the name is not one of the 75 known names.
std::optional<int> KeyCodeOfName(std::wstring_view lowerName);

// The display name of a virtual-key code ("PgUp", "Num 5", "Semicolon");
// nothing for a code without a name (it is shown as its own character).
std::optional<std::wstring> KeyDisplayName(unsigned char code);

} // namespace LatchetKeys
