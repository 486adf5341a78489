// Search by name words, by entity name or by the symbol, and go-to.
#include "mainwin/fwMain.h"

void fwMain::ClearSearch() {}

void fwMain::GoToChar(std::int32_t) {}
