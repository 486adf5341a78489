#include "runtime/ComboBox.h"

#include <commctrl.h>
#include <windowsx.h>

#include "runtime/ComboColumns.h"
#include "runtime/Form.h"
#include "runtime/Subclass.h"

namespace Runtime {

namespace {

const UINT_PTR kEditSubclass = 2;
[[noreturn]] void RaiseArrayIndex() { Raise(ErrInvalidArrayIndex); }


// Keys that change the current row or drop the list down.
bool IsListKey(WPARAM key)
{
    switch (key) {
    case VK_UP: case VK_DOWN: case VK_PRIOR: case VK_NEXT: case VK_F4: return true;
    default: return false;
    }
}

MouseArgs MouseAt(HWND from, HWND to, LPARAM lParam, int button, WPARAM wParam)
{
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    MapWindowPoints(from, to, &pt, 1);
    return MouseArgsFrom(wParam, MAKELPARAM(pt.x, pt.y), button);
}

} // namespace

ComboBox::ComboBox(Form* form, Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index)
{
    SetBackColor(ColorWindow);
    SetForeColor(ColorWindowText);
}

ComboBox::~ComboBox()
{
    DetachEdit();
}

void ComboBox::Create(int left, int top, int width, int style)
{
    if (style != StyleDropDown && style != StyleDropDownList) Raise(ErrInvalidProperty);
    style_ = style;
    MakeWindow(left, top, width);
}

void ComboBox::MakeWindow(int left, int top, int width)
{
    DWORD style = WS_TABSTOP | (style_ == StyleDropDownList ? WS_VSCROLL | CBS_DROPDOWNLIST
                                : Simple()                  ? CBS_SIMPLE | CBS_AUTOHSCROLL
                                                            : WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL);
    if (OwnerDrawn()) style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    placed_ = Placed{};
    CreateControlWindow(L"ComboBox", style, 0, L"", left, top, width, 200);
    if (OwnerDrawn()) SetItemHeights();
    SendRows(0);
    AttachEdit();
    if (locked_ && edit_) SendMessageW(edit_, EM_SETREADONLY, TRUE, 0);
    Place(left, top, width);
    lastIndex_ = -1;
}

// Builds the window anew (a change that only a new window can show), with
// the rows, the current row, the text and the place in the tab order kept.
void ComboBox::Recreate()
{
    HWND old = hWnd();
    if (!old) return;
    int current = ListIndex();
    std::wstring text = Text();
    bool focused = HasFocus();
    HWND before = GetWindow(old, GW_HWNDPREV);
    DetachEdit();
    DestroyControlWindow();
    MakeWindow(Left(), Top(), Width());
    SetWindowPos(hWnd(), before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (current >= 0) SendMessageW(hWnd(), CB_SETCURSEL, current, 0);
    if (style_ == StyleDropDown && Text() != text) SetWindowTextW(hWnd(), text.c_str());
    lastIndex_ = ListIndex();
    if (!ToolTipText().empty()) SetToolTipText(ToolTipText());
    if (focused) SetFocus();
}

// The closed box takes the height its font gives; the window is first made
// as tall as the dropped list, which is how a combo box learns that height.
void ComboBox::Place(int left, int top, int width)
{
    HWND wnd = hWnd();
    if (Simple()) {
        // Only the edit field shows: the window ends below it.
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(wnd, &info);
        int field = info.rcItem.bottom + info.rcItem.top;
        SetWindowPos(wnd, nullptr, left, top, width, field, SWP_NOZORDER | SWP_NOACTIVATE);
        if (info.hwndList) ShowWindow(info.hwndList, SW_HIDE); // it would cover the field's frame
        Control::Move(left, top, width, field);
        return;
    }
    int item = static_cast<int>(SendMessageW(wnd, CB_GETITEMHEIGHT, 0, 0));
    if (item <= 0) item = 16;
    RECT r{};
    GetWindowRect(wnd, &r);
    MapWindowPoints(nullptr, GetParent(wnd), reinterpret_cast<POINT*>(&r), 2);
    int field = r.bottom - r.top;
    const int listExtent = item * listRows_ + 2;
    const bool sameSize = EqualRect(&r, &placed_.rect) && r.right - r.left == width &&
                          listExtent == placed_.listExtent && dropWidth_ == placed_.dropWidth;
    if (sameSize && r.left == left && r.top == top) {
        Control::Move(left, top, width, field);
        return;
    }
    SendMessageW(wnd, CB_SETMINVISIBLE, listRows_, 0);
    // A move alone leaves the drop-down list as it is.
    UINT keepSize = sameSize ? SWP_NOSIZE : 0;
    SetWindowPos(wnd, nullptr, left, top, width, field + listExtent, SWP_NOZORDER | SWP_NOACTIVATE | keepSize);
    GetWindowRect(wnd, &r);
    MapWindowPoints(nullptr, GetParent(wnd), reinterpret_cast<POINT*>(&r), 2);
    field = r.bottom - r.top;
    Control::Move(left, top, width, field);
    if (dropWidth_ > 0 && dropWidth_ != placed_.dropWidth) SendMessageW(wnd, CB_SETDROPPEDWIDTH, dropWidth_, 0);
    placed_ = Placed{r, listExtent, dropWidth_};
}

void ComboBox::ItemHeights(int& field, int& row) const
{
    // The font may not be on the window yet (measured while it is made).
    ScopedFont made;
    HFONT font = FontHandle();
    if (!font) {
        made = CreateScreenFont(Font());
        font = made.Get();
    }
    ScopedGetDC dc(nullptr);
    ScopedSelect select(dc.Get(), font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc.Get(), &tm);
    field = tm.tmHeight + 4;
    row = tm.tmHeight + 2;
}

// Each height that changes resizes the box: only changes are sent.
void ComboBox::SetItemHeights()
{
    int field = 0, row = 0;
    ItemHeights(field, row);
    if (SendMessageW(hWnd(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0) != field)
        SendMessageW(hWnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    if (SendMessageW(hWnd(), CB_GETITEMHEIGHT, 0, 0) != row) SendMessageW(hWnd(), CB_SETITEMHEIGHT, 0, row);
}

void ComboBox::Move(int left, int top, int width, int height)
{
    if (!hWnd()) {
        Control::Move(left, top, width, height);
        return;
    }
    if (width < 0) Raise(ErrInvalidCall);
    Place(left, top, width);
}

void ComboBox::SetFont(const FontSpec& font)
{
    Control::SetFont(font);
    if (!hWnd()) return;
    if (OwnerDrawn()) SetItemHeights();
    Place(Left(), Top(), Width());
}

void ComboBox::AttachEdit()
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (style_ != StyleDropDown || !GetComboBoxInfo(hWnd(), &info) || !info.hwndItem) return;
    edit_ = info.hwndItem;
    AddSubclass(edit_, EditProc, kEditSubclass, reinterpret_cast<DWORD_PTR>(this));
}

void ComboBox::DetachEdit()
{
    if (edit_) RemoveSubclass(edit_, EditProc, kEditSubclass);
    edit_ = nullptr;
}

void ComboBox::SyncIndex()
{
    lastIndex_ = ListIndex();
}

const ComboBox::Row& ComboBox::RowAt(int index) const
{
    if (index < 0 || index >= ListCount()) RaiseArrayIndex();
    return rows_[static_cast<size_t>(index)];
}

std::wstring ComboBox::List(int index) const
{
    return List(index, 0);
}

std::wstring ComboBox::List(int row, int column) const
{
    if (row < 0 || row >= ListCount() || column < 0) return {};
    const auto& cells = rows_[static_cast<size_t>(row)].cells;
    return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)] : std::wstring();
}

void ComboBox::SetList(int row, int column, const std::wstring& text)
{
    RowAt(row);
    if (column < 0 || column >= MaxColumns) RaiseArrayIndex();
    auto& cells = rows_[static_cast<size_t>(row)].cells;
    if (cells.size() <= static_cast<size_t>(column)) cells.resize(static_cast<size_t>(column) + 1);
    cells[static_cast<size_t>(column)] = text;
    if (!hWnd()) return;
    if (column > 0) {
        InvalidateRect(hWnd(), nullptr, FALSE);
        return;
    }
    int current = ListIndex();
    SendMessageW(hWnd(), CB_DELETESTRING, row, 0);
    SendMessageW(hWnd(), CB_INSERTSTRING, row, reinterpret_cast<LPARAM>(text.c_str()));
    if (current == row) SendMessageW(hWnd(), CB_SETCURSEL, row, 0);
    SyncIndex();
}

int ComboBox::ListIndex() const
{
    if (!hWnd()) return -1;
    return static_cast<int>(SendMessageW(hWnd(), CB_GETCURSEL, 0, 0));
}

void ComboBox::SetListIndex(int index)
{
    if (index < -1 || index >= ListCount()) Raise(ErrInvalidProperty);
    if (!hWnd() || index == ListIndex()) return;
    SendMessageW(hWnd(), CB_SETCURSEL, index, 0);
    lastIndex_ = index;
    Fire(Click);
}

void ComboBox::AddItem(const std::wstring& text, int index)
{
    if (index < -1 || index > ListCount()) Raise(ErrInvalidCall);
    int at = index < 0 ? ListCount() : index;
    Row row;
    row.cells[0] = text;
    rows_.insert(rows_.begin() + at, std::move(row));
    newIndex_ = at;
    if (!hWnd()) return;
    SendMessageW(hWnd(), CB_INSERTSTRING, at, reinterpret_cast<LPARAM>(text.c_str()));
    SyncIndex();
}

void ComboBox::AddItems(const std::vector<std::wstring>& texts)
{
    if (texts.empty()) return;
    const std::size_t first = rows_.size();
    rows_.reserve(first + texts.size());
    for (const std::wstring& text : texts) {
        Row row;
        row.cells[0] = text;
        rows_.push_back(std::move(row));
    }
    newIndex_ = ListCount() - 1;
    if (!hWnd()) return;
    SendRows(first);
    SyncIndex();
}

void ComboBox::SendRows(std::size_t first)
{
    if (first >= rows_.size()) return;
    // The list takes its room for all of them at once.
    std::size_t chars = 0;
    for (std::size_t i = first; i < rows_.size(); ++i) chars += rows_[i].cells[0].size() + 1;
    SendMessageW(hWnd(), CB_INITSTORAGE, rows_.size() - first, chars * sizeof(wchar_t));
    // Not drawn meanwhile: each row added to a drawn list costs it a new
    // scroll range and a repaint (30,000 rows: 0.5 s under Wine).
    SendMessageW(hWnd(), WM_SETREDRAW, FALSE, 0);
    for (std::size_t i = first; i < rows_.size(); ++i)
        SendMessageW(hWnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(rows_[i].cells[0].c_str()));
    SendMessageW(hWnd(), WM_SETREDRAW, TRUE, 0);
}

void ComboBox::RemoveItem(int index)
{
    if (index < 0 || index >= ListCount()) Raise(ErrInvalidCall);
    rows_.erase(rows_.begin() + index);
    newIndex_ = -1;
    if (!hWnd()) return;
    SendMessageW(hWnd(), CB_DELETESTRING, index, 0);
    SyncIndex();
}

void ComboBox::Clear()
{
    rows_.clear();
    newIndex_ = -1;
    if (!hWnd()) return;
    std::wstring text = Text();
    SendMessageW(hWnd(), CB_RESETCONTENT, 0, 0);
    if (style_ == StyleDropDown && !text.empty()) SetWindowTextW(hWnd(), text.c_str());
    SyncIndex();
}

long ComboBox::ItemData(int index) const
{
    return RowAt(index).data;
}

void ComboBox::SetItemData(int index, long data)
{
    RowAt(index);
    rows_[static_cast<size_t>(index)].data = data;
}

void ComboBox::SetColumnCount(int count)
{
    if (count < 1 || count > MaxColumns) Raise(ErrInvalidProperty);
    if (count == columnCount_) return;
    bool wasDrawn = OwnerDrawn();
    columnCount_ = count;
    if (wasDrawn != OwnerDrawn()) Recreate();
    else if (hWnd()) InvalidateRect(hWnd(), nullptr, FALSE);
}

void ComboBox::SetColumnWidths(const std::wstring& widths)
{
    auto parsed = ParseColumnWidths(widths);
    if (!parsed) Raise(ErrInvalidProperty);
    columnWidths_ = std::move(*parsed);
    columnWidthsText_ = widths;
    if (hWnd()) InvalidateRect(hWnd(), nullptr, FALSE);
}

std::wstring ComboBox::Text() const
{
    return WindowText(hWnd());
}

void ComboBox::SetText(const std::wstring& text)
{
    if (!hWnd()) return;
    if (style_ == StyleDropDownList) {
        if (text.empty()) {
            SetListIndex(-1);
            return;
        }
        for (int i = 0; i < ListCount(); ++i) {
            if (rows_[static_cast<size_t>(i)].cells[0] == text) {
                SetListIndex(i);
                return;
            }
        }
        Raise(ErrTextReadOnly);
    }
    if (text == Text()) return;
    SetWindowTextW(hWnd(), text.c_str()); // the box sends no notification for its own text
    SyncIndex();
    Fire(Change);
}

int ComboBox::SelStart() const
{
    DWORD start = 0, end = 0;
    if (edit_) SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

void ComboBox::SetSelStart(int start)
{
    if (start < 0) Raise(ErrInvalidProperty);
    if (edit_) SendMessageW(edit_, EM_SETSEL, start, start);
}

int ComboBox::SelLength() const
{
    DWORD start = 0, end = 0;
    if (edit_) SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void ComboBox::SetSelLength(int length)
{
    if (length < 0) Raise(ErrInvalidProperty);
    int start = SelStart();
    if (edit_) SendMessageW(edit_, EM_SETSEL, start, start + length);
}

void ComboBox::SetListRows(int rows)
{
    if (rows < 1) Raise(ErrInvalidProperty);
    listRows_ = rows;
    if (hWnd()) Place(Left(), Top(), Width());
}

bool ComboBox::DroppedDown() const
{
    return hWnd() && SendMessageW(hWnd(), CB_GETDROPPEDSTATE, 0, 0);
}

void ComboBox::SetDroppedDown(bool dropped)
{
    if (hWnd() && !Simple() && dropped != DroppedDown()) SendMessageW(hWnd(), CB_SHOWDROPDOWN, dropped, 0);
}

int ComboBox::DropWidth() const
{
    if (!hWnd()) return dropWidth_ > Width() ? dropWidth_ : Width();
    return static_cast<int>(SendMessageW(hWnd(), CB_GETDROPPEDWIDTH, 0, 0));
}

void ComboBox::SetDropWidth(int pixels)
{
    if (pixels < 0) Raise(ErrInvalidProperty);
    dropWidth_ = pixels;
    if (hWnd()) SendMessageW(hWnd(), CB_SETDROPPEDWIDTH, pixels, 0);
}

int ComboBox::ListWidth() const
{
    return MulDiv(DropWidth(), 72, ScreenDpiX());
}

void ComboBox::SetListWidth(int points)
{
    if (points < 0) Raise(ErrInvalidProperty);
    SetDropWidth(MulDiv(points, ScreenDpiX(), 72));
}

void ComboBox::SetShowDropButton(bool show)
{
    if (show == showDropButton_) return;
    bool wasSimple = Simple();
    showDropButton_ = show;
    if (Simple() != wasSimple) Recreate();
}

void ComboBox::SetLocked(bool locked)
{
    locked_ = locked;
    if (edit_) SendMessageW(edit_, EM_SETREADONLY, locked, 0);
}

void ComboBox::DrawRow(const DRAWITEMSTRUCT& item)
{
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    bool field = (item.itemState & ODS_COMBOBOXEDIT) != 0;
    COLORREF back = selected ? GetSysColor(COLOR_HIGHLIGHT) : ResolveColor(BackColor());
    COLORREF fore = !IsWindowEnabled(hWnd()) ? GetSysColor(COLOR_GRAYTEXT)
                    : selected               ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                             : ResolveColor(ForeColor());
    SetBkColor(dc, back);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr); // fills the row
    int index = static_cast<int>(item.itemID);
    if (index >= 0 && index < ListCount()) {
        ScopedSelect font(dc, FontHandle());
        SetTextColor(dc, fore);
        SetBkMode(dc, TRANSPARENT);
        const Row& row = rows_[static_cast<size_t>(index)];
        if (field) {
            DrawColumns(dc, r, {row.cells[0]}, {static_cast<int>(r.right - r.left)});
        } else {
            DrawColumns(dc, r, row.cells, ColumnPixelWidths(columnWidths_, columnCount_, r.right - r.left, ScreenDpiX()));
        }
    }
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dc, &r);
}

bool ComboBox::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The box as a whole reports its focus (CBN_SETFOCUS/CBN_KILLFOCUS);
        // its own window loses the focus to the edit part at once.
        result = CallDefault(msg, wParam, lParam);
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!locked_) return false;
        if (msg == WM_LBUTTONDOWN) Fire(MouseDown, MouseAt(hWnd(), hWnd(), lParam, ButtonLeft, wParam));
        ::SetFocus(edit_ ? edit_ : hWnd());
        result = 0;
        return true;
    case WM_MOUSEWHEEL:
        if (!locked_) return false;
        result = 0;
        return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR: {
        bool down = msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
        if (edit_) {
            // Keys the edit part passes on: it raised their events already.
            if (locked_ && down && IsListKey(wParam)) { result = 0; return true; }
            result = CallDefault(msg, wParam, lParam);
            return true;
        }
        int key = static_cast<int>(wParam);
        if (down) Fire(KeyDown, key, CurrentShiftState());
        else if (msg == WM_CHAR) Fire(KeyPress, key);
        else Fire(KeyUp, key, CurrentShiftState());
        if (key == 0 || (locked_ && (msg == WM_CHAR || (down && IsListKey(wParam))))) {
            result = 0;
            return true;
        }
        result = CallDefault(msg, static_cast<WPARAM>(key), lParam);
        return true;
    }
    case WM_NCDESTROY:
        // The window goes (its form unloads): so does the list.
        rows_.clear();
        newIndex_ = lastIndex_ = -1;
        edit_ = nullptr;
        return false;
    default:
        return false;
    }
}

bool ComboBox::OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (msg == WM_MEASUREITEM && OwnerDrawn()) {
        // Asked while the window is made: the heights it is given then need
        // no resizing afterwards.
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        int field = 0, row = 0;
        ItemHeights(field, row);
        measure.itemHeight = static_cast<UINT>(measure.itemID == static_cast<UINT>(-1) ? field : row);
        result = TRUE;
        return true;
    }
    if (msg == WM_DRAWITEM && OwnerDrawn()) {
        DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    if (msg != WM_COMMAND) return false;
    switch (HIWORD(wParam)) {
    case CBN_SELCHANGE: {
        int index = ListIndex();
        if (index != lastIndex_) {
            lastIndex_ = index;
            Fire(Click);
        }
        break;
    }
    case CBN_EDITCHANGE:
        SyncIndex();
        Fire(Change);
        break;
    case CBN_DROPDOWN: Fire(DropDown); break;
    case CBN_SETFOCUS: Fire(GotFocus); break;
    case CBN_KILLFOCUS: Fire(LostFocus); break;
    default: break;
    }
    return false;
}

bool ComboBox::OnEditMessage(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        bool down = msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
        int key = static_cast<int>(wParam);
        Fire(down ? KeyDown : KeyUp, key, CurrentShiftState());
        // The edit part hands the list keys to the list itself, past the box.
        if (key != 0 && !(locked_ && down && IsListKey(wParam))) return false;
        result = 0;
        return true;
    }
    case WM_CHAR: {
        if (!KeyPress) return false;
        int ascii = static_cast<int>(wParam);
        Fire(KeyPress, ascii);
        if (ascii == static_cast<int>(wParam)) return false;
        result = ascii == 0 ? 0 : DefSubclass(edit, msg, static_cast<WPARAM>(ascii), lParam);
        return true;
    }
    case WM_LBUTTONDOWN: Fire(MouseDown, MouseAt(edit, hWnd(), lParam, ButtonLeft, wParam)); return false;
    case WM_RBUTTONDOWN: Fire(MouseDown, MouseAt(edit, hWnd(), lParam, ButtonRight, wParam)); return false;
    case WM_LBUTTONUP: Fire(MouseUp, MouseAt(edit, hWnd(), lParam, ButtonLeft, wParam)); return false;
    case WM_RBUTTONUP: Fire(MouseUp, MouseAt(edit, hWnd(), lParam, ButtonRight, wParam)); return false;
    case WM_MOUSEMOVE: Fire(MouseMove, MouseAt(edit, hWnd(), lParam, 0, wParam)); return false;
    case WM_CONTEXTMENU:
        if (!MouseUp) return false;
        result = 0;
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK ComboBox::EditProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR refData)
{
    auto* self = reinterpret_cast<ComboBox*>(refData);
    if (msg == WM_NCDESTROY) {
        RemoveSubclass(wnd, EditProc, kEditSubclass);
        if (self->edit_ == wnd) self->edit_ = nullptr;
        return DefSubclass(wnd, msg, wParam, lParam);
    }
    LRESULT result = 0;
    bool handled = false;
    try {
        handled = self->OnEditMessage(wnd, msg, wParam, lParam, result);
    } catch (...) {
        handled = false; // handlers report their own errors
    }
    return handled ? result : DefSubclass(wnd, msg, wParam, lParam);
}

} // namespace Runtime
