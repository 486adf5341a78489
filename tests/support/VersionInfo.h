#pragma once
// Reads a file's version resource in a test, independently of the program.
#include <string>

namespace TestSupport {

struct FileVersion {
    int major = 0, minor = 0, build = 0, revision = 0;
    bool found = false;
};

FileVersion ReadFileVersion(const std::wstring& file);

// A value of the file's first string table, empty when missing.
std::wstring ReadVersionString(const std::wstring& file, const std::wstring& key);

} // namespace TestSupport
