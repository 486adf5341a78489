#pragma once
// A lock of the system's own (a slim reader/writer lock taken exclusively)
// for use with std::lock_guard. It needs no handle and nothing to free, so
// a module that is loaded and unloaded again and again leaves nothing
// behind, where the C++ library's mutex of this toolchain gives every
// thread that locks it a record of its own in each module.
#include <windows.h>

namespace Runtime {

class SlimLock {
public:
    SlimLock() = default;
    SlimLock(const SlimLock&) = delete;
    SlimLock& operator=(const SlimLock&) = delete;
    void lock() noexcept { AcquireSRWLockExclusive(&lock_); }
    void unlock() noexcept { ReleaseSRWLockExclusive(&lock_); }

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
};

} // namespace Runtime
