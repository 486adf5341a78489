#include "about/PuzzleTile.h"

void PuzzleTile::Create(int left, int top, int size, const std::wstring& caption)
{
    SetAlignment(AlignCenter);
    Label::Create(left, top, size, size, caption);
    SetWindowLongPtrW(hWnd(), GWL_STYLE, GetWindowLongPtrW(hWnd(), GWL_STYLE) | SS_CENTERIMAGE);
    SetSpecialEffect(specialEffect_);
}

void PuzzleTile::SetSpecialEffect(int effect)
{
    specialEffect_ = effect;
    if (!hWnd()) return;
    LONG_PTR style = GetWindowLongPtrW(hWnd(), GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_DLGMODALFRAME);
    if (effect != 0) style |= WS_EX_DLGMODALFRAME;
    SetWindowLongPtrW(hWnd(), GWL_EXSTYLE, style);
    SetWindowPos(hWnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
