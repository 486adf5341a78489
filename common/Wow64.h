#pragma once
// Whether the process runs in the 32-bit layer of 64-bit Windows.

namespace Common {

// True for a 32-bit process on 64-bit Windows; false for a native process,
// and on systems without IsWow64Process.
bool IsWow64();

} // namespace Common
