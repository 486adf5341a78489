// List views and image lists in real windows (common controls version 6):
// items by key and 1-based index stay right through removals, the program's
// selection raises no ItemClick while the user's raises one per change, the
// header and the rows can be measured, and small icons come by key.
#include "runtime/ComboBox.h"
#include "runtime/CommonControls.h"
#include "runtime/ErrorReport.h"
#include "runtime/Form.h"
#include "runtime/ImageList.h"
#include "runtime/ListBox.h"
#include "runtime/ListView.h"
#include "runtime/Pump.h"
#include "runtime/StatusBar.h"
#include "tests/support/Screenshot.h"

#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace Runtime;

class ListForm : public Form {
public:
    ListForm() : Form(L"fwList") {}

    ImageList ilCheck{this, nullptr, L"ilCheck"};
    ListView lvFont{this, nullptr, L"lvFont"};
    ListView lvRange{this, nullptr, L"lvRange"};

protected:
    void CreateControls() override
    {
        Move(60, 60, 460, 340);
        lvFont.ColumnHeaders().Add(L"Fonts", 160);
        lvFont.Create(8, 8, 200, 280);
        lvRange.Create(220, 8, 220, 280);
        lvRange.ColumnHeaders().Add(L"Subranges:", 150);
    }
};

using TestSupport::ErrorOf;

// A solid bitmap of the given size and colour.
ScopedBitmap SolidBitmap(int width, int height, COLORREF color)
{
    ScopedGetDC screen(nullptr);
    ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    ScopedMemDC mem(screen.Get());
    ScopedSelect select(mem.Get(), bitmap.Get());
    ScopedBrush brush(CreateSolidBrush(color));
    RECT r{0, 0, width, height};
    FillRect(mem.Get(), &r, brush.Get());
    return bitmap;
}

std::wstring WindowItemText(HWND list, int row, int column)
{
    wchar_t text[128] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 128;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(v6_.Active());
        old_ = SetErrorReporter([this](int number, const std::string&) { reported_.push_back(number); });
        ASSERT_TRUE(form_.Load());
        form_.Show();
    }
    void TearDown() override
    {
        form_.Unload();
        DoEvents();
        MSG msg;
        PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        SetErrorReporter(old_);
        EXPECT_TRUE(reported_.empty());
    }

    // Ten block rows "D.0" to "D.9" with their texts and tags.
    void AddBlocks(ListView& list)
    {
        for (int i = 0; i < 10; ++i) {
            ListItem& item = list.ListItems().Add(0, L"D." + std::to_wstring(i), L"Block " + std::to_wstring(i));
            item.Tag = std::to_wstring(i * 16 + 15);
        }
    }

    ScopedCommonControls6 v6_;
    ListForm form_;
    ErrorReporter old_;
    std::vector<int> reported_;
};

TEST_F(ListViewTest, KeysTagsAndIndicesStayRightThroughRemovals)
{
    ListView& list = form_.lvRange;
    AddBlocks(list);
    list.ListItems().Add(1, L"D.first", L"Inserted first");
    list.ListItems()(L"D.5").SetSubItems(1, L"bit 5"); // before the column exists
    list.ListItems().Remove(4);                         // "D.2"
    list.ListItems().Remove(L"D.7");
    list.ColumnHeaders().Add(L"Bit", 40);

    struct Row {
        const wchar_t* key;
        const wchar_t* text;
        const wchar_t* tag;
    };
    const Row expected[] = {
        {L"D.first", L"Inserted first", L""}, {L"D.0", L"Block 0", L"15"},   {L"D.1", L"Block 1", L"31"},
        {L"D.3", L"Block 3", L"63"},          {L"D.4", L"Block 4", L"79"},    {L"D.5", L"Block 5", L"95"},
        {L"D.6", L"Block 6", L"111"},         {L"D.8", L"Block 8", L"143"},   {L"D.9", L"Block 9", L"159"},
    };
    ASSERT_EQ(list.ListItems().Count(), 9);
    ASSERT_EQ(SendMessageW(list.hWnd(), LVM_GETITEMCOUNT, 0, 0), 9);
    for (int i = 1; i <= 9; ++i) {
        const Row& r = expected[i - 1];
        ListItem& byKey = list.ListItems()(r.key);
        EXPECT_EQ(byKey.Index(), i) << "key " << i;
        EXPECT_EQ(&list.ListItems()(i), &byKey) << "index " << i;
        EXPECT_EQ(byKey.Text(), r.text) << "index " << i;
        EXPECT_EQ(byKey.Tag, r.tag) << "index " << i;
        EXPECT_EQ(WindowItemText(list.hWnd(), i - 1, 0), r.text) << "the window's row " << i;
    }
    EXPECT_EQ(list.ListItems()(L"D.5").SubItems(1), L"bit 5");
    EXPECT_EQ(WindowItemText(list.hWnd(), 5, 1), L"bit 5") << "a sub-item shows once its column exists";
    EXPECT_EQ(list.ListItems().Find(L"D.2"), nullptr);
    EXPECT_EQ(list.ListItems().Find(L""), nullptr);

    list.ListItems()(L"D.9").SetKey(L"D.nine");
    EXPECT_EQ(list.ListItems()(L"D.nine").Index(), 9);
    EXPECT_EQ(list.ListItems().Find(L"D.9"), nullptr);

    struct Bad {
        const char* what;
        std::function<void()> act;
        int error;
    };
    const Bad bad[] = {
        {"a key that is taken", [&] { list.ListItems().Add(0, L"D.0", L"again"); }, ErrKeyNotUnique},
        {"renaming to a key that is taken", [&] { list.ListItems()(1).SetKey(L"D.0"); }, ErrKeyNotUnique},
        {"an index past the end", [&] { list.ListItems()(10); }, ErrIndexOutOfBounds},
        {"index 0", [&] { list.ListItems()(0); }, ErrIndexOutOfBounds},
        {"adding past the end", [&] { list.ListItems().Add(11); }, ErrIndexOutOfBounds},
        {"an unknown key", [&] { list.ListItems()(L"D.77"); }, ErrElementNotFound},
        {"removing an unknown key", [&] { list.ListItems().Remove(L"D.77"); }, ErrElementNotFound},
        {"sub-item 0", [&] { list.ListItems()(1).SubItems(0); }, ErrInvalidProperty},
        {"a column by an unknown key", [&] { list.ColumnHeaders()(L"none"); }, ErrElementNotFound},
    };
    for (const Bad& b : bad) EXPECT_EQ(ErrorOf(b.act), b.error) << b.what;
    EXPECT_EQ(list.ListItems().Count(), 9) << "a refused call changes nothing";

    list.ListItems().Clear();
    EXPECT_EQ(list.ListItems().Count(), 0);
    EXPECT_EQ(SendMessageW(list.hWnd(), LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(list.ListItems().Find(L"D.0"), nullptr);
    list.ListItems().Add(0, L"D.0", L"after Clear");
    EXPECT_EQ(list.ListItems()(L"D.0").Index(), 1);
}

TEST_F(ListViewTest, ItemClickForTheUsersSelectionOnlyOncePerChange)
{
    ListView& list = form_.lvFont;
    AddBlocks(list);
    std::vector<std::wstring> clicked;
    list.ItemClick = [&](ListItem& item) { clicked.push_back(item.Key()); };
    auto selectFromOutside = [&](int row) {
        LVITEMW lv{};
        lv.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        lv.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list.hWnd(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&lv));
    };
    auto key = [&](UINT vk) {
        SendMessageW(list.hWnd(), WM_KEYDOWN, vk, 1);
        SendMessageW(list.hWnd(), WM_KEYUP, vk, 0xC0000001);
    };
    auto clickRow = [&](int index) {
        ListItem& item = list.ListItems()(index);
        LPARAM at = MAKELPARAM(20, item.Top() + item.Height() / 2);
        PostMessageW(list.hWnd(), WM_LBUTTONUP, 0, at); // ends any drag detection
        SendMessageW(list.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        DoEvents();
    };
    struct Case {
        const char* what;
        std::function<void()> act;
        std::vector<std::wstring> clicks;
        const wchar_t* selected; // key, or null for none
    };
    const Case cases[] = {
        {"the program sets SelectedItem", [&] { list.SetSelectedItem(&list.ListItems()(L"D.2")); }, {}, L"D.2"},
        {"the program selects an item", [&] { list.ListItems()(4).SetSelected(true); }, {}, L"D.3"},
        {"the program clears SelectedItem", [&] { list.SetSelectedItem(nullptr); }, {}, nullptr},
        {"a selection from outside", [&] { selectFromOutside(5); }, {L"D.5"}, L"D.5"},
        {"the same selection again", [&] { selectFromOutside(5); }, {}, L"D.5"},
        {"the user presses Down", [&] { key(VK_DOWN); }, {L"D.6"}, L"D.6"},
        {"the user presses Home", [&] { key(VK_HOME); }, {L"D.0"}, L"D.0"},
        {"the user presses Up on the first item", [&] { key(VK_UP); }, {}, L"D.0"},
        {"the user clicks item 4", [&] { clickRow(4); }, {L"D.3"}, L"D.3"},
        {"the user clicks item 4 again", [&] { clickRow(4); }, {}, L"D.3"},
        {"the program sets SelectedItem, then the user presses Down",
         [&] { list.SetSelectedItem(&list.ListItems()(L"D.7")); key(VK_DOWN); }, {L"D.8"}, L"D.8"},
        {"the program removes the selected item", [&] { list.ListItems().Remove(L"D.8"); }, {}, nullptr},
    };
    for (const Case& c : cases) {
        clicked.clear();
        c.act();
        EXPECT_EQ(clicked, c.clicks) << c.what;
        ListItem* selected = list.SelectedItem();
        if (c.selected) {
            ASSERT_NE(selected, nullptr) << c.what;
            EXPECT_EQ(selected->Key(), c.selected) << c.what;
            EXPECT_TRUE(selected->Selected()) << c.what;
        } else {
            EXPECT_EQ(selected, nullptr) << c.what;
        }
    }
    // SelectedItem gives the focus mark too, so the keys go on from there.
    list.SetSelectedItem(&list.ListItems()(L"D.1"));
    EXPECT_EQ(SendMessageW(list.hWnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 1);
    EXPECT_EQ(ErrorOf([&] { list.SetSelectedItem(&form_.lvRange.ListItems().Add(0, L"x")); }), ErrInvalidProperty);
    EXPECT_EQ(list.SelectedItem(), &list.ListItems()(L"D.1"));
}

TEST_F(ListViewTest, HeaderAndRowsCanBeMeasured)
{
    ListView& list = form_.lvFont;
    for (int i = 0; i < 100; ++i) list.ListItems().Add(0, L"D." + std::to_wstring(i), L"Font " + std::to_wstring(i));
    HWND header = list.HeaderWindow();
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(GetWindow(list.hWnd(), GW_CHILD), header) << "the header is the list's first child";
    RECT h{};
    GetWindowRect(header, &h);
    int headerHeight = h.bottom - h.top;
    EXPECT_GT(headerHeight, 0);
    EXPECT_NE(GetWindow(form_.lvRange.hWnd(), GW_CHILD), nullptr) << "a list with no column yet has its header";

    ListItem& first = list.ListItems()(1);
    ListItem& second = list.ListItems()(2);
    EXPECT_GT(first.Height(), 0);
    EXPECT_GE(first.Top(), headerHeight);
    EXPECT_EQ(second.Top(), first.Top() + first.Height());

    ListItem& last = list.ListItems()(100);
    RECT client{};
    GetClientRect(list.hWnd(), &client);
    EXPECT_GT(last.Top(), client.bottom) << "the last row starts out of sight";
    last.EnsureVisible();
    EXPECT_GE(last.Top(), headerHeight);
    EXPECT_LE(last.Top() + last.Height(), client.bottom);

    ColumnHeader& column = list.ColumnHeaders()(1);
    EXPECT_EQ(column.Width(), 160);
    column.SetWidth(240);
    EXPECT_EQ(column.Width(), 240);
    EXPECT_EQ(SendMessageW(list.hWnd(), LVM_GETCOLUMNWIDTH, 0, 0), 240);
    column.SetText(L"Installed fonts");
    EXPECT_EQ(column.Text(), L"Installed fonts");

    list.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(list.hWnd()));
    list.SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(list.hWnd()));
    EXPECT_EQ(list.ListItems().Count(), 100);
}

TEST_F(ListViewTest, SmallIconsComeFromTheImageListByKey)
{
    ImageList& images = form_.ilCheck;
    ScopedBitmap check = SolidBitmap(16, 16, RGB(0, 128, 0));
    ScopedBitmap wide = SolidBitmap(32, 16, RGB(200, 0, 0));
    images.SetMaskColor(0xC0C0C0);
    EXPECT_EQ(images.ListImages().Add(L"Check", check.Get()), 1);
    EXPECT_EQ(images.ImageWidth(), 16) << "the first picture gives the size";
    EXPECT_EQ(images.ListImages().Add(L"Wide", wide.Get()), 2) << "a wider picture is one picture";
    EXPECT_EQ(ImageList_GetImageCount(images.Handle()), 2);
    EXPECT_EQ(images.ListImages()(L"Wide").Index(), 2);
    EXPECT_EQ(ErrorOf([&] { images.ListImages().Add(L"Check", check.Get()); }), ErrKeyNotUnique);
    EXPECT_EQ(ErrorOf([&] { images.ListImages().Add(L"None", static_cast<HBITMAP>(nullptr)); }), ErrInvalidProperty);
    EXPECT_EQ(ErrorOf([&] { images.SetImageWidth(32); }), ErrInvalidProperty) << "fixed once the list exists";
    EXPECT_EQ(ImageList_GetImageCount(images.Handle()), 2);

    ListView& list = form_.lvFont;
    AddBlocks(list);
    ListItem& item = list.ListItems()(3);
    EXPECT_EQ(ErrorOf([&] { item.SetSmallIcon(L"Check"); }), 35613) << "no image list yet";
    list.SetSmallIcons(&images);
    auto shownImage = [&](const ListItem& it) {
        LVITEMW lv{};
        lv.mask = LVIF_IMAGE;
        lv.iItem = it.Index() - 1;
        SendMessageW(list.hWnd(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&lv));
        return lv.iImage;
    };
    struct Case {
        const wchar_t* key;
        int error;
        int image;
    };
    const Case cases[] = {
        {L"Check", 0, 0}, {L"Wide", 0, 1}, {L"Missing", ErrElementNotFound, 1}, {L"", 0, I_IMAGENONE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorOf([&] { item.SetSmallIcon(c.key); }), c.error) << "key " << c.key;
        EXPECT_EQ(shownImage(item), c.image) << "key " << c.key;
    }
    EXPECT_EQ(item.SmallIcon(), L"");
    item.SetSmallIcon(L"Check");
    EXPECT_EQ(item.SmallIcon(), L"Check");
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(list.hWnd(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)),
              images.Handle());
}

TEST_F(ListViewTest, UnloadEmptiesTheListAndReloadStartsAfresh)
{
    AddBlocks(form_.lvFont);
    ListItem& kept = form_.lvFont.ListItems()(L"D.3");
    form_.lvFont.SetSelectedItem(&kept);
    form_.Unload();
    EXPECT_EQ(form_.lvFont.ListItems().Count(), 0);
    EXPECT_EQ(form_.lvFont.SelectedItem(), nullptr);
    ASSERT_TRUE(form_.Load());
    EXPECT_EQ(form_.lvFont.ColumnHeaders().Count(), 1) << "the columns of the new window only";
    AddBlocks(form_.lvFont);
    EXPECT_EQ(form_.lvFont.ListItems()(L"D.3").Index(), 4);
}

// Every list kind on one form, as a person sees them.
class AllListsForm : public Form {
public:
    AllListsForm() : Form(L"fwAllLists") {}

    ImageList ilCheck{this, nullptr, L"ilCheck"};
    ListView lvFont{this, nullptr, L"lvFont"};
    ListView lvRange{this, nullptr, L"lvRange"};
    ComboBox cbRange{this, nullptr, L"cbRange"};
    ComboBox cbSearch{this, nullptr, L"cbSearch"};
    ListBox lbMessages{this, nullptr, L"lbMessages"};
    StatusBar pbStatus0{this, nullptr, L"pbStatus", 0};
    StatusBar pbStatus1{this, nullptr, L"pbStatus", 1};
    ScopedBitmap check;

protected:
    void CreateControls() override
    {
        Move(20, 20, 620, 380);
        SetCaption(L"List kinds");
        // The check mark the program draws with Marlett's "a", grey on the mask colour.
        {
            ScopedGetDC screen(nullptr);
            check.Reset(CreateCompatibleBitmap(screen.Get(), 16, 16));
            ScopedMemDC mem(screen.Get());
            ScopedSelect bitmap(mem.Get(), check.Get());
            ScopedBrush silver(CreateSolidBrush(RGB(192, 192, 192)));
            RECT r{0, 0, 16, 16};
            FillRect(mem.Get(), &r, silver.Get());
            FontSpec marlett;
            marlett.Name = L"Marlett";
            marlett.Size = 10;
            marlett.Charset = SYMBOL_CHARSET;
            ScopedFont font = CreateScreenFont(marlett);
            ScopedSelect f(mem.Get(), font.Get());
            SetBkMode(mem.Get(), TRANSPARENT);
            SetTextColor(mem.Get(), GetSysColor(COLOR_GRAYTEXT));
            DrawTextW(mem.Get(), L"a", 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        ilCheck.ListImages().Add(L"Check", check.Get());

        lvFont.ColumnHeaders().Add(L"Font", 150);
        lvFont.SetSmallIcons(&ilCheck);
        lvFont.Create(8, 8, 180, 250);
        const wchar_t* fonts[] = {L"Arial", L"DejaVu Sans", L"Noto Sans", L"Tahoma", L"Wingdings"};
        for (int i = 0; i < 5; ++i) {
            ListItem& item = lvFont.ListItems().Add(0, L"D." + std::to_wstring(i + 1), fonts[i]);
            if (i != 4) item.SetSmallIcon(L"Check");
        }
        lvFont.SetSelectedItem(&lvFont.ListItems()(L"D.4"));

        lvRange.ColumnHeaders().Add(L"Subranges:", 170);
        lvRange.ColumnHeaders().Add(L"Bit", 40);
        lvRange.SetSmallIcons(&ilCheck);
        lvRange.Create(196, 8, 240, 250);
        const wchar_t* blocks[] = {L"Basic Latin", L"Latin-1 Supplement", L"Greek and Coptic", L"Cyrillic",
                                   L"Arrows"};
        const int firsts[] = {0, 128, 880, 1024, 8592};
        for (int i = 0; i < 5; ++i) {
            ListItem& item = lvRange.ListItems().Add(0, L"D." + std::to_wstring(firsts[i]), blocks[i]);
            item.SetSubItems(1, std::to_wstring(i));
            if (i % 2 == 0) item.SetSmallIcon(L"Check");
        }
        lvRange.SetSelectedItem(&lvRange.ListItems()(L"D.1024"));

        cbRange.SetColumnCount(2);
        cbRange.SetColumnWidths(L"110;60");
        cbRange.Create(444, 8, 160, ComboBox::StyleDropDownList);
        for (int i = 0; i < 5; ++i) {
            cbRange.AddItem(blocks[i]);
            cbRange.SetList(i, 1, L"D." + std::to_wstring(firsts[i]));
        }
        cbRange.SetListIndex(3);
        cbSearch.Create(444, 40, 160);
        cbSearch.AddItem(L"LATIN SMALL");
        cbSearch.SetText(L"&amp;");
        lbMessages.Create(444, 72, 160, 186);
        for (const wchar_t* m : {L"WM_MENUSELECT", L"WM_EXITMENULOOP", L"WM_HELP", L"WM_MOVE"}) lbMessages.AddItem(m);
        lbMessages.SetListIndex(2);

        pbStatus0.Create(20);
        pbStatus0.Panels().Add(L"Hex", L"U+0416", 70);
        pbStatus0.Panels().Add(L"Name", L"CYRILLIC CAPITAL LETTER ZHE", 260);
        pbStatus0.Panels().Add(L"Type", L"Letter, uppercase", 140);
        pbStatus1.Create(20);
        pbStatus1.Panels().Add(L"Message", L"Ready.", 224);
        pbStatus1.Panels().Add(L"Mode", L"", 100);
        for (int style : {Panel::StyleCaps, Panel::StyleScrl, Panel::StyleNum, Panel::StyleIns, Panel::StyleKana})
            pbStatus1.Panels().Add(L"", L"", 44, style);
    }
};

TEST(ListKinds, AllOnOneFormForAPersonToSee)
{
    ScopedCommonControls6 v6;
    BYTE keys[256] = {}, shown[256] = {};
    GetKeyboardState(keys);
    memcpy(shown, keys, sizeof shown);
    shown[VK_CAPITAL] = 0;
    shown[VK_NUMLOCK] = 1; // NUM shows on, the others greyed
    shown[VK_SCROLL] = shown[VK_INSERT] = shown[VK_KANA] = 0;
    SetKeyboardState(shown);
    AllListsForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    DoEvents();
    form.lvRange.SetFocus();
    EXPECT_FALSE(TestSupport::SaveWindowScreenshot(form.hWnd(), "runtime-list-kinds").empty());
    EXPECT_EQ(form.pbStatus1.Top() + 20, form.ScaleHeight());
    EXPECT_EQ(form.pbStatus0.Top() + 20, form.pbStatus1.Top());
    form.Unload();
    SetKeyboardState(keys);
    DoEvents();
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

} // namespace
