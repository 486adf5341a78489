#pragma once
// What the clipboard tests share: the machine-wide lock that every
// clipboard test of the project takes (so tests in other processes do not
// disturb each other), another thread that holds the clipboard open, a
// system that refuses to empty the clipboard or to take data, and an
// action run from the message loop while a copy waits.
#include <windows.h>

#include <functional>
#include <thread>

#include "runtime/Clipboard.h"
#include "runtime/ScopedWin.h"
#include "tests/support/ImportReplacement.h"

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

// The clipboard calls of one module (the test program itself, or a server
// loaded into it) refused by the system: EmptyClipboard or
// SetClipboardData answers failure and does nothing. The system here never
// refuses them for a clipboard that is open, so the test puts its answer
// in place of the system's at that one call.
class ClipboardRefusal {
public:
    enum Call { Empty, SetData };
    ClipboardRefusal(HMODULE module, Call call)
        : replacement_(module, "user32.dll", call == Empty ? "EmptyClipboard" : "SetClipboardData",
                       call == Empty ? reinterpret_cast<const void*>(RefuseEmpty)
                                     : reinterpret_cast<const void*>(RefuseData))
    {
    }
    bool Active() const noexcept { return replacement_.Replaced(); }

private:
    static BOOL WINAPI RefuseEmpty()
    {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    static HANDLE WINAPI RefuseData(UINT, HANDLE)
    {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    TestSupport::ImportReplacement replacement_;
};

// Runs `action` once, `ms` after it is set, from the message loop (a
// thread timer: a waiting copy dispatches it).
class TimerAction {
public:
    TimerAction(UINT ms, std::function<void()> action)
    {
        current = this;
        action_ = std::move(action);
        id_ = SetTimer(nullptr, 0, ms, Fire);
    }
    ~TimerAction()
    {
        if (id_) KillTimer(nullptr, id_);
        current = nullptr;
    }
    TimerAction(const TimerAction&) = delete;
    TimerAction& operator=(const TimerAction&) = delete;
    bool Fired() const noexcept { return fired_; }

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD)
    {
        KillTimer(nullptr, id);
        if (!current || current->fired_) return;
        current->id_ = 0;
        current->fired_ = true;
        current->action_();
    }
    static inline TimerAction* current = nullptr;
    std::function<void()> action_;
    UINT_PTR id_ = 0;
    bool fired_ = false;
};

} // namespace FormsTest
