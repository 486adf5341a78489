#include "common/WindowUtil.h"

#include "common/TextCompare.h"

#include <vector>

namespace Common {

namespace {

constexpr int kInfoBufferSize = 260;

} // namespace

bool SetTopMost(HWND window, bool onTop)
{
    // Wine puts a window asked into the topmost band right after the topmost
    // popups it owns (its tool tips) and leaves it outside the band. Those
    // popups are let go of while it moves and owned again afterwards.
    std::vector<HWND> topmostOwned;
    if (onTop)
        for (HWND above = GetTopWindow(nullptr); above && above != window; above = GetWindow(above, GW_HWNDNEXT))
            if (GetWindow(above, GW_OWNER) == window && (GetWindowLongPtrW(above, GWL_EXSTYLE) & WS_EX_TOPMOST))
                topmostOwned.push_back(above);
    for (HWND popup : topmostOwned) SetWindowLongPtrW(popup, GWLP_HWNDPARENT, 0);
    const BOOL done = SetWindowPos(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    for (HWND popup : topmostOwned) SetWindowLongPtrW(popup, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(window));
    return done != FALSE;
}

HWND FindWindow(HWND parent, std::wstring_view title, std::wstring_view className, int occurrence)
{
    if (title.empty() && className.empty()) return nullptr;
    if (!parent) parent = GetDesktopWindow();
    int matches = 0;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!className.empty() && !TextEqual(GetWindowInfo(child, L"Class"), className, CompareText)) continue;
        if (!title.empty() && !TextEqual(GetWindowInfo(child, L"Text"), title, CompareText)) continue;
        if (matches >= occurrence) return child;
        ++matches;
    }
    return nullptr;
}

std::wstring GetWindowInfo(HWND window, std::wstring_view what)
{
    WCHAR buffer[kInfoBufferSize] = {};
    int length = 0;
    if (what == L"Class")
        length = GetClassNameW(window, buffer, kInfoBufferSize);
    else if (what == L"Text")
        length = GetWindowTextW(window, buffer, kInfoBufferSize);
    if (length <= 0) return std::wstring();
    return std::wstring(buffer, buffer + length);
}

} // namespace Common
