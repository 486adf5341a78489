#include "sendrel/Today.h"

#include <windows.h>

namespace aSendrel {

namespace {

std::wstring ClockToday()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t text[16] = {};
    wsprintfW(text, L"%04u%02u%02u", now.wYear, now.wMonth, now.wDay);
    return text;
}

TodayFn g_today = ClockToday;

} // namespace

std::wstring Today() { return g_today(); }

TodayFn SetToday(TodayFn today) noexcept
{
    TodayFn previous = g_today;
    g_today = today ? today : ClockToday;
    return previous;
}

} // namespace aSendrel
