// Frames in real windows: the controls inside are its child windows, get
// their own notifications through it, and option buttons in a frame form
// their own group.
#include "runtime/Buttons.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "tests/support/Screenshot.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace Runtime;

class FrameForm : public Form {
public:
    FrameForm() : Form(L"fwFrames") {}

    Frame fbLeft{this, nullptr, L"fbLeft"};
    Frame fbRight{this, nullptr, L"fbRight"};
    std::vector<std::unique_ptr<OptionButton>> obLeft, obRight;
    CheckBox chInside{this, &fbRight, L"chInside"};

protected:
    void CreateControls() override
    {
        Move(60, 60, 360, 200);
        fbLeft.Create(8, 8, 160, 140, L"&Left");
        fbRight.Create(176, 8, 160, 140, L"Right");
        for (int i = 0; i < 2; ++i) {
            obLeft.push_back(std::make_unique<OptionButton>(this, &fbLeft, L"obLeft", i));
            obLeft.back()->Create(10, 20 + 24 * i, 120, 20, L"Left " + std::to_wstring(i));
            obRight.push_back(std::make_unique<OptionButton>(this, &fbRight, L"obRight", i));
            obRight.back()->Create(10, 20 + 24 * i, 120, 20, L"Right " + std::to_wstring(i));
        }
        chInside.Create(10, 80, 120, 20, L"Inside");
    }
};

TEST(Frame, ControlsInsideAreItsChildrenAndGetTheirEvents)
{
    FrameForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    EXPECT_EQ(form.fbLeft.Caption(), L"&Left");
    form.fbLeft.SetCaption(L"Search");
    EXPECT_EQ(form.fbLeft.Caption(), L"Search");
    EXPECT_EQ(GetParent(form.obLeft[0]->hWnd()), form.fbLeft.hWnd());
    EXPECT_EQ(GetParent(form.chInside.hWnd()), form.fbRight.hWnd());

    int checks = 0;
    form.chInside.Click = [&] { ++checks; };
    SendMessageW(form.chInside.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(form.chInside.Value(), 1);

    // Tab moves into the frames.
    HWND first = GetNextDlgTabItem(form.hWnd(), nullptr, FALSE);
    EXPECT_TRUE(IsChild(form.fbLeft.hWnd(), first) || IsChild(form.fbRight.hWnd(), first));
    TestSupport::SaveWindowScreenshot(form.hWnd(), "runtime-frames");
}

TEST(Frame, OptionButtonsOfEachFrameFormTheirOwnGroup)
{
    FrameForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    // The user's clicks, in order; after each, which options are on.
    struct Step { const char* what; OptionButton* click; bool l0, l1, r0, r1; };
    const Step steps[] = {
        {"left 0", form.obLeft[0].get(), true, false, false, false},
        {"right 1", form.obRight[1].get(), true, false, false, true},
        {"left 1", form.obLeft[1].get(), false, true, false, true},
        {"right 0", form.obRight[0].get(), false, true, true, false},
    };
    for (const Step& s : steps) {
        SendMessageW(s.click->hWnd(), BM_CLICK, 0, 0);
        EXPECT_EQ(form.obLeft[0]->Value(), s.l0) << s.what;
        EXPECT_EQ(form.obLeft[1]->Value(), s.l1) << s.what;
        EXPECT_EQ(form.obRight[0]->Value(), s.r0) << s.what;
        EXPECT_EQ(form.obRight[1]->Value(), s.r1) << s.what;
        EXPECT_EQ(SendMessageW(s.click->hWnd(), BM_GETCHECK, 0, 0), BST_CHECKED) << s.what;
    }
}

TEST(Frame, TakesItsOwnClicks)
{
    FrameForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    std::vector<std::string> events;
    form.fbLeft.MouseDown = [&](const MouseArgs&) { events.push_back("down"); };
    form.fbLeft.Click = [&] { events.push_back("click"); };
    // Where the frame has no child, the frame itself is hit (a plain group
    // box would let the mouse through to the form).
    POINT p{150, 130};
    ClientToScreen(form.fbLeft.hWnd(), &p);
    EXPECT_EQ(SendMessageW(form.fbLeft.hWnd(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), HTCLIENT);
    SendMessageW(form.fbLeft.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 130));
    SendMessageW(form.fbLeft.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(150, 130));
    EXPECT_EQ(events, (std::vector<std::string>{"down", "click"}));
}

} // namespace
