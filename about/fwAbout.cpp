#include "about/fwAbout.h"

#include "common/WindowUtil.h"

fwAbout::fwAbout() : Form(L"fwAbout") {}

void fwAbout::CreateControls()
{
    KeyPreview = true;
}

void fwAbout::Form_Load()
{
    SetCaption(L"About...");
    Move(Left(), Top(), 360, 240);
}

void fwAbout::Form_Activate()
{
    Common::SetTopMost(hWnd(), OnTop == 1);
}

void fwAbout::Form_KeyDown(int& keyCode, int)
{
    if (keyCode == VK_ESCAPE) Unload();
}
