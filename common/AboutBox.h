#pragma once
// The About box of a control server and the message box under it.
#include <windows.h>

#include <string>

namespace Common {

// The body of the About box from the server's version resource: its
// description (a line per sentence), its version, `extra` when not empty,
// a line of 60 blanks, the copyright and the maker's site and mail address
// (the "Comments" items, separated by ", ").
std::wstring AboutBody(HMODULE server, const std::wstring& extra = L"");

// "About " and the server's trademark name.
std::wstring AboutCaption(HMODULE server);

// Shows the About box of `server` with its icon 1, owned by `owner` (none
// for the update control's build); returns when the user closed it.
void AboutText(HMODULE server, HWND owner = nullptr, const std::wstring& extra = L"");

// A message box of `module` with its icon `icon` (0 for none, else added to
// the style as a user icon), in language `languageId`. The button chosen.
int MsgBoxIndirect(HMODULE module, HWND owner, const std::wstring& text, UINT style, const std::wstring& caption,
                   WORD icon = 0, DWORD languageId = 0);

} // namespace Common
