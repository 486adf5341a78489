#pragma once
// The HELPINFO of the WM_HELP a window is handling, found from the lParam
// the hook control reports. The control's Message event carries lParam as
// a 32-bit number, too small for a pointer in a 64-bit process: reading
// through the number would read the wrong memory. This sits in front of
// the window's procedure (installed after the hook control's, so it sees
// each message first, with the very lParam the control gets) and answers
// the whole pointer whose low 32 bits the event reported. It replaces the
// window procedure itself rather than joining Runtime::AddSubclass's chain:
// a chain the window already has lies under the hook control's procedure.
#include <windows.h>

#include <cstdint>

class SentHelpInfo {
public:
    explicit SentHelpInfo(HWND window);
    ~SentHelpInfo();
    SentHelpInfo(const SentHelpInfo&) = delete;
    SentHelpInfo& operator=(const SentHelpInfo&) = delete;

    // The HELPINFO of the WM_HELP being handled by the window whose
    // address ends in `low32`; null when there is none.
    const HELPINFO* Find(std::int32_t low32) const;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_;
    WNDPROC previous_ = nullptr;
    static constexpr int kDepth = 8; // nested WM_HELP messages kept
    LPARAM sent_[kDepth] = {};
    int depth_ = 0;
};
