// The status bars, the character-type menu and the buttons beside them.
#include "mainwin/fwMain.h"

std::uint32_t fwMain::ShowCharType(std::int32_t)
{
    return 0;
}
