#pragma once
// Menu items of popup menus. A menu is a tree of items: a top item (mEdit)
// whose children are the entries shown when it pops up; an item with
// children of its own is a submenu, and the caption "-" is a separator.
// Items keep their state (Caption, Visible, Enabled, Checked) themselves;
// the system menu is built from them each time the menu pops up, leaving
// out the hidden items.
//
// An item's command number is its 1-based place among the form's menu
// items in creation order, so a WM_MENUSELECT the form receives names the
// item by that number (MenuItemFromCommand).
#include <vector>

#include "runtime/Control.h"

namespace Runtime {

class Menu : public Control {
public:
    // `parent` is the menu the item belongs to; null for a top menu.
    // Items of a control array (index >= 0) loaded later are placed right
    // after the array's last element, as they are shown.
    Menu(Form* form, Menu* parent, std::wstring name, int index = -1, std::wstring caption = L"");
    ~Menu() override;
    std::wstring TypeName() const override { return L"Menu"; }

    const std::wstring& Caption() const noexcept { return caption_; }
    void SetCaption(const std::wstring& caption) { caption_ = caption; }
    bool IsSeparator() const noexcept { return caption_ == L"-"; }
    bool Checked() const noexcept { return checked_; }
    void SetChecked(bool checked) { checked_ = checked; }
    // The help topic of the item (What's This help while it is highlighted).
    long HelpContextID() const noexcept { return helpContextID_; }
    void SetHelpContextID(long id) noexcept { helpContextID_ = id; }

    Menu* Parent() const noexcept { return parent_; }
    const std::vector<Menu*>& Items() const noexcept { return items_; }

    // The item whose command number this is, on the form; null for none.
    static Menu* MenuItemFromCommand(Form& form, UINT command);
    // This item's command number on its form (0 without a form).
    UINT CommandId() const;

private:
    friend void PopupMenu(Form& form, Menu& menu);
    friend void PopupMenu(Form& form, Menu& menu, int x, int y);
    // Builds and shows the popup, then runs the chosen item's Click.
    void Popup(Form& form, POINT screen);

    Menu* parent_;
    std::wstring caption_;
    bool checked_ = false;
    long helpContextID_ = 0;
    std::vector<Menu*> items_;
};

// Shows `menu`'s items as a popup menu at x, y (pixels in the form's client
// area), or at the mouse pointer, and returns once the menu has closed and
// the Click of the chosen item (if any) has run. A menu without a visible
// item shows nothing.
void PopupMenu(Form& form, Menu& menu);
void PopupMenu(Form& form, Menu& menu, int x, int y);

// Test seam: a chooser answers in place of the user. It gets the real
// system menu built for the popup (and the form window) and returns the
// command number of the item chosen, 0 for none. Returns the previous one;
// an empty chooser shows the menu again.
using PopupChooser = std::function<UINT(HMENU menu, HWND owner)>;
PopupChooser SetPopupChooser(PopupChooser chooser);

} // namespace Runtime
