#include "runtime/Color.h"

#include <windows.h>

namespace Runtime {

uint32_t ResolveColor(OleColor color)
{
    if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0x00FFFFFFu;
}

} // namespace Runtime
