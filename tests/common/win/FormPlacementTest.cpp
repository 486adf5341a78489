// Saving and restoring a real form's placement in a settings file.
#include "common/FormPlacement.h"
#include "common/Ini.h"
#include "runtime/Form.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class PlacedForm : public Runtime::Form {
public:
    PlacedForm() : Form(L"fwPlaced") {}

protected:
    void CreateControls() override { Move(50, 60, 300, 200); }
};

TEST(FormPlacement, LoadFromAnEmptySectionKeepsTheFormsSizeAndState)
{
    TestSupport::TempFolder dir;
    PlacedForm form;
    ASSERT_TRUE(form.Load());
    Common::FormPlacement p{9, 9, 9, 9, 9};
    Common::LoadFormPos(form, p, dir.File(L"s.dat"));
    const int tx = Runtime::TwipsPerPixelX(), ty = Runtime::TwipsPerPixelY();
    EXPECT_EQ(p.Left, 0);
    EXPECT_EQ(p.Top, 0);
    EXPECT_EQ(p.Width, 300 * tx);
    EXPECT_EQ(p.Height, 200 * ty);
    EXPECT_EQ(p.State, 0);
}

TEST(FormPlacement, ValuesTheWindowCannotTakeFallBackToTheDefaults)
{
    TestSupport::TempFolder dir;
    std::wstring file = dir.File(L"s.dat");
    Common::IniWriteString(file, L"fwPlaced_State", L"State", L"7");
    Common::IniWriteString(file, L"fwPlaced_State", L"Left", L"200000000");
    Common::IniWriteString(file, L"fwPlaced_State", L"Top", L"12");
    Common::IniWriteString(file, L"fwPlaced_State", L"Width", L"-900000000000");
    PlacedForm form;
    ASSERT_TRUE(form.Load());
    Common::FormPlacement p;
    Common::LoadFormPos(form, p, file);
    EXPECT_EQ(p.State, 0);
    EXPECT_EQ(p.Left, 0);
    EXPECT_EQ(p.Top, 12 * Runtime::TwipsPerPixelY());
    EXPECT_EQ(p.Width, 300 * Runtime::TwipsPerPixelX());
}

TEST(FormPlacement, SavingAMaximizedFormKeepsTheLastNormalRectangle)
{
    TestSupport::TempFolder dir;
    std::wstring file = dir.File(L"s.dat");
    PlacedForm form;
    form.FixedSize = false;
    ASSERT_TRUE(form.Load());
    form.Show();
    Common::FormPlacement p;
    Common::SaveFormPos(form, p, file);
    EXPECT_EQ(Common::IniReadNumber(file, L"fwPlaced_State", L"Left"), 50);
    EXPECT_EQ(Common::IniReadNumber(file, L"fwPlaced_State", L"Width"), 300);

    form.SetWindowState(Runtime::StateMaximized);
    ASSERT_EQ(form.WindowState(), Runtime::StateMaximized);
    p.State = 2;
    Common::SaveFormPos(form, p, file, L"Other");
    EXPECT_EQ(Common::IniReadNumber(file, L"Other", L"State"), 2);
    EXPECT_EQ(Common::IniReadNumber(file, L"Other", L"Left"), 50);
    EXPECT_EQ(Common::IniReadNumber(file, L"Other", L"Height"), 200);

    // Not torn down maximized: Wine hides or destroys a window that covers the
    // whole screen by also unmapping its desktop's cursor-clipping window from
    // this process, and a BadWindow from that (the desktop restarting, or on
    // another display) ends the test process in the form's destructor.
    form.SetWindowState(Runtime::StateNormal);
}

} // namespace
