// Replaces every form of the program's operator new and delete, so that
// memory from the C++ library and from the code under test alike comes from
// malloc through one place where a test can make it fail.
#include "FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {

thread_local int t_countdown = 0;
thread_local bool t_failed = false;
void (*g_beforeFailing)() = nullptr;

void* Allocate(std::size_t size)
{
    if (t_countdown > 0 && --t_countdown == 0) {
        t_failed = true;
        if (g_beforeFailing) g_beforeFailing();
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}

void* AllocateOrNull(std::size_t size) noexcept
{
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace

namespace FailingAllocation {

void FailAt(int count) noexcept
{
    t_countdown = count;
    t_failed = false;
}

bool Failed() noexcept { return t_failed; }

void BeforeFailing(void (*call)()) noexcept { g_beforeFailing = call; }

} // namespace FailingAllocation

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return AllocateOrNull(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return AllocateOrNull(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
