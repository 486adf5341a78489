#include "runtime/ListView.h"

#include <commctrl.h>

#include "runtime/CommonControls.h"
#include "runtime/ImageList.h"

namespace Runtime {

namespace {

const int ErrImageListNotReady = 35613;
const int kDefaultColumnWidth = 96;

} // namespace

// ---- ListItem

void ListItem::SetKey(const std::wstring& key)
{
    owner_.items_.list_.Rekey(*this, key);
}

void ListItem::SetText(const std::wstring& text)
{
    text_ = text;
    if (HWND wnd = owner_.hWnd()) {
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = const_cast<wchar_t*>(text_.c_str());
        SendMessageW(wnd, LVM_SETITEMTEXTW, Row(), reinterpret_cast<LPARAM>(&item));
    }
}

std::wstring ListItem::SubItems(int index) const
{
    if (index < 1) Raise(ErrInvalidProperty);
    size_t i = static_cast<size_t>(index - 1);
    return i < subItems_.size() ? subItems_[i] : std::wstring();
}

void ListItem::SetSubItems(int index, const std::wstring& text)
{
    if (index < 1 || index > 255) Raise(ErrInvalidProperty);
    size_t i = static_cast<size_t>(index - 1);
    if (subItems_.size() <= i) subItems_.resize(i + 1);
    subItems_[i] = text;
    owner_.ShowSubItem(*this, index);
}

void ListItem::SetSmallIcon(const std::wstring& key)
{
    if (!key.empty()) owner_.IconIndex(key); // raises for a key the list cannot show
    smallIcon_ = key;
    owner_.ShowIcon(*this);
}

bool ListItem::Selected() const
{
    HWND wnd = owner_.hWnd();
    return wnd && (SendMessageW(wnd, LVM_GETITEMSTATE, Row(), LVIS_SELECTED) & LVIS_SELECTED);
}

void ListItem::SetSelected(bool selected)
{
    if (!owner_.hWnd()) return;
    ListView::Quiet quiet(owner_);
    if (selected) owner_.SetItemState(-1, 0, LVIS_SELECTED);
    owner_.SetItemState(Row(), selected ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void ListItem::EnsureVisible()
{
    if (HWND wnd = owner_.hWnd()) SendMessageW(wnd, LVM_ENSUREVISIBLE, Row(), FALSE);
}

int ListItem::Top() const
{
    RECT r{};
    r.left = LVIR_BOUNDS;
    HWND wnd = owner_.hWnd();
    if (!wnd || !SendMessageW(wnd, LVM_GETITEMRECT, Row(), reinterpret_cast<LPARAM>(&r))) return 0;
    return r.top;
}

int ListItem::Height() const
{
    RECT r{};
    r.left = LVIR_BOUNDS;
    HWND wnd = owner_.hWnd();
    if (!wnd || !SendMessageW(wnd, LVM_GETITEMRECT, Row(), reinterpret_cast<LPARAM>(&r))) return 0;
    return r.bottom - r.top;
}

// ---- ColumnHeader

void ColumnHeader::SetText(const std::wstring& text)
{
    text_ = text;
    if (HWND wnd = owner_.hWnd()) {
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT;
        col.pszText = const_cast<wchar_t*>(text_.c_str());
        SendMessageW(wnd, LVM_SETCOLUMNW, index_ - 1, reinterpret_cast<LPARAM>(&col));
    }
}

int ColumnHeader::Width() const
{
    if (HWND wnd = owner_.hWnd()) return static_cast<int>(SendMessageW(wnd, LVM_GETCOLUMNWIDTH, index_ - 1, 0));
    return width_;
}

void ColumnHeader::SetWidth(int width)
{
    if (width < 0) Raise(ErrInvalidProperty);
    width_ = width;
    if (HWND wnd = owner_.hWnd()) SendMessageW(wnd, LVM_SETCOLUMNWIDTH, index_ - 1, MAKELPARAM(width, 0));
}

// ---- collections

ListItem& ListView::ItemCollection::Add(int index, const std::wstring& key, const std::wstring& text)
{
    auto made = std::unique_ptr<ListItem>(new ListItem(owner_));
    made->key_ = key;
    made->text_ = text;
    ListItem& item = list_.Insert(index, std::move(made));
    owner_.InsertItemWindow(item);
    return item;
}

void ListView::ItemCollection::Remove(int index)
{
    list_.At(index);
    if (HWND wnd = owner_.hWnd()) {
        Quiet quiet(owner_);
        SendMessageW(wnd, LVM_DELETEITEM, index - 1, 0);
    }
    list_.Take(index);
}

void ListView::ItemCollection::Remove(const std::wstring& key)
{
    Remove(list_.ByKey(key).Index());
}

void ListView::ItemCollection::Clear()
{
    if (HWND wnd = owner_.hWnd()) {
        Quiet quiet(owner_);
        SendMessageW(wnd, LVM_DELETEALLITEMS, 0, 0);
    }
    list_.Clear();
}

ColumnHeader& ListView::ColumnCollection::Add(const std::wstring& text, int width, const std::wstring& key)
{
    if (width < -1) Raise(ErrInvalidProperty);
    auto made = std::unique_ptr<ColumnHeader>(new ColumnHeader(owner_));
    made->key_ = key;
    made->text_ = text;
    made->width_ = width < 0 ? kDefaultColumnWidth : width;
    ColumnHeader& column = list_.Insert(0, std::move(made));
    owner_.InsertColumnWindow(column);
    return column;
}

// ---- ListView

ListView::ListView(Form* form, Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index)
{
    Control::SetBackColor(ColorWindow);
    Control::SetForeColor(ColorWindowText);
}

void ListView::Create(int left, int top, int width, int height)
{
    EnsureCommonControls();
    DWORD style = WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;
    CreateControlWindow(WC_LISTVIEWW, style, WS_EX_CLIENTEDGE, L"", left, top, width, height);
    DWORD ex = LVS_EX_FULLROWSELECT;
    SendMessageW(hWnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
    ApplyColors();
    if (smallIcons_)
        SendMessageW(hWnd(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(smallIcons_->Handle()));
    Quiet quiet(*this);
    for (const auto& column : columns_.list_) InsertColumnWindow(*column);
    for (const auto& item : items_.list_) InsertItemWindow(*item);
}

void ListView::InsertColumnWindow(const ColumnHeader& column)
{
    if (!hWnd()) return;
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.pszText = const_cast<wchar_t*>(column.text_.c_str());
    col.cx = column.width_;
    col.iSubItem = column.index_ - 1;
    SendMessageW(hWnd(), LVM_INSERTCOLUMNW, column.index_ - 1, reinterpret_cast<LPARAM>(&col));
    // Items may hold texts for this column already.
    if (column.index_ > 1)
        for (const auto& item : items_.list_) ShowSubItem(*item, column.index_ - 1);
}

void ListView::InsertItemWindow(const ListItem& item)
{
    if (!hWnd()) return;
    Quiet quiet(*this);
    LVITEMW lv{};
    lv.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    lv.iItem = item.Row();
    lv.pszText = const_cast<wchar_t*>(item.text_.c_str());
    lv.lParam = reinterpret_cast<LPARAM>(&item);
    lv.iImage = ShownIcon(item);
    SendMessageW(hWnd(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lv));
    for (size_t i = 0; i < item.subItems_.size(); ++i) ShowSubItem(item, static_cast<int>(i) + 1);
}

void ListView::ShowSubItem(const ListItem& item, int index)
{
    if (!hWnd() || index >= columns_.Count() || static_cast<size_t>(index) > item.subItems_.size()) return;
    LVITEMW lv{};
    lv.iSubItem = index;
    lv.pszText = const_cast<wchar_t*>(item.subItems_[static_cast<size_t>(index - 1)].c_str());
    SendMessageW(hWnd(), LVM_SETITEMTEXTW, item.Row(), reinterpret_cast<LPARAM>(&lv));
}

int ListView::IconIndex(const std::wstring& key) const
{
    if (!smallIcons_) throw Error(ErrImageListNotReady, "ImageList must be initialized before it can be used");
    return smallIcons_->ListImages()(key).Index() - 1;
}

// The image the item shows: none when its key is not (or no longer) there.
int ListView::ShownIcon(const ListItem& item) const
{
    if (item.smallIcon_.empty() || !smallIcons_) return I_IMAGENONE;
    ListImage* image = smallIcons_->ListImages().Find(item.smallIcon_);
    return image ? image->Index() - 1 : I_IMAGENONE;
}

void ListView::ShowIcon(const ListItem& item)
{
    if (!hWnd()) return;
    LVITEMW lv{};
    lv.mask = LVIF_IMAGE;
    lv.iItem = item.Row();
    lv.iImage = ShownIcon(item);
    SendMessageW(hWnd(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&lv));
}

void ListView::SetSmallIcons(ImageList* images)
{
    smallIcons_ = images;
    if (!hWnd()) return;
    SendMessageW(hWnd(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
    for (const auto& item : items_.list_)
        if (!item->smallIcon_.empty()) ShowIcon(*item);
}

void ListView::SetItemState(int row, UINT state, UINT mask)
{
    LVITEMW lv{};
    lv.stateMask = mask;
    lv.state = state;
    SendMessageW(hWnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&lv));
}

ListItem* ListView::SelectedItem() const
{
    if (!hWnd()) return nullptr;
    int row = static_cast<int>(SendMessageW(hWnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0 || row >= items_.Count()) return nullptr;
    return &items_.list_.At(row + 1);
}

void ListView::SetSelectedItem(ListItem* item)
{
    if (item && &item->owner_ != this) Raise(ErrInvalidProperty);
    if (!hWnd()) return;
    Quiet quiet(*this);
    SetItemState(-1, 0, LVIS_SELECTED);
    if (!item) return;
    SetItemState(item->Row(), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageW(hWnd(), LVM_SETSELECTIONMARK, 0, item->Row());
}

HWND ListView::HeaderWindow() const
{
    return hWnd() ? reinterpret_cast<HWND>(SendMessageW(hWnd(), LVM_GETHEADER, 0, 0)) : nullptr;
}

void ListView::ApplyColors()
{
    if (!hWnd()) return;
    COLORREF back = ResolveColor(BackColor());
    SendMessageW(hWnd(), LVM_SETBKCOLOR, 0, back);
    SendMessageW(hWnd(), LVM_SETTEXTBKCOLOR, 0, back);
    SendMessageW(hWnd(), LVM_SETTEXTCOLOR, 0, ResolveColor(ForeColor()));
}

void ListView::SetForeColor(OleColor color)
{
    Control::SetForeColor(color);
    ApplyColors();
}

void ListView::SetBackColor(OleColor color)
{
    Control::SetBackColor(color);
    ApplyColors();
}

bool ListView::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT&)
{
    if (msg == WM_NCDESTROY) {
        items_.list_.Clear();
        columns_.list_.Clear();
    }
    return false;
}

bool ListView::OnReflect(UINT msg, WPARAM, LPARAM lParam, LRESULT&)
{
    if (msg != WM_NOTIFY) return false;
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    switch (hdr->code) {
    case LVN_ITEMCHANGED: {
        const auto* nm = reinterpret_cast<const NMLISTVIEW*>(lParam);
        bool gained = (nm->uChanged & LVIF_STATE) && (nm->uNewState & LVIS_SELECTED) && !(nm->uOldState & LVIS_SELECTED);
        if (gained && quiet_ == 0 && nm->iItem >= 0 && nm->iItem < items_.Count())
            Fire(ItemClick, items_.list_.At(nm->iItem + 1));
        break;
    }
    case NM_CLICK: Fire(Click); break;
    case NM_DBLCLK: Fire(DblClick); break;
    default: break;
    }
    return false;
}

} // namespace Runtime
