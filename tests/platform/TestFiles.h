#pragma once
// Reading the tree's committed files from a test, in both builds.
#include <string>
#include <string_view>
#include <vector>

namespace TestFiles {

// `path` (a Linux path of the build machine) as the test process must open
// it: unchanged natively, on Wine's Z: drive in the Windows build.
std::string HostPath(std::string_view path);

// The bytes of the file at `relative` below the source tree; empty when it
// cannot be read (the caller's checks then fail).
std::string ReadSource(std::string_view relative);

// The lines of `text`, each ending in CR LF (the CR LF is not part of a
// line). Text after the last CR LF becomes the last line; a CR or LF that
// is not part of a CR LF stays inside its line.
std::vector<std::string_view> CrLfLines(std::string_view text);

} // namespace TestFiles
