#pragma once
// A program built with FailingAllocation.cpp has its own operator new and
// delete (over malloc and free), so that a test can make an allocation fail
// as when memory runs out. Only the calling thread's allocations count.

namespace FailingAllocation {

// Makes this thread's `count`-th allocation from now (1: the next one)
// throw std::bad_alloc, once; 0 makes none fail.
void FailAt(int count) noexcept;

// Whether the failure FailAt asked for has happened.
bool Failed() noexcept;

// Called on the failing thread just before the failing allocation throws
// (null: nothing); its own allocations do not fail.
void BeforeFailing(void (*call)()) noexcept;

} // namespace FailingAllocation
