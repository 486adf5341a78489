#pragma once
// A list view in report view: column headers, one row per item, the whole
// row selected, one item at a time, the selection shown even without the
// focus, no sorting and no label editing. Items, columns and their texts
// are kept here; the window shows them in the same order, so an item's
// position in the window is its Index - 1.
//
// ItemClick is raised once each time the user (or any message from outside
// this class, such as LVM_SETITEMSTATE) makes another item the selected one:
// by a click or by the keyboard. Selecting in code (SetSelectedItem,
// ListItem::SetSelected) raises no ItemClick, as the classic list view does:
// a program that wants its handler to run calls it itself. A click on the
// item that is already selected changes nothing and raises no ItemClick.
#include <vector>

#include "runtime/Control.h"
#include "runtime/KeyedList.h"

namespace Runtime {

class ImageList;
class ListView;

class ListItem {
public:
    int Index() const noexcept { return index_; }             // 1-based
    const std::wstring& Key() const noexcept { return key_; }
    void SetKey(const std::wstring& key);                     // error 35602 when taken
    const std::wstring& Text() const noexcept { return text_; }
    void SetText(const std::wstring& text);
    std::wstring Tag;

    // The texts of the columns after the first, 1-based; kept for columns the
    // list does not have (yet) too. Error 380 for an index below 1.
    std::wstring SubItems(int index) const;
    void SetSubItems(int index, const std::wstring& text);

    // The key of the small icon in the list's SmallIcons, or empty for none.
    // Error 35613 when the list has no image list, 35601 for an unknown key.
    const std::wstring& SmallIcon() const noexcept { return smallIcon_; }
    void SetSmallIcon(const std::wstring& key);

    bool Selected() const;
    void SetSelected(bool selected);      // raises no ItemClick
    void EnsureVisible();
    // The row's place in pixels, in the list's client area.
    int Top() const;
    int Height() const;

    ListView& Owner() const noexcept { return owner_; }

private:
    friend class KeyedList<ListItem>;
    friend class ListView;
    explicit ListItem(ListView& owner) : owner_(owner) {}
    int Row() const noexcept { return index_ - 1; }

    ListView& owner_;
    std::wstring key_;
    int index_ = 0;
    std::wstring text_;
    std::vector<std::wstring> subItems_;
    std::wstring smallIcon_;
};

class ColumnHeader {
public:
    int Index() const noexcept { return index_; }
    const std::wstring& Key() const noexcept { return key_; }
    std::wstring Text() const { return text_; }
    void SetText(const std::wstring& text);
    int Width() const;                    // pixels, as the user may have dragged it
    void SetWidth(int width);

private:
    friend class KeyedList<ColumnHeader>;
    friend class ListView;
    explicit ColumnHeader(ListView& owner) : owner_(owner) {}

    ListView& owner_;
    std::wstring key_;
    int index_ = 0;
    std::wstring text_;
    int width_ = 96;
};

class ListView : public Control {
public:
    ListView(Form* form, Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"ListView"; }

    // Creates the window; columns and items added before are shown. When the
    // window is destroyed, its columns and items go with it.
    void Create(int left, int top, int width, int height);

    class ItemCollection {
    public:
        // Adds at `index` (1 to Count + 1; 0 = the end). Error 35600 for
        // another index, 35602 for a key that is taken (empty: no key).
        ListItem& Add(int index = 0, const std::wstring& key = L"", const std::wstring& text = L"");
        int Count() const noexcept { return list_.Count(); }
        ListItem& operator()(int index) const { return list_.At(index); }        // error 35600
        ListItem& operator()(const std::wstring& key) const { return list_.ByKey(key); } // error 35601
        ListItem* Find(const std::wstring& key) const noexcept { return list_.Find(key); }
        void Remove(int index);
        void Remove(const std::wstring& key);
        void Clear();
        auto begin() const noexcept { return list_.begin(); }
        auto end() const noexcept { return list_.end(); }

    private:
        friend class ListView;
        friend class ListItem;
        explicit ItemCollection(ListView& owner) : owner_(owner) {}
        ListView& owner_;
        KeyedList<ListItem> list_;
    };

    class ColumnCollection {
    public:
        // Width in pixels; -1 for the default (96).
        ColumnHeader& Add(const std::wstring& text, int width = -1, const std::wstring& key = L"");
        int Count() const noexcept { return list_.Count(); }
        ColumnHeader& operator()(int index) const { return list_.At(index); }
        ColumnHeader& operator()(const std::wstring& key) const { return list_.ByKey(key); }

    private:
        friend class ListView;
        explicit ColumnCollection(ListView& owner) : owner_(owner) {}
        ListView& owner_;
        KeyedList<ColumnHeader> list_;
    };

    ItemCollection& ListItems() noexcept { return items_; }
    const ItemCollection& ListItems() const noexcept { return items_; }
    ColumnCollection& ColumnHeaders() noexcept { return columns_; }
    const ColumnCollection& ColumnHeaders() const noexcept { return columns_; }

    // The selected item, or null. Setting selects it and gives it the focus
    // mark (null: nothing selected); it raises no ItemClick.
    ListItem* SelectedItem() const;
    void SetSelectedItem(ListItem* item);

    // The image list of the small icons (not owned; it must outlive the list).
    ImageList* SmallIcons() const noexcept { return smallIcons_; }
    void SetSmallIcons(ImageList* images);

    // The column header window (the list's first child), or null.
    HWND HeaderWindow() const;

    void SetForeColor(OleColor color) override;
    void SetBackColor(OleColor color) override;

    std::function<void(ListItem& item)> ItemClick;

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    friend class ListItem;
    friend class ColumnHeader;

    // Selection changes made by this class raise no ItemClick.
    class Quiet {
    public:
        explicit Quiet(ListView& list) : list_(list) { ++list_.quiet_; }
        ~Quiet() { --list_.quiet_; }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;
    private:
        ListView& list_;
    };

    void InsertColumnWindow(const ColumnHeader& column);
    void InsertItemWindow(const ListItem& item);
    void ShowSubItem(const ListItem& item, int index);
    void ShowIcon(const ListItem& item);
    int IconIndex(const std::wstring& key) const;
    int ShownIcon(const ListItem& item) const;
    void SetItemState(int row, UINT state, UINT mask);
    void ApplyColors();

    ItemCollection items_{*this};
    ColumnCollection columns_{*this};
    ImageList* smallIcons_ = nullptr;
    int quiet_ = 0;
};

} // namespace Runtime
