// The control's face: its icon inside a raised frame.
#include "sendrel/Sendrel.h"

#include "runtime/ComServer.h"
#include "runtime/ScopedWin.h"

namespace {

void Line(HDC dc, int color, int x1, int y1, int x2, int y2)
{
    Runtime::ScopedPen pen(CreatePen(PS_SOLID, 1, GetSysColor(color)));
    Runtime::ScopedSelect select(dc, pen.Get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

} // namespace

void Sendrel::Paint(HDC dc, const RECT& rect)
{
    DrawFrame(dc, rect);
    HICON icon = static_cast<HICON>(
        LoadImageW(Runtime::ComServer::Module(), MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, LR_SHARED));
    if (icon) DrawIconEx(dc, rect.left, rect.top, icon, 32, 32, 0, nullptr, DI_NORMAL);
}

// Clears the face and draws a raised frame two pixels wide.
void Sendrel::DrawFrame(HDC dc, const RECT& rect)
{
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    int l = rect.left, t = rect.top, r = rect.right - 1, b = rect.bottom - 1;
    Line(dc, COLOR_3DLIGHT, l, b, l, t);
    Line(dc, COLOR_3DLIGHT, l, t, r, t);
    Line(dc, COLOR_3DDKSHADOW, r, t, r, b);
    Line(dc, COLOR_3DDKSHADOW, r, b, l - 1, b);
    Line(dc, COLOR_3DHIGHLIGHT, l + 1, b - 1, l + 1, t + 1);
    Line(dc, COLOR_3DHIGHLIGHT, l + 1, t + 1, r - 1, t + 1);
    Line(dc, COLOR_BTNSHADOW, r - 1, t + 1, r - 1, b - 1);
    Line(dc, COLOR_BTNSHADOW, r - 1, b - 1, l, b - 1);
}
