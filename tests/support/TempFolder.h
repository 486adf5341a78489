#pragma once
// A fresh folder under the system's temporary folder for one test; it is
// removed with everything in it when the object goes away.
#include <string>

namespace TestSupport {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const noexcept { return path_; }
    // The full path of a file in the folder.
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Reads and writes whole files as bytes.
std::string ReadBytes(const std::wstring& path);
bool WriteBytes(const std::wstring& path, const std::string& bytes);

} // namespace TestSupport
