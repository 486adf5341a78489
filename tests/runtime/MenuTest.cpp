// Popup menus: the system menu built from the items (hidden items left
// out, separators, grey, checks, submenus), the chosen item's Click run
// before PopupMenu returns, control arrays of items, and command numbers
// that name an item by its place among the form's menu items.
#include "runtime/ErrorReport.h"
#include "runtime/Form.h"
#include "runtime/Menu.h"
#include "tests/runtime/WaitFor.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace Runtime;

class MenuForm : public Form {
public:
    MenuForm() : Form(L"fwMenus") {}

    Menu mEdit{this, nullptr, L"mEdit", -1, L"&Edit"};
    Menu mEditUndo{this, &mEdit, L"mEditUndo", -1, L"&Undo"};
    Menu mEditSeparator1{this, &mEdit, L"mEditSeparator1", -1, L"-"};
    Menu mEditCut{this, &mEdit, L"mEditCut", -1, L"Cu&t"};
    Menu mEditCopy{this, &mEdit, L"mEditCopy", -1, L"&Copy"};
    Menu mEditMore{this, &mEdit, L"mEditMore", -1, L"&More"};
    Menu mEditMoreA{this, &mEditMore, L"mEditMoreA", -1, L"&A"};
    Menu mEditSelectAll{this, &mEdit, L"mEditSelectAll", -1, L"Select &All"};

    Menu mType{this, nullptr, L"mType", -1, L"&Type"};
    std::vector<std::unique_ptr<Menu>> mTypeList = DesignTypeList();
    Menu mTypeOther{this, &mType, L"mTypeOther", -1, L"Other"};

    // Elements 1 and up are loaded at run time.
    void LoadTypeItem(int i, const std::wstring& caption)
    {
        mTypeList.push_back(std::make_unique<Menu>(this, &mType, L"mTypeList", i, caption));
    }

private:
    // Element 0 exists from the start, in its place in the menu.
    std::vector<std::unique_ptr<Menu>> DesignTypeList()
    {
        std::vector<std::unique_ptr<Menu>> list;
        list.push_back(std::make_unique<Menu>(this, &mType, L"mTypeList", 0, L"Letter"));
        return list;
    }

protected:
    void CreateControls() override { Move(100, 100, 300, 200); }
};

struct Shown {
    std::wstring text;
    bool grey, checked, popup;
};

// What the system menu holds, top level.
std::vector<Shown> Contents(HMENU menu)
{
    std::vector<Shown> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_STRING | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
        mii.dwTypeData = text;
        mii.cch = 64;
        GetMenuItemInfoW(menu, i, TRUE, &mii);
        std::wstring shown = (mii.fType & MFT_SEPARATOR) ? L"-" : text;
        items.push_back({shown, (mii.fState & MF_GRAYED) != 0, (mii.fState & MFS_CHECKED) != 0,
                         mii.hSubMenu != nullptr});
    }
    return items;
}

// Answers popups in place of the user: records what was offered and
// chooses the item with the given caption (none when empty).
class Chooser {
public:
    explicit Chooser(std::wstring choose) : choose_(std::move(choose))
    {
        old_ = SetPopupChooser([this](HMENU menu, HWND owner) { return Answer(menu, owner); });
    }
    ~Chooser() { SetPopupChooser(old_); }
    std::vector<Shown> offered;
    HWND owner = nullptr;
    int shown = 0;

private:
    UINT Answer(HMENU menu, HWND wnd)
    {
        ++shown;
        owner = wnd;
        offered = Contents(menu);
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[64] = {};
            GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
            if (!choose_.empty() && choose_ == text) return GetMenuItemID(menu, i);
        }
        return 0;
    }
    std::wstring choose_;
    PopupChooser old_;
};

TEST(Menu, PopupShowsTheVisibleItemsWithTheirState)
{
    MenuForm form;
    ASSERT_TRUE(form.Load());
    form.mEditUndo.SetVisible(false);
    form.mEditSeparator1.SetVisible(false);
    form.mEditCut.SetEnabled(false);
    form.mEditCopy.SetChecked(true);
    Chooser chooser(L"");
    PopupMenu(form, form.mEdit, 10, 10);
    ASSERT_EQ(chooser.shown, 1);
    EXPECT_EQ(chooser.owner, form.hWnd());
    struct Expect { const wchar_t* text; bool grey, checked, popup; };
    const Expect expected[] = {{L"Cu&t", true, false, false},
                               {L"&Copy", false, true, false},
                               {L"&More", false, false, true},
                               {L"Select &All", false, false, false}};
    ASSERT_EQ(chooser.offered.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(chooser.offered[i].text, expected[i].text) << i;
        EXPECT_EQ(chooser.offered[i].grey, expected[i].grey) << i;
        EXPECT_EQ(chooser.offered[i].checked, expected[i].checked) << i;
        EXPECT_EQ(chooser.offered[i].popup, expected[i].popup) << i;
    }

    // A submenu whose items are all hidden is a plain item; a menu with
    // nothing visible does not pop up at all.
    form.mEditMoreA.SetVisible(false);
    PopupMenu(form, form.mEdit, 10, 10);
    EXPECT_FALSE(chooser.offered[2].popup);
    for (Menu* m : form.mEdit.Items()) m->SetVisible(false);
    PopupMenu(form, form.mEdit, 10, 10);
    EXPECT_EQ(chooser.shown, 2);
}

TEST(Menu, TheChosenItemsClickRunsBeforePopupMenuReturns)
{
    MenuForm form;
    ASSERT_TRUE(form.Load());
    std::vector<std::string> events;
    form.mEditCopy.Click = [&] { events.push_back("copy"); };
    form.mEditMoreA.Click = [&] { events.push_back("a"); };
    form.mEditCut.Click = [&] { events.push_back("cut"); };
    {
        Chooser chooser(L"&Copy");
        PopupMenu(form, form.mEdit);
        events.push_back("returned");
    }
    EXPECT_EQ(events, (std::vector<std::string>{"copy", "returned"}));

    // Nothing chosen: no Click.
    events.clear();
    {
        Chooser chooser(L"");
        PopupMenu(form, form.mEdit);
    }
    EXPECT_TRUE(events.empty());

    // An error in the Click is reported, not thrown through PopupMenu.
    std::vector<int> reported;
    ErrorReporter old = SetErrorReporter([&](int n, const std::string&) { reported.push_back(n); });
    form.mEditCopy.Click = [] { Raise(ErrInvalidCall); };
    {
        Chooser chooser(L"&Copy");
        EXPECT_NO_THROW(PopupMenu(form, form.mEdit));
    }
    SetErrorReporter(old);
    EXPECT_EQ(reported, std::vector<int>{ErrInvalidCall});
}

TEST(Menu, ControlArrayItemsAndCommandNumbers)
{
    MenuForm form;
    ASSERT_TRUE(form.Load());
    form.LoadTypeItem(1, L"Digit");
    form.LoadTypeItem(2, L"Symbol");
    std::vector<int> clicked;
    for (auto& m : form.mTypeList) m->Click = [&, i = m->Index()] { clicked.push_back(i); };

    // Loaded elements go after the array's last element, before "Other".
    std::vector<std::wstring> order;
    for (Menu* m : form.mType.Items()) order.push_back(m->Caption());
    EXPECT_EQ(order, (std::vector<std::wstring>{L"Letter", L"Digit", L"Symbol", L"Other"}));
    {
        Chooser chooser(L"Digit");
        PopupMenu(form, form.mType, 0, 0);
    }
    EXPECT_EQ(clicked, std::vector<int>{1});

    // Command numbers count the form's menu items in creation order, from 1.
    std::vector<Menu*> all;
    for (Control* c : form.Controls())
        if (auto* m = dynamic_cast<Menu*>(c)) all.push_back(m);
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i]->CommandId(), i + 1) << all[i]->Name().c_str();
        EXPECT_EQ(Menu::MenuItemFromCommand(form, static_cast<UINT>(i + 1)), all[i]);
    }
    EXPECT_EQ(Menu::MenuItemFromCommand(form, 0), nullptr);
    EXPECT_EQ(Menu::MenuItemFromCommand(form, static_cast<UINT>(all.size() + 1)), nullptr);

    // Unloading an element takes it out of its menu.
    form.mTypeList.erase(form.mTypeList.begin() + 1);
    EXPECT_EQ(form.mType.Items().size(), 3u);
}

// The real menu: a timer running inside the menu's own loop picks an item
// with the keyboard, as a user would.
struct KeyScript {
    static std::vector<WPARAM> keys;
    static HWND seenMenu;
    // The popup menu window of this thread (other processes may show menus too).
    static BOOL CALLBACK FindMenu(HWND wnd, LPARAM found)
    {
        wchar_t cls[16] = {};
        GetClassNameW(wnd, cls, 16);
        if (lstrcmpW(cls, L"#32768") != 0 || !IsWindowVisible(wnd)) return TRUE;
        *reinterpret_cast<HWND*>(found) = wnd;
        return FALSE;
    }
    static void CALLBACK Press(HWND owner, UINT, UINT_PTR id, DWORD)
    {
        HWND menu = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindMenu, reinterpret_cast<LPARAM>(&menu));
        if (!menu) return;
        KillTimer(owner, id);
        seenMenu = menu;
        for (WPARAM key : keys) {
            PostMessageW(menu, WM_KEYDOWN, key, 0);
            PostMessageW(menu, WM_KEYUP, key, 0xC0000000);
        }
    }
};
std::vector<WPARAM> KeyScript::keys;
HWND KeyScript::seenMenu = nullptr;

TEST(Menu, TheSystemPopupIsShownAndAnsweredByKeys)
{
    MenuForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    form.mEditUndo.SetVisible(false);
    form.mEditSeparator1.SetVisible(false);
    form.mEditCut.SetEnabled(false);
    std::vector<std::string> events;
    form.mEditCopy.Click = [&] { events.push_back("copy"); };
    form.mEditSelectAll.Click = [&] { events.push_back("select all"); };

    struct Case { const char* what; std::vector<WPARAM> keys; std::vector<std::string> events; };
    const Case cases[] = {
        {"mnemonic", {'C'}, {"copy"}},
        {"arrows past the grey item", {VK_DOWN, VK_DOWN, VK_RETURN}, {"copy"}},
        {"mnemonic of a hidden item", {'U', VK_ESCAPE}, {}},
        {"mnemonic of the last item", {'A'}, {"select all"}},
        {"escape", {VK_ESCAPE}, {}},
    };
    for (const Case& c : cases) {
        // Another program taking the foreground closes a menu at once; such
        // a showing, which never saw our keys, is tried again.
        for (int attempt = 0; attempt < 3; ++attempt) {
            events.clear();
            KeyScript::keys = c.keys;
            KeyScript::seenMenu = nullptr;
            SetTimer(form.hWnd(), 77, 20, KeyScript::Press);
            PopupMenu(form, form.mEdit, 20, 20);
            KillTimer(form.hWnd(), 77);
            if (KeyScript::seenMenu) break;
        }
        EXPECT_NE(KeyScript::seenMenu, nullptr) << c.what;
        EXPECT_EQ(events, c.events) << c.what;
    }
}

} // namespace
