// Helpers over the list kinds, on real controls of a real form.
#include "common/ComboDropWidth.h"
#include "common/EditFields.h"
#include "common/ListHelpers.h"
#include "common/StatusBarHelpers.h"
#include "runtime/ComboBox.h"
#include "runtime/Form.h"
#include "runtime/ListBox.h"
#include "runtime/ListView.h"
#include "runtime/StatusBar.h"
#include "runtime/TextBox.h"

#include <gtest/gtest.h>

namespace {

class ListForm : public Runtime::Form {
public:
    ListForm() : Form(L"fwLists") {}
    Runtime::ComboBox cbFont{this, nullptr, L"cbFont"};
    Runtime::ComboBox cbCodes{this, nullptr, L"cbCodes"};
    Runtime::ListBox lbItems{this, nullptr, L"lbItems"};
    Runtime::ListView lvRows{this, nullptr, L"lvRows"};
    Runtime::StatusBar pbStatus{this, nullptr, L"pbStatus"};
    Runtime::TextBox tbGoTo{this, nullptr, L"tbGoTo"};

protected:
    void CreateControls() override
    {
        Move(30, 30, 520, 360);
        cbFont.Create(10, 10, 150, Runtime::ComboBox::StyleDropDownList);
        cbCodes.Create(170, 10, 120, Runtime::ComboBox::StyleDropDownList);
        cbCodes.SetColumnCount(3);
        lbItems.Create(10, 50, 150, 120);
        lvRows.Create(170, 50, 300, 150);
        lvRows.ColumnHeaders().Add(L"Name", 150);
        lvRows.ColumnHeaders().Add(L"Bit", 60);
        tbGoTo.Create(10, 190, 100, 22);
        pbStatus.Create();
        pbStatus.Panels().Add(L"A", L"one", 100);
        pbStatus.Panels().Add(L"B", L"two", 50);
    }
};

TEST(ListHelpers, ListFindComparesWholeTextsAndSelects)
{
    ListForm form;
    ASSERT_TRUE(form.Load());
    form.cbFont.AddItem(L"Arial");
    form.cbFont.AddItem(L"Tahoma");
    int clicks = 0;
    form.cbFont.Click = [&] { ++clicks; };
    EXPECT_EQ(Common::ListFind(form.cbFont, L"tahoma", false, false), -1);
    EXPECT_EQ(Common::ListFind(form.cbFont, L"tahoma", true, true), 1);
    EXPECT_EQ(form.cbFont.ListIndex(), 1);
    EXPECT_EQ(form.cbFont.Text(), L"Tahoma");
    EXPECT_EQ(Common::ListFind(form.cbFont, L"Tah", true, true), -1) << "a prefix is no match";
    EXPECT_EQ(form.cbFont.ListIndex(), -1);
    Common::ListFind(form.cbFont, L"Arial", true, false);
    EXPECT_EQ(Common::ListFind(form.cbFont, L"", true, false), -1);
    EXPECT_EQ(form.cbFont.ListIndex(), -1) << "an empty text clears the current item";
    EXPECT_EQ(clicks, 4);

    form.lvRows.ListItems().Add(0, L"D.0", L"Basic Latin");
    form.lvRows.ListItems().Add(0, L"D.128", L"Latin-1 Supplement");
    EXPECT_EQ(Common::ListFind(form.lvRows, L"latin-1 supplement", true, true), 2);
    ASSERT_NE(form.lvRows.SelectedItem(), nullptr);
    EXPECT_EQ(form.lvRows.SelectedItem()->Key(), L"D.128");
    EXPECT_EQ(Common::ListFind(form.lvRows, L"Cyrillic", true, false), -1);
    EXPECT_EQ(form.lvRows.SelectedItem()->Key(), L"D.128") << "a list view keeps its selection";
    EXPECT_EQ(Common::ListFind(form.tbGoTo, L"x", true, false), -1) << "other kinds are left alone";
}

TEST(ListHelpers, FillAndAddRows)
{
    ListForm form;
    ASSERT_TRUE(form.Load());
    form.lbItems.AddItem(L"old");
    Common::FillListControl(form.lbItems, L"a\r\nb\r\n\r\nc");
    ASSERT_EQ(form.lbItems.ListCount(), 2);
    EXPECT_EQ(form.lbItems.List(1), L"b");

    Common::FillListControl(form.lbItems, std::vector<std::wstring>{L"a", L"b", L"c"});
    ASSERT_EQ(form.lbItems.ListCount(), 2);
    EXPECT_EQ(form.lbItems.List(0), L"a");

    Common::FillListControl(form.lbItems, L"a\r\n\tb\r\n\t\t\tc\r\nd", L"\r\n", L"\t");
    EXPECT_EQ(form.lbItems.ListCount(), 2) << "a line two levels deeper stops the filling";

    Common::FillListControl(form.lvRows, L"Basic Latin\t0\r\nCyrillic\t9");
    ASSERT_EQ(form.lvRows.ListItems().Count(), 2);
    EXPECT_EQ(form.lvRows.ListItems()(2).Text(), L"Cyrillic");
    EXPECT_EQ(form.lvRows.ListItems()(2).SubItems(1), L"9");

    Common::ListAddArray(form.cbCodes, {L"Cyrillic (Windows)", L"1251", L"204"});
    Common::ListAddArray(form.cbCodes, {L"Symbol", L"42", L"2"});
    EXPECT_EQ(form.cbCodes.ListCount(), 2);
    EXPECT_EQ(form.cbCodes.List(1, 1), L"42");
    EXPECT_EQ(form.cbCodes.List(0, 2), L"204");

    EXPECT_GT(Common::ListViewHeaderHeight(form.lvRows), 0);
    EXPECT_EQ(Common::ListViewHeaderHeight(form.lbItems), 0);
}

TEST(StatusBarHelpers, PanelUnderAPoint)
{
    ListForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    const int left = form.pbStatus.Panels()(1).Left();
    const struct {
        int x;
        bool clamp;
        int panel;
    } cases[] = {
        {left, false, 1}, {left + 100, false, 1} /* on the border: the left panel */, {left + 101, false, 2},
        {left + 150, false, 2}, {left + 151, false, 0}, {left + 151, true, 2}, {left - 1, true, 1}, {left - 1, false, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(Common::StatusPanelAt(form.pbStatus, c.x, c.clamp), c.panel) << c.x;
    EXPECT_EQ(Common::StatusPanelAt(form.lbItems, left, true), 0);
    EXPECT_EQ(Common::StatusBarHandle(form.pbStatus), form.pbStatus.hWnd());
    EXPECT_EQ(Common::StatusBarHandle(form.lbItems), nullptr);
}

TEST(ComboDropWidth, NeverNarrowerThanTheBox)
{
    ListForm form;
    ASSERT_TRUE(form.Load());
    form.cbFont.AddItem(L"a");
    Common::ComboDropWidth(form.cbFont);
    EXPECT_EQ(form.cbFont.DropWidth(), form.cbFont.Width());
    form.cbFont.AddItem(L"A much longer font name than the box is wide");
    Common::ComboDropWidth(form.cbFont);
    EXPECT_GT(form.cbFont.DropWidth(), form.cbFont.Width());
}

TEST(EditFields, ResetTextBoxKeepsTheSelectionAndTakesTheFocus)
{
    ListForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    form.tbGoTo.SetText(L"4a1f");
    form.tbGoTo.SetSelStart(1);
    form.tbGoTo.SetSelLength(2);
    form.cbFont.SetFocus();
    Common::ResetTextBox(form.tbGoTo);
    EXPECT_EQ(form.tbGoTo.SelStart(), 1);
    EXPECT_EQ(form.tbGoTo.SelLength(), 2);
    EXPECT_TRUE(form.tbGoTo.Enabled());
    EXPECT_TRUE(form.tbGoTo.HasFocus());
}

} // namespace
