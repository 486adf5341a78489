#pragma once
// Opening a link target (web address, "mailto:" address or file) with the
// shell. Tests put a recorder in place of the shell.
#include <functional>
#include <string>

namespace About {

// Opens `target` with the shell's "open" verb, no owner window, no
// parameters and the window hidden; the outcome is not checked.
void ShellOpen(const std::wstring& target);

// Replaces the shell for ShellOpen; an empty function restores the shell.
void SetShellOpenForTests(std::function<void(const std::wstring&)> opener);

} // namespace About
