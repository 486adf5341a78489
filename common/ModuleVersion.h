#pragma once
// The version resource of a module (a control server or the program).
#include <windows.h>

#include <string>
#include <vector>

namespace Common {

class ModuleVersion {
public:
    explicit ModuleVersion(HMODULE module);

    int Major() const noexcept { return major_; }
    int Minor() const noexcept { return minor_; }
    int Revision() const noexcept { return revision_; }
    // A string of the first string table ("FileDescription", "Comments",
    // ...); empty when it is missing.
    std::wstring String(const std::wstring& key) const;

private:
    std::vector<unsigned char> data_;
    std::wstring table_; // "\StringFileInfo\040904B0\"
    int major_ = 0, minor_ = 0, revision_ = 0;
};

} // namespace Common
