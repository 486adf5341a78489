#pragma once
// Message boxes: MsgBox shows the system message box owned by the active
// form (while another program is active: this thread's topmost shown form)
// and returns the button the user chose (1 OK, 2 Cancel, 3 Abort,
// 4 Retry, 5 Ignore, 6 Yes, 7 No). `buttons` takes the system's MB_ flags
// (buttons, icon, default button).
#include <functional>
#include <string>

namespace Runtime {

// An empty title is the program title.
int MsgBox(const std::wstring& prompt, int buttons = 0, const std::wstring& title = L"");

// Test seam: while set, it answers in place of the message box and gets
// what would have been shown (with the title already filled in). Returns
// the previous one; an empty one shows message boxes again.
using MsgBoxAnswer = std::function<int(const std::wstring& prompt, int buttons, const std::wstring& title)>;
MsgBoxAnswer SetMsgBoxAnswer(MsgBoxAnswer answer);

} // namespace Runtime
