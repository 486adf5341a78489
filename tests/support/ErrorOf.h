#pragma once
// The number of the run-time error a piece of code raises, for tests that
// check error numbers. Portable: it needs no Windows header.
#include <functional>

#include "runtime/RuntimeError.h"

namespace TestSupport {

// The error number `body` raises, 0 when it raises none.
inline int ErrorOf(const std::function<void()>& body)
{
    try {
        body();
    } catch (const Runtime::Error& e) {
        return e.Number();
    }
    return 0;
}

} // namespace TestSupport
