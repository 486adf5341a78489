#pragma once
// Keeps a settings file's attributes, and on request its last-write time,
// across a write: the attributes are cleared for the write (so a read-only
// or hidden file can be written) and put back afterwards, with the time.
// A file that does not exist yet keeps nothing.
#include <windows.h>

#include <string>

#include "common/FileTime.h"

namespace Common {

class KeepFileState {
public:
    KeepFileState(const std::wstring& file, bool keepTime);
    ~KeepFileState();
    KeepFileState(const KeepFileState&) = delete;
    KeepFileState& operator=(const KeepFileState&) = delete;

private:
    std::wstring file_;
    bool exists_ = false;
    bool keepTime_ = false;
    LocalTime time_;
    DWORD attributes_ = INVALID_FILE_ATTRIBUTES;
};

} // namespace Common
