#pragma once
// A Unicode combo box: a drop-down combo (an edit part and a list) or a
// drop-down list. Optionally several columns per row, drawn side by side by
// the box itself; the text of a row, what the edit part shows and what a
// search matches, is always column 0.
//
// Events, once per change:
//  - Click: the current row changed, by the user's choice or SetListIndex.
//    A choice from the list raises Click only (not Change), as the classic
//    combo boxes do; handlers that want both call their Change handler.
//  - Change: the edit text changed, typed by the user or set by SetText.
//  - DropDown: the list is about to drop down (the user or SetDroppedDown);
//    a handler may still set the drop-down width.
//  - KeyDown/KeyPress/KeyUp and the mouse events of the edit part (mouse
//    positions in the combo box's client area); a key handler that sets the
//    key to 0 swallows it. A box with a MouseUp handler shows no built-in
//    edit menu on a right click. GotFocus/LostFocus for the box as a whole.
#include <vector>

#include "runtime/Capabilities.h"
#include "runtime/Control.h"

namespace Runtime {

class ComboBox : public Control, public IList, public IText {
public:
    enum : int { StyleDropDown = 0, StyleDropDownList = 2 };
    static constexpr int MaxColumns = 10;

    ComboBox(Form* form, Control* container, std::wstring name, int index = -1);
    ~ComboBox() override;
    std::wstring TypeName() const override { return L"ComboBox"; }

    // Creates the window. Its height follows the font (Height() is the height
    // of the closed box); the list drops ListRows rows. Rows added before
    // are shown; when the window is destroyed, the list is emptied.
    void Create(int left, int top, int width, int style = StyleDropDown);
    int Style() const noexcept { return style_; }

    // IList (positions 0-based; -1 = no current row).
    int ListCount() const override { return static_cast<int>(rows_.size()); }
    std::wstring List(int index) const override;       // "" outside the list
    int ListIndex() const override;
    void SetListIndex(int index) override;             // error 380 outside -1..ListCount-1
    void AddItem(const std::wstring& text, int index = -1) override; // error 5 outside -1..ListCount
    // Appends rows, as AddItem(text) for each but in one pass.
    void AddItems(const std::vector<std::wstring>& texts);
    void RemoveItem(int index) override;               // error 5 outside the list
    // Empties the list; the edit text stays as it is.
    void Clear() override;
    long ItemData(int index) const override;           // error 381 outside the list
    void SetItemData(int index, long data) override;
    int NewIndex() const override { return newIndex_; } // -1 after a removal or Clear

    // Columns: ColumnCount 1 to MaxColumns (more than 1 draws the columns).
    // List(row, column) holds up to MaxColumns cells per row, whatever the
    // count shown; column 0 is the row's text.
    int ColumnCount() const noexcept { return columnCount_; }
    void SetColumnCount(int count);
    std::wstring List(int row, int column) const;
    void SetList(int row, int column, const std::wstring& text);
    // "w0;w1;..." in points (an entry may end in "pt"; empty or -1: a share
    // of what the others leave; 0 hides the column); error 380 otherwise.
    const std::wstring& ColumnWidths() const noexcept { return columnWidthsText_; }
    void SetColumnWidths(const std::wstring& widths);

    // IText: the edit text (a drop-down list: the current row's text).
    std::wstring Text() const override;
    // A drop-down list takes only the text of one of its rows, which becomes
    // current (error 383 for any other text).
    void SetText(const std::wstring& text) override;
    int SelStart() const override;
    void SetSelStart(int start) override;
    int SelLength() const override;
    void SetSelLength(int length) override;

    // Rows the dropped list shows at most (default 8).
    int ListRows() const noexcept { return listRows_; }
    void SetListRows(int rows);
    bool DroppedDown() const;
    void SetDroppedDown(bool dropped);
    // Width of the dropped list in pixels (never narrower than the box).
    int DropWidth() const;
    void SetDropWidth(int pixels);
    // The same width in points.
    int ListWidth() const;
    void SetListWidth(int points);

    // Whether a drop-down combo shows its drop button (default true); without
    // it the box is an edit field whose list does not drop (the rows stay).
    // A drop-down list always shows its button.
    bool ShowDropButton() const noexcept { return showDropButton_; }
    void SetShowDropButton(bool show);

    // A locked box shows its text but the user cannot change it or the row.
    bool Locked() const noexcept { return locked_; }
    void SetLocked(bool locked);

    void Move(int left, int top, int width, int height) override;
    void SetFont(const FontSpec& font) override;

    std::function<void()> Change, DropDown;

    // The edit part's window (null for a drop-down list).
    HWND EditWindow() const noexcept { return edit_; }

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct Row {
        std::vector<std::wstring> cells{1}; // cells[0] is the row's text
        long data = 0;
    };

    bool OwnerDrawn() const noexcept { return columnCount_ > 1; }
    bool Simple() const noexcept { return style_ == StyleDropDown && !showDropButton_; }
    void MakeWindow(int left, int top, int width);
    void Recreate();
    void Place(int left, int top, int width);
    void SetItemHeights();
    // The heights of the field's and the rows' items in the box's font.
    void ItemHeights(int& field, int& row) const;
    void AttachEdit();
    void DetachEdit();
    void SyncIndex();
    // Hands the rows from `first` on to the window's list, at its end.
    void SendRows(std::size_t first);
    const Row& RowAt(int index) const;
    void DrawRow(const DRAWITEMSTRUCT& item);
    bool OnEditMessage(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    static LRESULT CALLBACK EditProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR refData);

    int style_ = StyleDropDown;
    std::vector<Row> rows_;
    int newIndex_ = -1;
    int lastIndex_ = -1;   // the current row as the last Click left it
    int columnCount_ = 1;
    std::wstring columnWidthsText_;
    std::vector<double> columnWidths_;
    int listRows_ = 8;
    int dropWidth_ = 0;    // 0: as wide as the box
    // What the last placing gave the window: placing it the same way again
    // is skipped (each resize of a combo box moves its drop-down list, a
    // window of its own, at the cost of dozens of round trips under Wine).
    struct Placed {
        RECT rect{};      // the closed box, in the container's client area
        int listExtent = 0;
        int dropWidth = 0;
    };
    Placed placed_;
    bool locked_ = false;
    bool showDropButton_ = true;
    HWND edit_ = nullptr;
};

} // namespace Runtime
