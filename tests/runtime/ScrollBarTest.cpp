// Scroll bars in real windows: Value follows line and page steps, thumb
// drags and the program, Change is raised once per change and Scroll while
// the thumb moves; values outside the range are refused.
#include "runtime/Form.h"
#include "runtime/ScrollBar.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace Runtime;

class BarForm : public Form {
public:
    BarForm() : Form(L"fwBars") {}
    ScrollBar sbTable{this, nullptr, L"sbTable"};

protected:
    void CreateControls() override
    {
        Move(100, 100, 200, 260);
        sbTable.Create(10, 10, GetSystemMetrics(SM_CXVSCROLL), 200);
        sbTable.SetMax(100);
        sbTable.SetLargeChange(10);
    }
};

struct Counts {
    int changes = 0, scrolls = 0;
};

// What the bar sends its parent when the user works it.
void UserScroll(ScrollBar& bar, int code, int position = 0)
{
    SendMessageW(GetParent(bar.hWnd()), WM_VSCROLL, MAKEWPARAM(code, position),
                 reinterpret_cast<LPARAM>(bar.hWnd()));
}

TEST(ScrollBar, UserStepsAndDragsMoveTheValueWithOneChangeEach)
{
    BarForm form;
    ASSERT_TRUE(form.Load());
    ScrollBar& bar = form.sbTable;
    Counts n;
    std::vector<int> seen;
    bar.Change = [&] { ++n.changes; seen.push_back(bar.Value()); };
    bar.Scroll = [&] { ++n.scrolls; };
    bar.SetValue(50);
    ASSERT_EQ(n.changes, 1);

    struct Step { const char* what; int code, position, value, changes, scrolls; };
    const Step steps[] = {
        {"line down", SB_LINEDOWN, 0, 51, 2, 0},
        {"line up", SB_LINEUP, 0, 50, 3, 0},
        {"page down", SB_PAGEDOWN, 0, 60, 4, 0},
        {"page up", SB_PAGEUP, 0, 50, 5, 0},
        {"end of a click", SB_ENDSCROLL, 0, 50, 5, 0},
        {"bottom", SB_BOTTOM, 0, 100, 6, 0},
        {"line down at the end: no change", SB_LINEDOWN, 0, 100, 6, 0},
        {"page down at the end: no change", SB_PAGEDOWN, 0, 100, 6, 0},
        {"top", SB_TOP, 0, 0, 7, 0},
        {"line up at the start: no change", SB_LINEUP, 0, 0, 7, 0},
        {"drag", SB_THUMBTRACK, 30, 30, 7, 1},
        {"drag on", SB_THUMBTRACK, 40, 40, 7, 2},
        {"drag without a move", SB_THUMBTRACK, 40, 40, 7, 2},
        {"release", SB_THUMBPOSITION, 40, 40, 8, 2},
        {"grab and let go in place", SB_THUMBTRACK, 40, 40, 8, 2},
        {"its release", SB_THUMBPOSITION, 40, 40, 8, 2},
        {"drag away", SB_THUMBTRACK, 70, 70, 8, 3},
        {"drag back", SB_THUMBTRACK, 40, 40, 8, 4},
        {"release where it began", SB_THUMBPOSITION, 40, 40, 9, 4},
    };
    for (const Step& s : steps) {
        UserScroll(bar, s.code, s.position);
        EXPECT_EQ(bar.Value(), s.value) << s.what;
        EXPECT_EQ(n.changes, s.changes) << s.what;
        EXPECT_EQ(n.scrolls, s.scrolls) << s.what;
        EXPECT_EQ(GetScrollPos(bar.hWnd(), SB_CTL), s.value) << s.what;
    }
    // Change always sees the new value.
    EXPECT_EQ(seen.back(), 40);
}

TEST(ScrollBar, ProgramChangesAndTheRange)
{
    BarForm form;
    ASSERT_TRUE(form.Load());
    ScrollBar& bar = form.sbTable;
    int changes = 0;
    bar.Change = [&] { ++changes; };

    bar.SetValue(70);
    bar.SetValue(70);
    EXPECT_EQ(changes, 1);
    for (int bad : {-1, 101}) {
        try {
            bar.SetValue(bad);
            ADD_FAILURE() << bad << " was taken";
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), ErrInvalidProperty) << bad;
        }
    }
    EXPECT_EQ(bar.Value(), 70);
    EXPECT_EQ(changes, 1);

    // A range that no longer holds the value moves it, as a change.
    bar.SetMax(60);
    EXPECT_EQ(bar.Value(), 60);
    EXPECT_EQ(changes, 2);
    bar.SetMax(32767);
    EXPECT_EQ(changes, 2);
    int min = 0, max = 0;
    GetScrollRange(bar.hWnd(), SB_CTL, &min, &max);
    EXPECT_EQ(max - min, 32767);
    for (int bad : {-32769, 32768}) EXPECT_THROW(bar.SetMax(bad), Error) << bad;
    for (int bad : {0, 32768}) {
        EXPECT_THROW(bar.SetSmallChange(bad), Error) << bad;
        EXPECT_THROW(bar.SetLargeChange(bad), Error) << bad;
    }
    EXPECT_EQ(bar.TypeName(), L"FlatScrollBar");
}

TEST(ScrollBar, AReversedRangeRunsTheOtherWay)
{
    BarForm form;
    ASSERT_TRUE(form.Load());
    ScrollBar& bar = form.sbTable;
    bar.SetMin(100);
    bar.SetMax(0);
    bar.SetValue(100);
    EXPECT_EQ(GetScrollPos(bar.hWnd(), SB_CTL), 0) << "Min is at the top";
    UserScroll(bar, SB_LINEDOWN);
    EXPECT_EQ(bar.Value(), 99);
    UserScroll(bar, SB_THUMBTRACK, 30);
    EXPECT_EQ(bar.Value(), 70);
    UserScroll(bar, SB_BOTTOM);
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_THROW(bar.SetValue(101), Error);
}

// Real mouse input on the bar: the system control's own tracking.
TEST(ScrollBar, RealClicksOnTheArrowThePageAndTheThumb)
{
    BarForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    ScrollBar& bar = form.sbTable;
    Counts n;
    bar.Change = [&] { ++n.changes; };
    bar.Scroll = [&] { ++n.scrolls; };
    HWND w = bar.hWnd();
    int arrow = GetSystemMetrics(SM_CYVSCROLL), x = GetSystemMetrics(SM_CXVSCROLL) / 2;
    auto press = [&](int y, int moveTo) {
        // The release waits in the queue; the bar's tracking loop reads it.
        if (moveTo >= 0) PostMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, moveTo));
        PostMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(x, moveTo >= 0 ? moveTo : y));
        SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    };

    press(200 - arrow / 2, -1); // the down arrow
    EXPECT_EQ(bar.Value(), 1);
    EXPECT_EQ(n.changes, 1);
    press(150, -1); // the page below the thumb
    EXPECT_EQ(bar.Value(), 11);
    EXPECT_EQ(n.changes, 2);
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(w, OBJID_CLIENT, &info);
    int thumb = (info.xyThumbTop + info.xyThumbBottom) / 2;
    press(thumb, thumb + 60); // drag the thumb down
    EXPECT_GT(bar.Value(), 11);
    EXPECT_GE(n.scrolls, 1);
    EXPECT_EQ(n.changes, 3) << "one Change at the release";
}

} // namespace
