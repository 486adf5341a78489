#pragma once
// The Message property page: the window-message names in a list with a
// check box per item, the messages the control hooks checked at the top,
// and a label counting them. Apply writes the checked messages to the
// control's Messages. A right click on the list pops up the control's list
// menu over it; keys in the list check, copy, find and move between the
// checked items.
#include <map>
#include <string>
#include <vector>

#include "latchet/MessagePage.h"
#include "runtime/PropertyPage.h"

class CheckListObject;

class MessagePropertyPage final : public Runtime::PropertyPage {
public:
    ~MessagePropertyPage() override;
    HWND lbMessage() const noexcept { return lbMessage_; }
    HWND ltCount() const noexcept { return ltCount_; }

private:
    friend class Runtime::PropertyPage;
    MessagePropertyPage() : PropertyPage(L"Messages") {}

    void CreateContent(HWND page) override;
    void Layout(int width, int height) override;
    void Load(IDispatch* control) override;
    HRESULT Save(IDispatch* control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void FocusProperty() override;
    const wchar_t* Source() const override { return L"Message"; }

    // Items checked or unchecked by the user: the page list follows the
    // checks (the list notes only that its selection changed).
    void lbMessage_ItemCheck();
    // Item `index` checked or unchecked by the program.
    void ItemChecked(int index);
    // Takes the item's new check into the page list; true when it changed.
    bool TakeCheck(std::size_t index, bool checked);
    // The count label and the changed state after checks were taken.
    void ChecksTaken();
    void lbMessage_KeyDown(int keyCode, int shift);
    void lbMessage_MouseUp();
    // Checks or unchecks every item, the hourglass shown meanwhile.
    void CheckAll(bool checked);
    // Puts the current item's text on the clipboard.
    void CopyCurrent();
    // The texts of the table's rows, blanks before the TAB lining the values
    // up; sets the TAB's position for drawing.
    std::vector<std::wstring> ItemTexts(const std::vector<MessagePage::Item>& items);
    // Lets go of the list window: its subclass and the list object.
    void ReleaseList();
    static LRESULT CALLBACK ListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR page);

    HWND lbMessage_ = nullptr;
    HWND ltCount_ = nullptr;
    CheckListObject* listObject_ = nullptr; // lbMessage as the list menu reaches it
    // The page list is kept as the checks it stands for: it is made from
    // them in list order when written back. A check costs no more than
    // the count of its value, also when the whole list is checked item by
    // item.
    std::vector<long> values_;        // each item's message number, in list order
    std::vector<bool> checks_;        // each item's check
    std::map<long, int> checkedRows_; // each checked number: its checked items
    int tabStop_ = 0;
    bool filling_ = false;
};
