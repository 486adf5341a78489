// The Edit popup menu of the real window: the items each box offers on a
// right click, which of them are enabled for the box's text, selection and
// the clipboard, and the six commands acting on the box. The menu acts on
// the focused control, so these cases need the keyboard focus.
#include "tests/mainwin/LoadedMain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "runtime/Clipboard.h"
#include "tests/mainwin/MenuChooser.h"

namespace {

using MainWinTest::LoadedMain;
using MainWinTest::MenuChooser;

const Runtime::MouseArgs kRightPress{Runtime::ButtonRight, 0, 4, 4};

const std::vector<std::wstring> kEveryItem = {L"&Undo",   L"-", L"Cu&t", L"&Copy",
                                              L"&Paste", L"&Delete", L"-", L"Select &All"};

class EditMenuFocus : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window_.Loaded()); }

    // The menu's items as the last popup showed them, by caption.
    bool Enabled(const MenuChooser& menus, const std::wstring& caption)
    {
        for (const auto& item : menus.shown.back())
            if (item.text == caption) return item.enabled;
        ADD_FAILURE() << "not offered";
        return false;
    }

    void RightClickCopyBox() { window_->tbCopy.MouseUp(kRightPress); }

    LoadedMain window_;
};

TEST_F(EditMenuFocus, EachBoxOffersItsItems)
{
    fwMain& w = *window_;
    MenuChooser menus;
    // The option boxes are enabled with their output forms; a disabled box
    // gets no click at all.
    for (Runtime::Control* box : std::initializer_list<Runtime::Control*>{&w.cbPicture, &w.cbPreview, &w.cbEntity})
        box->SetEnabled(true);
    const struct {
        const wchar_t* what;
        std::function<void()> rightClick;
        Runtime::Control* box;
        std::vector<std::wstring> items;
    } cases[] = {
        {L"copy box", [&] { w.tbCopy.MouseUp(kRightPress); }, &w.tbCopy, kEveryItem},
        {L"picture size", [&] { w.cbPicture.MouseUp(kRightPress); }, &w.cbPicture, kEveryItem},
        {L"search box", [&] { w.cbSearch.MouseUp(kRightPress); }, &w.cbSearch, kEveryItem},
        {L"go-to box", [&] { w.tbGoTo.MouseDown(kRightPress); }, &w.tbGoTo, kEveryItem},
        {L"symbol box", [&] { w.tbSearch.MouseUp(kRightPress); }, &w.tbSearch,
         {L"Cu&t", L"&Copy", L"&Paste", L"&Delete"}},
        {L"preview", [&] { w.cbPreview.MouseUp(kRightPress); }, &w.cbPreview, {L"&Copy", L"-", L"Select &All"}},
        {L"entity box", [&] { w.cbEntity.MouseUp(kRightPress); }, &w.cbEntity, {L"&Copy", L"-", L"Select &All"}},
        {L"font list", [&] { w.lvFont.MouseDown(kRightPress); }, &w.lvFont, {L"&Copy"}},
        {L"block list", [&] { w.lvRange.MouseDown(kRightPress); }, &w.lvRange, {L"&Copy"}},
    };
    for (const auto& c : cases) {
        const size_t before = menus.shown.size();
        c.rightClick();
        ASSERT_EQ(menus.shown.size(), before + 1) << c.what;
        EXPECT_EQ(menus.LastTexts(), c.items) << c.what;
        EXPECT_TRUE(c.box->HasFocus()) << c.what << ": the menu acts on the box it was opened for";
    }
    // A list's Copy is enabled, although the copy box (nothing selected)
    // left Copy disabled just before.
    w.tbCopy.SetText(L"");
    w.tbCopy.MouseUp(kRightPress);
    EXPECT_FALSE(menus.shown.back()[3].enabled);
    w.lvFont.MouseDown(kRightPress);
    EXPECT_TRUE(menus.shown.back()[0].enabled);
    // A left click opens nothing.
    const size_t shown = menus.shown.size();
    w.tbCopy.MouseUp({Runtime::ButtonLeft, 0, 4, 4});
    EXPECT_EQ(menus.shown.size(), shown);
}

// A real right click: the box's own menu stays away, ours comes once.
TEST_F(EditMenuFocus, ARealRightClickShowsOnlyTheEditMenu)
{
    MenuChooser menus;
    HWND box = window_->tbCopy.hWnd();
    SendMessageW(box, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    SendMessageW(box, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    POINT screen{5, 5};
    ClientToScreen(box, &screen);
    EXPECT_EQ(SendMessageW(box, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box), MAKELPARAM(screen.x, screen.y)), 0);
    LoadedMain::Pump();
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.LastTexts(), kEveryItem);
}

TEST_F(EditMenuFocus, ItemsFollowTheSelectionAndTheUndoText)
{
    fwMain& w = *window_;
    MenuChooser menus;
    w.tbCopy.SetText(L"abc");
    w.tbCopy.Tag = L"abc";
    const struct {
        int selStart, selLength;
        bool copy, del;
    } cases[] = {
        {3, 0, false, false}, // caret at the end, nothing selected
        {1, 0, false, true},  // a character after the caret
        {1, 1, true, true},   // a selection
        {0, 3, true, true},
    };
    for (const auto& c : cases) {
        w.tbCopy.SetSelStart(c.selStart);
        w.tbCopy.SetSelLength(c.selLength);
        RightClickCopyBox();
        const std::string at = "selection " + std::to_string(c.selStart) + "+" + std::to_string(c.selLength);
        EXPECT_EQ(Enabled(menus, L"&Copy"), c.copy) << at;
        EXPECT_EQ(Enabled(menus, L"Cu&t"), c.copy) << at;
        EXPECT_EQ(Enabled(menus, L"&Delete"), c.del) << at;
        EXPECT_TRUE(Enabled(menus, L"Select &All")) << at;
        EXPECT_FALSE(Enabled(menus, L"&Undo")) << at << ": the text is its undo text";
    }
    w.tbCopy.Tag = L"ab";
    RightClickCopyBox();
    EXPECT_TRUE(Enabled(menus, L"&Undo"));

    w.tbCopy.SetText(L"");
    w.tbCopy.Tag = L"";
    RightClickCopyBox();
    EXPECT_FALSE(Enabled(menus, L"Select &All"));
    EXPECT_FALSE(Enabled(menus, L"&Delete"));
}

TEST_F(EditMenuFocus, PasteIntoTheGoToBoxOnlyForAHexDigitFirst)
{
    fwMain& w = *window_;
    MenuChooser menus;
    const struct {
        const wchar_t* clip;
        bool goTo, copyBox;
    } cases[] = {{L"x12", false, true}, {L"a12", true, true}, {L"F", true, true}, {L"7zz", true, true},
                 {L" 12", false, true}, {L"", false, false}};
    for (const auto& c : cases) {
        if (*c.clip)
            Runtime::Clipboard::SetText(std::wstring(c.clip));
        else
            Runtime::Clipboard::Clear();
        w.tbGoTo.MouseDown(kRightPress);
        EXPECT_EQ(Enabled(menus, L"&Paste"), c.goTo) << c.clip;
        RightClickCopyBox();
        EXPECT_EQ(Enabled(menus, L"&Paste"), c.copyBox) << c.clip;
    }
}

TEST_F(EditMenuFocus, CommandsActOnTheBox)
{
    fwMain& w = *window_;
    MenuChooser menus;
    auto choose = [&](const wchar_t* caption) {
        menus.Choose(caption);
        RightClickCopyBox();
    };
    w.tbCopy.SetText(L"hello");
    choose(L"Select &All");
    EXPECT_EQ(w.tbCopy.SelLength(), 5);
    choose(L"&Copy");
    EXPECT_EQ(Runtime::Clipboard::GetUnicodeText(), L"hello");
    choose(L"Cu&t");
    EXPECT_EQ(w.tbCopy.Text(), L"");
    // Cut is a change like a typed one: Undo brings the text back, and a
    // second Undo takes it away again.
    choose(L"&Undo");
    EXPECT_EQ(w.tbCopy.Text(), L"hello");
    choose(L"&Undo");
    EXPECT_EQ(w.tbCopy.Text(), L"");
    choose(L"&Undo");

    Runtime::Clipboard::SetText(std::wstring(L"XY"));
    w.tbCopy.SetSelStart(2);
    w.tbCopy.SetSelLength(0);
    choose(L"&Paste");
    EXPECT_EQ(w.tbCopy.Text(), L"heXYllo");
    EXPECT_EQ(w.tbCopy.Tag, L"hello") << "a paste keeps the text before it for Undo";
    w.tbCopy.SetSelStart(0);
    w.tbCopy.SetSelLength(2);
    choose(L"&Delete");
    EXPECT_EQ(w.tbCopy.Text(), L"XYllo");
    EXPECT_EQ(w.bbCopy.Enabled(), true);
}

// Delete does what the Delete key does, in each box that offers it: the
// selection when there is one, else the character after the caret. The
// symbol box's own key handler selects its character first.
TEST_F(EditMenuFocus, DeleteRemovesTheSelectionOrTheNextCharacterInEveryBox)
{
    fwMain& w = *window_;
    MenuChooser menus(L"&Delete");
    w.cbPicture.SetEnabled(true);
    struct Box {
        const wchar_t* what;
        std::function<void()> rightClick;
        Runtime::Control* box;
    };
    const Box copyBox{L"copy box", [&] { w.tbCopy.MouseUp(kRightPress); }, &w.tbCopy};
    const Box pictureSize{L"picture size", [&] { w.cbPicture.MouseUp(kRightPress); }, &w.cbPicture};
    const Box searchBox{L"search box", [&] { w.cbSearch.MouseUp(kRightPress); }, &w.cbSearch};
    const Box goToBox{L"go-to box", [&] { w.tbGoTo.MouseDown(kRightPress); }, &w.tbGoTo};
    const Box symbolBox{L"symbol box", [&] { w.tbSearch.MouseUp(kRightPress); }, &w.tbSearch};
    const struct {
        const Box& box;
        const wchar_t* text;
        int selStart, selLength;
        const wchar_t* left;
    } cases[] = {
        {copyBox, L"abc", 1, 0, L"ac"},      {copyBox, L"abc", 0, 0, L"bc"},
        {copyBox, L"abc", 0, 2, L"c"},       {copyBox, L"abc", 1, 2, L"a"},
        {pictureSize, L"123", 1, 0, L"13"},  {pictureSize, L"123", 0, 3, L""},
        {searchBox, L"abc", 2, 0, L"ab"},    {searchBox, L"abc", 1, 1, L"ac"},
        {goToBox, L"123", 0, 0, L"23"},      {goToBox, L"123", 1, 2, L"1"},
        {symbolBox, L"x", 0, 0, L""},
    };
    for (const auto& c : cases) {
        auto* edit = dynamic_cast<Runtime::IText*>(c.box.box);
        ASSERT_NE(edit, nullptr) << c.box.what;
        c.box.box->SetFocus();
        edit->SetText(c.text);
        edit->SetSelStart(c.selStart);
        edit->SetSelLength(c.selLength);
        const std::wstring at = std::wstring(c.box.what) + L" \"" + c.text + L"\" selection " +
                                std::to_wstring(c.selStart) + L"+" + std::to_wstring(c.selLength);
        c.box.rightClick();
        ASSERT_FALSE(menus.shown.empty()) << at;
        const auto& items = menus.shown.back();
        const auto del = std::find_if(items.begin(), items.end(), [](const auto& i) { return i.text == L"&Delete"; });
        ASSERT_NE(del, items.end()) << at;
        EXPECT_TRUE(del->enabled) << at;
        EXPECT_EQ(edit->Text(), c.left) << at;
    }
}

TEST_F(EditMenuFocus, UndoTwiceComesBackWithTheCaretWhereItWas)
{
    fwMain& w = *window_;
    MenuChooser menus(L"&Undo");
    w.tbCopy.SetText(L"abcdef");
    w.tbCopy.Tag = L"abc";
    w.tbCopy.SetSelStart(1);
    RightClickCopyBox();
    EXPECT_EQ(w.tbCopy.Text(), L"abc");
    EXPECT_EQ(w.tbCopy.Tag, L"abcdef");
    EXPECT_EQ(w.tbCopy.SelStart(), 1);
    RightClickCopyBox();
    EXPECT_EQ(w.tbCopy.Text(), L"abcdef");
    EXPECT_EQ(w.tbCopy.SelStart(), 1);

    // An empty undo text empties the box and keeps the text for the next Undo.
    w.tbCopy.Tag = L"";
    RightClickCopyBox();
    EXPECT_EQ(w.tbCopy.Text(), L"");
    EXPECT_EQ(w.tbCopy.Tag, L"abcdef");
}

// A right click on the go-to box keeps a number typed but not yet
// confirmed (the box drops such a number when it loses the focus, and the
// click's reset of the box takes the focus away for a moment).
TEST_F(EditMenuFocus, TheGoToBoxKeepsAnUnconfirmedNumber)
{
    fwMain& w = *window_;
    MenuChooser menus(L"Select &All");
    w.tbGoTo.SetFocus();
    for (wchar_t c : std::wstring(L"12")) SendMessageW(w.tbGoTo.hWnd(), WM_CHAR, c, 1);
    ASSERT_EQ(w.tbGoTo.Text(), L"12");
    w.tbGoTo.MouseDown(kRightPress);
    EXPECT_EQ(w.tbGoTo.Text(), L"12");
    EXPECT_EQ(w.tbGoTo.SelLength(), 2) << "Select All acted on the box";
    EXPECT_TRUE(w.tbGoTo.HasFocus());
    EXPECT_FALSE(w.EditPopupOpen);
}

TEST_F(EditMenuFocus, CopyOnAListCopiesTheSelectedName)
{
    fwMain& w = *window_;
    const Runtime::ListItem* item = w.lvFont.SelectedItem();
    ASSERT_NE(item, nullptr);
    Runtime::Clipboard::Clear();
    MenuChooser menus(L"&Copy");
    w.lvFont.MouseDown(kRightPress);
    EXPECT_EQ(Runtime::Clipboard::GetUnicodeText(), item->Text());
}

} // namespace
