#pragma once
// Splitting and checking a path: drive, folders, base name and extension,
// with three strictness levels (0: 8.3 names; 1 and 2: long names).
#include <string>

namespace Common {

// Checks `path` at `level` (0 strictest, 8.3 names; 1: the base name keeps
// its extension; 2 or more: "*", "?" and "/" are allowed too) and hands out
// the parts asked for (null pointers are parts not asked for). The result is
// empty for an invalid path; otherwise the one part of Folder, BaseName and
// Extension that was asked for, the drive when none of them was asked for,
// or the whole path when two or more were.
std::wstring CheckPath(const std::wstring& path, std::wstring* drive = nullptr, std::wstring* folder = nullptr,
                       std::wstring* baseName = nullptr, std::wstring* extension = nullptr, int level = 0);

} // namespace Common
