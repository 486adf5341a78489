#pragma once
// The remote version check: downloads the version file named by the
// address, reads its "Version" and "Size" items and compares the version
// with the local one.
#include <cstddef>
#include <string>
#include <string_view>

namespace aSendrel {

// The results of a check.
enum CheckResult : short {
    CheckNewer = 1,      // a newer version is published
    CheckUpToDate = 0,   // the local version is the newest
    CheckFailed = -1,    // no check possible now, or nothing usable came back
    CheckCancelled = -2, // Cancel was called while the check ran
};

// The items read from the reply; `read` is false when no reply text came.
struct ReplyItems {
    bool read = false;
    std::wstring version;
    double size = 0;
};

// A version file is a few dozen bytes: a reply longer than this is not one,
// and reading stops there.
constexpr std::size_t kMaxReplyBytes = 64 * 1024;

// Downloads `url` (no cached copy) while processing window messages, and
// reads the reply. Run-time error 13 when a version cannot be compared
// (its first part is empty).
short CheckForUpdate(const std::wstring& url, const std::wstring& localVersion, ReplyItems& items);

// Reads the items of a reply text and compares its version with `localVersion`.
short ReadReply(std::wstring_view text, const std::wstring& localVersion, ReplyItems& items);

// Makes the running check (all of them, on this thread) stop at its next step.
void Cancel() noexcept;

// Test seam: the question whether the system is connected (the system's
// InternetGetConnectedState when none is set). Returns the previous one.
using ConnectedStateFn = bool (*)();
ConnectedStateFn SetConnectedState(ConnectedStateFn connected) noexcept;

} // namespace aSendrel
