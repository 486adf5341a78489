#pragma once
// The Message property page: the window-message names in a list with a
// check box per item, the messages the control hooks checked at the top,
// and a label counting them. Apply writes the checked messages to the
// control's Messages. A right click on the list pops up the control's list
// menu over it; keys in the list check, copy, find and move between the
// checked items.
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

    // An item checked or unchecked: the page list follows the checks.
    void lbMessage_ItemCheck();
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
    std::wstring pageList_;
    std::vector<long> values_; // each item's message number, in list order
    std::vector<bool> checks_; // each item's check, as the page list holds it
    int tabStop_ = 0;
    bool filling_ = false;
};
