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

// The cancels of one control so far. A check is cancelled by every Cancel
// of its control after its start, also one made while a check it runs in
// was going on: a second check starting inside the first does not undo the
// first one's cancel, as clearing one shared flag would. Checks of other
// controls on the thread go on.
using CancelCount = unsigned;

// Downloads `url` (no cached copy) while processing window messages, and
// reads the reply. Cancelled once `cancels` has changed, or when the thread
// is told to quit. Run-time error 13 when a version cannot be compared (its
// first part is empty).
short CheckForUpdate(const std::wstring& url, const std::wstring& localVersion, const CancelCount& cancels,
                     ReplyItems& items);

// Reads the items of a reply text and compares its version with `localVersion`.
short ReadReply(std::wstring_view text, const std::wstring& localVersion, ReplyItems& items);

// Test seam: the question whether the system is connected (the system's
// InternetGetConnectedState when none is set). Returns the previous one.
using ConnectedStateFn = bool (*)();
ConnectedStateFn SetConnectedState(ConnectedStateFn connected) noexcept;

} // namespace aSendrel
