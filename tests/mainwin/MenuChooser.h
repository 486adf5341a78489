#pragma once
// Answers the window's popup menus in place of the user: records each
// menu's items as shown (a separator as "-", a greyed item marked) and
// chooses the item with the given caption, or none.
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/Menu.h"

namespace MainWinTest {

struct OfferedItem {
    std::wstring text;
    bool enabled = true;
    bool operator==(const OfferedItem&) const = default;
};

class MenuChooser {
public:
    explicit MenuChooser(std::wstring choose = {}) : choose_(std::move(choose))
    {
        old_ = Runtime::SetPopupChooser([this](HMENU menu, HWND) { return Answer(menu); });
    }
    ~MenuChooser() { Runtime::SetPopupChooser(old_); }
    MenuChooser(const MenuChooser&) = delete;
    MenuChooser& operator=(const MenuChooser&) = delete;

    void Choose(std::wstring caption) { choose_ = std::move(caption); }
    // The items of every menu shown, in order.
    std::vector<std::vector<OfferedItem>> shown;
    // The captions of the last menu shown (empty when none was).
    std::vector<std::wstring> LastTexts() const
    {
        std::vector<std::wstring> texts;
        if (!shown.empty())
            for (const auto& item : shown.back()) texts.push_back(item.text);
        return texts;
    }

private:
    UINT Answer(HMENU menu)
    {
        std::vector<OfferedItem> items;
        UINT chosen = 0;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[64] = {};
            MENUITEMINFOW mii{};
            mii.cbSize = sizeof mii;
            mii.fMask = MIIM_STRING | MIIM_FTYPE | MIIM_STATE | MIIM_ID;
            mii.dwTypeData = text;
            mii.cch = 64;
            GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mii);
            const std::wstring shownText = (mii.fType & MFT_SEPARATOR) ? L"-" : text;
            items.push_back({shownText, (mii.fState & MFS_GRAYED) == 0});
            if (!choose_.empty() && shownText == choose_) chosen = mii.wID;
        }
        shown.push_back(items);
        return chosen;
    }

    std::wstring choose_;
    Runtime::PopupChooser old_;
};

} // namespace MainWinTest
