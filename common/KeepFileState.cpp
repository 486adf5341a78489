#include "common/KeepFileState.h"

#include "common/Files.h"

namespace Common {

KeepFileState::KeepFileState(const std::wstring& file, bool keepTime) : file_(file)
{
    exists_ = FileExists(file);
    if (!exists_) return;
    if (keepTime) {
        try {
            time_ = GetFileTime(file, TimeWritten);
            keepTime_ = true;
        } catch (const std::exception&) {
            keepTime_ = false;
        }
    }
    attributes_ = GetFileAttributesW(file.c_str());
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

KeepFileState::~KeepFileState()
{
    if (!exists_) return;
    if (keepTime_) SetFileTime(file_, time_, TimeWritten);
    if (attributes_ != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(file_.c_str(), attributes_);
}

} // namespace Common
