#pragma once
// A folder in which no file can be created while the object lives, as a
// program folder the user may not write to. Under Wine, files are created
// by the Wine server with its own Unix rights: the folder loses its write
// permission (enough for a server run by an ordinary user) and is made
// immutable (for one run by root, whose rights pass over the permission).
// The folder's own files can still be read and written.
#include <string>

namespace TestSupport {

class UnwritableFolder {
public:
    explicit UnwritableFolder(const std::wstring& folder);
    // Makes the folder writable again.
    ~UnwritableFolder();
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;

    // Whether a file created in the folder is now refused; when not, why.
    bool Made() const noexcept { return made_; }
    const std::string& Reason() const noexcept { return reason_; }

private:
    std::wstring folder_;
    std::string unixFolder_;
    bool made_ = false;
    std::string reason_;
};

} // namespace TestSupport
