// The output options: format, code page, entity, picture size, style and
// colours, and the glyph pattern.
#include "mainwin/fwMain.h"

void fwMain::obFormat_Click(int index)
{
    CopyFormat = index;
}

void fwMain::chView_Click() {}
