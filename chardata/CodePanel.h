#pragma once
// The code of the selected character as the status bar's "Hex" panel shows it.
#include <string>

namespace CharData {

// "U+" and four upper-case hex digits when `statusHex`, else "Alt+" and the
// decimal code without padding. A code outside 0..65535 gives an empty text.
std::wstring CodePanelText(int code, bool statusHex);

} // namespace CharData
