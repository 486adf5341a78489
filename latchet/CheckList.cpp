#include "latchet/CheckList.h"

#include <algorithm>

#include "common/TextCompare.h"
#include "runtime/RuntimeError.h"

namespace CheckList {

namespace {

bool InList(HWND list, int index)
{
    return index >= 0 && index < Count(list);
}

} // namespace

HWND Create(HWND parent, int id, HFONT font)
{
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_MULTIPLESEL |
                                    LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                                0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (!list) Runtime::Raise(7);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // Rows as high as the font's text, and never lower than a check box.
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    int height = std::max<int>(metrics.tmHeight + 2, GetSystemMetrics(SM_CYMENUCHECK) + 2);
    SendMessageW(list, LB_SETITEMHEIGHT, 0, height);
    return list;
}

void DrawItem(const DRAWITEMSTRUCT& item, int tabStop)
{
    HDC dc = item.hDC;
    RECT row = item.rcItem;
    if (item.itemID == static_cast<UINT>(-1)) {
        if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
        return;
    }
    HWND list = item.hwndItem;
    int index = static_cast<int>(item.itemID);
    // The current item stands out; the checks are the boxes, not the
    // selection colours. While the list has the focus the item with the
    // focus rectangle is the current one (the list draws the item it
    // leaves before it moves on).
    bool current = GetFocus() == list ? (item.itemState & ODS_FOCUS) != 0 : index == Current(list);
    FillRect(dc, &row, GetSysColorBrush(current ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    int side = std::max(0, static_cast<int>(row.bottom - row.top) - 2);
    RECT box{row.left + 2, row.top + 1, row.left + 2 + side, row.top + 1 + side};
    DrawFrameControl(dc, &box, DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT | ((item.itemState & ODS_SELECTED) ? DFCS_CHECKED : 0));
    std::wstring text = Text(list, index);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = SetTextColor(dc, GetSysColor(current ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    int x = box.right + 4;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int y = row.top + std::max(0, static_cast<int>(row.bottom - row.top - metrics.tmHeight) / 2);
    TabbedTextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()), 1, &tabStop, x);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
}

int Count(HWND list)
{
    return std::max(0, static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)));
}

std::wstring Text(HWND list, int index)
{
    if (!InList(list, index)) return {};
    auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    auto got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
    return text;
}

long Data(HWND list, int index)
{
    if (!InList(list, index)) return 0;
    return static_cast<long>(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

bool Checked(HWND list, int index)
{
    return InList(list, index) && SendMessageW(list, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

bool SetChecked(HWND list, int index, bool checked)
{
    if (!InList(list, index) || Checked(list, index) == checked) return false;
    // A range of one item: selecting it through LB_SETSEL would also make it
    // the current item and scroll to it.
    SendMessageW(list, LB_SELITEMRANGE, checked ? TRUE : FALSE, MAKELPARAM(index, index));
    return true;
}

void SetAllChecked(HWND list, bool checked)
{
    SendMessageW(list, LB_SETSEL, checked ? TRUE : FALSE, -1);
}

std::vector<bool> Checks(HWND list)
{
    std::vector<bool> checks(static_cast<std::size_t>(Count(list)), false);
    auto count = SendMessageW(list, LB_GETSELCOUNT, 0, 0);
    if (count <= 0) return checks;
    std::vector<int> indexes(static_cast<std::size_t>(count));
    count = SendMessageW(list, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(indexes.data()));
    for (LRESULT i = 0; i < count; ++i) {
        int index = indexes[static_cast<std::size_t>(i)];
        if (index >= 0 && index < static_cast<int>(checks.size())) checks[static_cast<std::size_t>(index)] = true;
    }
    return checks;
}

int Current(HWND list)
{
    if (Count(list) == 0) return -1;
    return static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
}

void SetCurrent(HWND list, int index)
{
    if (!InList(list, index)) return;
    SendMessageW(list, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    // The list redraws its focus rectangle only while it has the focus;
    // the current item's colours change also without it.
    InvalidateRect(list, nullptr, FALSE);
}

int Find(HWND list, const std::wstring& text, bool ignoreCase)
{
    if (text.empty()) return -1;
    int compare = ignoreCase ? Common::CompareText : Common::CompareBinary;
    for (int i = 0, count = Count(list); i < count; ++i)
        if (Common::TextEqual(Text(list, i), text, compare)) return i;
    return -1;
}

} // namespace CheckList
