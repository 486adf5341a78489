#include "common/FileTime.h"

#include <windows.h>

#include "runtime/RuntimeError.h"
#include "runtime/ScopedWin.h"

namespace Common {

namespace {

Runtime::ScopedHandle OpenForTimes(const std::wstring& path)
{
    return Runtime::ScopedHandle(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

LocalTime ToLocal(const FILETIME& utc)
{
    FILETIME local{};
    SYSTEMTIME st{};
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st)) return {};
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

bool ToUtc(const LocalTime& value, FILETIME& utc)
{
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(value.Year);
    st.wMonth = static_cast<WORD>(value.Month);
    st.wDay = static_cast<WORD>(value.Day);
    st.wHour = static_cast<WORD>(value.Hour);
    st.wMinute = static_cast<WORD>(value.Minute);
    st.wSecond = static_cast<WORD>(value.Second);
    FILETIME local{};
    return SystemTimeToFileTime(&st, &local) && LocalFileTimeToFileTime(&local, &utc);
}

} // namespace

LocalTime GetFileTime(const std::wstring& path, int which)
{
    if (which < 0 || which > 2) Runtime::Raise(Runtime::ErrSubscript);
    Runtime::ScopedHandle file = OpenForTimes(path);
    if (file.Valid()) {
        FILETIME times[3]{};
        if (!::GetFileTime(file.Get(), &times[0], &times[1], &times[2])) return {};
        return ToLocal(times[which]);
    }
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        throw Runtime::Error(53, "File not found");
    return ToLocal(data.ftLastWriteTime);
}

void SetFileTime(const std::wstring& path, const LocalTime& value, int which, bool keepOrder)
{
    if (which < 0 || which > 3) Runtime::Raise(Runtime::ErrSubscript);
    Runtime::ScopedHandle file = OpenForTimes(path);
    if (!file.Valid()) return;
    FILETIME times[3]{};
    if (!::GetFileTime(file.Get(), &times[0], &times[1], &times[2])) return;
    if (which < 3) {
        FILETIME utc{};
        if (!ToUtc(value, utc)) return;
        times[which] = utc;
    }
    if (keepOrder && CompareFileTime(&times[0], &times[2]) > 0) {
        if (which == TimeCreated) times[2] = times[0];
        if (which == TimeWritten) times[0] = times[2];
    }
    ::SetFileTime(file.Get(), &times[0], &times[1], &times[2]);
}

} // namespace Common
