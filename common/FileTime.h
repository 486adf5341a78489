#pragma once
// A file's creation, last-access and last-write times, read and set in
// local time to the second.
#include <string>

namespace Common {

struct LocalTime {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
    bool operator==(const LocalTime&) const = default;
};

enum FileTimeIndex : int { TimeCreated = 0, TimeAccessed = 1, TimeWritten = 2 };

// The time `which` (0 creation, 1 last access, 2 last write). A file that
// cannot be opened for writing (read-only) gives its last-write time
// whatever `which` is. A missing path is run-time error 53; `which` above 2
// is error 9.
LocalTime GetFileTime(const std::wstring& path, int which);

// Sets the time `which` (3 changes nothing). With keepOrder, a creation time
// that would come after the last-write time is pulled along: setting the
// creation time moves the last-write time to it, setting the last-write
// time moves the creation time to it. A file that cannot be opened is left
// alone; `which` below 0 or above 3 is error 9.
void SetFileTime(const std::wstring& path, const LocalTime& value, int which, bool keepOrder = false);

} // namespace Common
