#include "common/ComboDropWidth.h"

#include "runtime/ComboBox.h"
#include "runtime/ScopedWin.h"

namespace Common {

void ComboDropWidth(Runtime::Control& control)
{
    auto* combo = dynamic_cast<Runtime::ComboBox*>(&control);
    if (!combo || !combo->hWnd()) return;

    Runtime::ScopedGetDC dc(combo->hWnd());
    Runtime::ScopedSelect font(dc.Get(), combo->FontHandle());
    int widest = 0;
    for (int row = 0; row < combo->ListCount(); ++row) {
        std::wstring text = combo->List(row, 0);
        for (int column = 1; column < combo->ColumnCount(); ++column) text += L"    " + combo->List(row, column);
        SIZE size{};
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        if (size.cx > widest) widest = size.cx;
    }
    int width = widest + 10;
    if (combo->ListCount() > 10) width += GetSystemMetrics(SM_CXVSCROLL);
    if (width < combo->Width()) width = combo->Width();

    RECT r{};
    GetWindowRect(combo->hWnd(), &r);
    const int room = GetSystemMetrics(SM_CXSCREEN) - r.left;
    if (room > 0 && width > room) width = room;
    combo->SetDropWidth(width);
}

} // namespace Common
