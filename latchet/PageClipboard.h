#pragma once
// The clipboard as the property pages and their list menu use it: plain
// text in the system's ANSI code page, put beside whatever the clipboard
// holds (it is not emptied first). Run-time error 521 when another program
// holds the clipboard open, and the same error when the system refuses
// the text: a copy that did not happen is never taken as done.
#include <string>

namespace PageClipboard {

void Put(const std::wstring& text);

// The clipboard's plain text (in the system's ANSI code page); empty when
// it holds none.
std::wstring Text();

} // namespace PageClipboard
