#pragma once
// What the clipboard tests share: the machine-wide lock that every
// clipboard test of the project takes (so tests in other processes do not
// disturb each other), and another thread that holds the clipboard open.
#include <windows.h>

#include <thread>

#include "runtime/Clipboard.h"
#include "runtime/ScopedWin.h"

namespace FormsTest {

class ClipboardLock {
public:
    ClipboardLock() : lock_(CreateMutexW(nullptr, FALSE, L"Orlenta.Tests.Clipboard"))
    {
        DWORD got = lock_.Valid() ? WaitForSingleObject(lock_.Get(), 60000) : WAIT_FAILED;
        held_ = got == WAIT_OBJECT_0 || got == WAIT_ABANDONED;
    }
    ~ClipboardLock()
    {
        if (held_) ReleaseMutex(lock_.Get());
    }
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;
    bool Held() const noexcept { return held_; }

private:
    Runtime::ScopedHandle lock_;
    bool held_ = false;
};

// Another thread, with a window of its own, opens the clipboard and keeps
// it open for `holdMs` or until Release().
class ClipboardHolder {
public:
    explicit ClipboardHolder(DWORD holdMs)
        : opened_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), release_(CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
        thread_ = std::thread([this, holdMs] {
            HWND wnd = CreateWindowExW(0, L"Static", L"holder", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
            held_ = OpenClipboard(wnd) != FALSE;
            SetEvent(opened_.Get());
            WaitForSingleObject(release_.Get(), holdMs);
            if (held_) CloseClipboard();
            DestroyWindow(wnd);
        });
        WaitForSingleObject(opened_.Get(), 10000);
    }
    ~ClipboardHolder() { Release(); }
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;

    void Release()
    {
        SetEvent(release_.Get());
        if (thread_.joinable()) thread_.join();
    }
    bool Held() const noexcept { return held_; }

private:
    Runtime::ScopedHandle opened_, release_;
    std::thread thread_;
    bool held_ = false;
};

} // namespace FormsTest
