#include "runtime/ListBox.h"

namespace Runtime {

ListBox::ListBox(Form* form, Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index)
{
    SetBackColor(ColorWindow);
    SetForeColor(ColorWindowText);
}

void ListBox::Create(int left, int top, int width, int height)
{
    DWORD style = WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
    if (multiSelect_ == SelectSimple) style |= LBS_MULTIPLESEL;
    if (multiSelect_ == SelectExtended) style |= LBS_EXTENDEDSEL;
    CreateControlWindow(L"ListBox", style, WS_EX_CLIENTEDGE, L"", left, top, width, height);
    for (const Item& item : items_) SendMessageW(hWnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.text.c_str()));
    lastIndex_ = -1;
}

void ListBox::SetMultiSelect(int mode)
{
    if (mode < SelectSingle || mode > SelectExtended || hWnd()) Raise(ErrInvalidProperty);
    multiSelect_ = mode;
}

void ListBox::CheckIndex(int index) const
{
    if (index < 0 || index >= ListCount()) Raise(ErrInvalidArrayIndex);
}

std::wstring ListBox::List(int index) const
{
    if (index < 0 || index >= ListCount()) return {};
    return items_[static_cast<size_t>(index)].text;
}

void ListBox::SetList(int index, const std::wstring& text)
{
    CheckIndex(index);
    items_[static_cast<size_t>(index)].text = text;
    if (!hWnd()) return;
    bool selected = SendMessageW(hWnd(), LB_GETSEL, index, 0) > 0;
    int caret = ListIndex();
    SendMessageW(hWnd(), LB_DELETESTRING, index, 0);
    SendMessageW(hWnd(), LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
    if (Multi()) {
        if (selected) SendMessageW(hWnd(), LB_SETSEL, TRUE, index);
        if (caret >= 0) SendMessageW(hWnd(), LB_SETCARETINDEX, caret, FALSE);
    } else if (caret == index) {
        SendMessageW(hWnd(), LB_SETCURSEL, index, 0);
    }
}

int ListBox::ListIndex() const
{
    if (!hWnd() || items_.empty()) return -1;
    if (Multi()) return static_cast<int>(SendMessageW(hWnd(), LB_GETCARETINDEX, 0, 0));
    return static_cast<int>(SendMessageW(hWnd(), LB_GETCURSEL, 0, 0));
}

void ListBox::SetListIndex(int index)
{
    if (index < -1 || index >= ListCount()) Raise(ErrInvalidProperty);
    if (!hWnd()) return;
    if (Multi()) {
        if (index < 0) return;
        bool moved = index != ListIndex();
        bool selects = SendMessageW(hWnd(), LB_GETSEL, index, 0) <= 0;
        SendMessageW(hWnd(), LB_SETCARETINDEX, index, FALSE);
        if (selects) SendMessageW(hWnd(), LB_SETSEL, TRUE, index);
        if (moved || selects) Fire(Click);
        return;
    }
    if (index == ListIndex()) return;
    SendMessageW(hWnd(), LB_SETCURSEL, index, 0);
    lastIndex_ = index;
    Fire(Click);
}

void ListBox::AddItem(const std::wstring& text, int index)
{
    if (index < -1 || index > ListCount()) Raise(ErrInvalidCall);
    int at = index < 0 ? ListCount() : index;
    items_.insert(items_.begin() + at, Item{text, 0});
    newIndex_ = at;
    if (!hWnd()) return;
    SendMessageW(hWnd(), LB_INSERTSTRING, at, reinterpret_cast<LPARAM>(text.c_str()));
    lastIndex_ = ListIndex();
}

void ListBox::RemoveItem(int index)
{
    if (index < 0 || index >= ListCount()) Raise(ErrInvalidCall);
    items_.erase(items_.begin() + index);
    newIndex_ = -1;
    if (!hWnd()) return;
    SendMessageW(hWnd(), LB_DELETESTRING, index, 0);
    lastIndex_ = ListIndex();
}

void ListBox::Clear()
{
    items_.clear();
    newIndex_ = -1;
    if (hWnd()) SendMessageW(hWnd(), LB_RESETCONTENT, 0, 0);
    lastIndex_ = -1;
}

long ListBox::ItemData(int index) const
{
    CheckIndex(index);
    return items_[static_cast<size_t>(index)].data;
}

void ListBox::SetItemData(int index, long data)
{
    CheckIndex(index);
    items_[static_cast<size_t>(index)].data = data;
}

bool ListBox::Selected(int index) const
{
    CheckIndex(index);
    return hWnd() && SendMessageW(hWnd(), LB_GETSEL, index, 0) > 0;
}

void ListBox::SetSelected(int index, bool selected)
{
    CheckIndex(index);
    if (!hWnd() || selected == Selected(index)) return;
    if (!Multi()) {
        SetListIndex(selected ? index : -1);
        return;
    }
    SendMessageW(hWnd(), LB_SETSEL, selected, index);
    Fire(Click);
}

int ListBox::SelCount() const
{
    if (!hWnd()) return 0;
    if (!Multi()) return ListIndex() >= 0 ? 1 : 0;
    return static_cast<int>(SendMessageW(hWnd(), LB_GETSELCOUNT, 0, 0));
}

bool ListBox::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT&)
{
    if (msg == WM_NCDESTROY) {
        items_.clear();
        newIndex_ = lastIndex_ = -1;
    }
    return false;
}

bool ListBox::OnReflect(UINT msg, WPARAM wParam, LPARAM, LRESULT&)
{
    if (msg != WM_COMMAND) return false;
    if (HIWORD(wParam) == LBN_SELCHANGE) {
        // A click on the item that is already the only one selected changes nothing.
        int index = ListIndex();
        if (Multi() || index != lastIndex_) {
            lastIndex_ = index;
            Fire(Click);
        }
    } else if (HIWORD(wParam) == LBN_DBLCLK) {
        Fire(DblClick);
    }
    return false;
}

} // namespace Runtime
