// Helpers that act on any control, on real controls of a real form.
#include "common/ControlProbes.h"
#include "common/EditFields.h"
#include "common/Geometry.h"
#include "common/LeadingRun.h"
#include "runtime/Buttons.h"
#include "runtime/Form.h"
#include "runtime/TextBox.h"

#include <gtest/gtest.h>

namespace {

class HelperForm : public Runtime::Form {
public:
    HelperForm() : Form(L"fwHelpers") {}
    Runtime::TextBox tbGoTo{this, nullptr, L"tbGoTo"};
    Runtime::CheckBox chFlag{this, nullptr, L"chFlag"};
    Runtime::CheckBox chArray{this, nullptr, L"chArray", 0};

protected:
    void CreateControls() override
    {
        Move(40, 40, 300, 200);
        tbGoTo.Create(10, 10, 120, 22);
        chFlag.Create(10, 40, 120, 20, L"Flag");
        chArray.Create(10, 64, 120, 20, L"Array");
    }
};

TEST(FilterChars, KeepsAllowedCharactersAndTheCaretAfterThem)
{
    HelperForm form;
    ASSERT_TRUE(form.Load());
    const struct {
        const wchar_t* text;
        int caret;
        const wchar_t* kept;
        int newCaret;
    } cases[] = {
        {L"1G2", 2, L"12", 1},      // the caret after "G" ends after "1"
        {L"1a2", 3, L"1a2", 3},     // lower case is allowed: the comparison ignores case
        {L"GG12", 0, L"12", 0},     // removed characters after the caret do not move it
        {L"XYZ", 3, L"", 0},        // everything removed: the caret stays at the start
        {L"12Z", 1, L"12", 1},
    };
    for (const auto& c : cases) {
        form.tbGoTo.SetText(c.text);
        form.tbGoTo.SetSelStart(c.caret);
        bool changed = Common::FilterChars(form.tbGoTo, L"0123456789ABCDEF");
        EXPECT_EQ(changed, std::wstring(c.text) != c.kept) << c.text;
        EXPECT_EQ(form.tbGoTo.Text(), c.kept) << c.text;
        EXPECT_EQ(form.tbGoTo.SelStart(), c.newCaret) << c.text;
    }
    // Its own text change raises Change once, and the filter does not run again inside it.
    int changes = 0, nested = 0;
    form.tbGoTo.Change = [&] {
        ++changes;
        if (Common::FilterChars(form.tbGoTo, L"0123456789")) ++nested;
    };
    form.tbGoTo.SetText(L"");
    changes = 0;
    form.tbGoTo.SetText(L"1x");
    EXPECT_EQ(form.tbGoTo.Text(), L"1");
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(changes, 2); // the typed text, then the filtered one
    // Other kinds are left alone.
    EXPECT_FALSE(Common::FilterChars(form.chFlag, L"0"));
}

TEST(ControlProbes, AnswerWithoutErrors)
{
    HelperForm form;
    ASSERT_TRUE(form.Load());
    EXPECT_TRUE(Common::HasContainer(form.chFlag));
    EXPECT_FALSE(Common::HasContainer(form));
    EXPECT_FALSE(Common::HasIndex(form.chFlag));
    EXPECT_TRUE(Common::HasIndex(form.chArray));
    EXPECT_TRUE(Common::HasHwnd(form.chFlag));
}

TEST(Geometry, SetSizeOnlyOnChangeAndScreenPositions)
{
    HelperForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    Common::SetSize(form.tbGoTo, 120, 22); // unchanged: no move at all
    EXPECT_EQ(form.tbGoTo.Width(), 120);
    Common::SetSize(form.tbGoTo, 150, 30);
    EXPECT_EQ(form.tbGoTo.Width(), 150);
    EXPECT_EQ(form.tbGoTo.Height(), 30);

    RECT r{};
    GetWindowRect(form.tbGoTo.hWnd(), &r);
    EXPECT_EQ(Common::ControlLeft(form.tbGoTo), r.left * Runtime::TwipsPerPixelX());
    EXPECT_EQ(Common::ControlTop(form.tbGoTo), r.top * Runtime::TwipsPerPixelY());
    // A form's client area lies below its caption: the top offset is the larger one.
    EXPECT_GT(Common::ContainerClient(form, Common::SideTop), Common::ContainerClient(form, Common::SideLeft));
    EXPECT_EQ(Common::ContainerClient(form, 9), Common::ContainerClient(form, Common::SideLeft));
}

TEST(LeadingRunCount, CountsWholeUnits)
{
    EXPECT_EQ(Common::LeadingRunCount(L"\t\tx", L"\t"), 2);
    EXPECT_EQ(Common::LeadingRunCount(L"abc", L""), 0);
    EXPECT_EQ(Common::LeadingRunCount(L"", L"\t"), 0);
    EXPECT_EQ(Common::LeadingRunCount(L"    x", L"  "), 4);
    EXPECT_EQ(Common::LeadingRunCount(L"   x", L"  "), 2);
    EXPECT_EQ(Common::LeadingRunCount(L"\t\t", L"\t"), 2);
}

} // namespace
