#pragma once
// A Unicode list box, with single or multiple selection. Click is raised once
// per change of the selection, whether the user or the program made it
// (SetListIndex, SetSelected); DblClick on the user's double click.
#include <vector>

#include "runtime/Capabilities.h"
#include "runtime/Control.h"

namespace Runtime {

class ListBox : public Control, public IList {
public:
    enum : int { SelectSingle = 0, SelectSimple = 1, SelectExtended = 2 };

    ListBox(Form* form, Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"ListBox"; }

    // Creates the window; items added before are shown, and the list is
    // emptied when the window is destroyed.
    void Create(int left, int top, int width, int height);

    // 0 single, 1 simple (a click toggles), 2 extended (Shift and Ctrl);
    // taken when the window is made (error 380 afterwards or for other values).
    int MultiSelect() const noexcept { return multiSelect_; }
    void SetMultiSelect(int mode);

    // IList. With multiple selection, ListIndex is the item with the focus
    // and setting it also selects that item.
    int ListCount() const override { return static_cast<int>(items_.size()); }
    std::wstring List(int index) const override;        // "" outside the list
    void SetList(int index, const std::wstring& text);  // error 381 outside the list
    int ListIndex() const override;
    void SetListIndex(int index) override;               // error 380 outside -1..ListCount-1
    void AddItem(const std::wstring& text, int index = -1) override; // error 5 outside -1..ListCount
    void RemoveItem(int index) override;                 // error 5 outside the list
    void Clear() override;
    long ItemData(int index) const override;            // error 381 outside the list
    void SetItemData(int index, long data) override;
    int NewIndex() const override { return newIndex_; }

    bool Selected(int index) const;                       // error 381 outside the list
    void SetSelected(int index, bool selected);
    int SelCount() const;

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    struct Item {
        std::wstring text;
        long data = 0;
    };
    void CheckIndex(int index) const;
    bool Multi() const noexcept { return multiSelect_ != SelectSingle; }

    std::vector<Item> items_;
    int multiSelect_ = SelectSingle;
    int newIndex_ = -1;
    int lastIndex_ = -1;
};

} // namespace Runtime
