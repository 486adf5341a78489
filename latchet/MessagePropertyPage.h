#pragma once
// The Message property page: the window-message names in a list box whose
// items are checked by selecting them, the messages the control hooks
// checked at the top, and a label counting them. Apply writes the checked
// messages to the control's Messages.
#include <string>
#include <vector>

#include "latchet/MessagePage.h"
#include "runtime/PropertyPage.h"

class MessagePropertyPage final : public Runtime::PropertyPage {
public:
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
    const wchar_t* Source() const override { return L"Message"; }

    // An item checked or unchecked: the page list follows the checks.
    void lbMessage_ItemCheck();
    // The texts of the table's rows, blanks before the TAB lining the values up.
    std::vector<std::wstring> ItemTexts(const std::vector<MessagePage::Item>& items) const;

    HWND lbMessage_ = nullptr;
    HWND ltCount_ = nullptr;
    std::wstring pageList_;
    bool filling_ = false;
};
