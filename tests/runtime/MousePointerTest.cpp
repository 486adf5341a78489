// Mouse pointers in real windows: the cursor a form and its controls set
// in answer to WM_SETCURSOR for each pointer value, which of a form's and a
// control's own pointer wins, and (with the real mouse pointer moved over
// the window) that a change shows at once.
#include <windows.h>

#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/MousePointer.h"
#include "runtime/PropertyPage.h"
#include "runtime/TextBox.h"
#include "tests/support/CursorAnswer.h"

#include <gtest/gtest.h>

namespace {

using namespace Runtime;
using TestSupport::CursorAnswer;

class PointerForm : public Form {
public:
    PointerForm() : Form(L"fwPointer") {}
    TextBox tbText{this, nullptr, L"tbText"};

protected:
    void CreateControls() override
    {
        Move(120, 140, 300, 200);
        tbText.Create(150, 10, 120, 22);
    }
};

HCURSOR System(const wchar_t* id) { return LoadCursorW(nullptr, id); }

class MousePointer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Load());
        form.Show();
    }
    PointerForm form;
};

TEST_F(MousePointer, FormAnswersWithItsPointerOverItselfAndItsDefaultControls)
{
    HCURSOR custom = System(IDC_HAND);
    struct {
        int pointer;
        HCURSOR icon;
        HCURSOR overForm;
        HCURSOR overText; // a text box keeps the default: the form's pointer, else its I-beam
    } cases[] = {
        {PointerDefault, nullptr, System(IDC_ARROW), System(IDC_IBEAM)},
        {PointerHourglass, nullptr, System(IDC_WAIT), System(IDC_WAIT)},
        {13, nullptr, System(IDC_APPSTARTING), System(IDC_APPSTARTING)},
        {2, nullptr, System(IDC_CROSS), System(IDC_CROSS)},
        {PointerCustom, custom, custom, custom},
        {PointerCustom, nullptr, System(IDC_ARROW), System(IDC_IBEAM)}, // no icon: as the default
        {4, nullptr, System(IDC_ARROW), System(IDC_IBEAM)},             // no cursor of its own
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "pointer " << c.pointer << (c.icon ? " with icon" : ""));
        form.SetMouseIcon(c.icon);
        form.SetMousePointer(c.pointer);
        EXPECT_EQ(form.MousePointer(), c.pointer);
        EXPECT_EQ(CursorAnswer(form.hWnd()), c.overForm);
        EXPECT_EQ(CursorAnswer(form.tbText.hWnd()), c.overText);
    }
}

TEST_F(MousePointer, ControlsOwnPointerWinsOverTheForms)
{
    form.SetMousePointer(PointerHourglass);
    form.tbText.SetMousePointer(14);
    EXPECT_EQ(CursorAnswer(form.tbText.hWnd()), System(IDC_HELP));
    EXPECT_EQ(CursorAnswer(form.hWnd()), System(IDC_WAIT));
    form.tbText.SetMousePointer(PointerDefault);
    EXPECT_EQ(CursorAnswer(form.tbText.hWnd()), System(IDC_WAIT));
}

TEST_F(MousePointer, NonClientAreaKeepsItsOwnCursors)
{
    form.SetMousePointer(PointerHourglass);
    SetCursor(nullptr);
    SendMessageW(form.hWnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.hWnd()),
                 MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), System(IDC_WAIT));
}

// A property page with a list box: the hourglass while a change of the
// whole list runs.
class ListPage final : public PropertyPage {
public:
    ListPage() : PropertyPage(L"List") {}
    HWND list = nullptr;

private:
    void CreateContent(HWND page) override
    {
        list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 80, page, nullptr, nullptr,
                               nullptr);
    }
    void Layout(int, int) override {}
    void Load(IDispatch*) override {}
    HRESULT Save(IDispatch*) override { return S_OK; }
    const wchar_t* Source() const override { return L"List"; }
};

TEST_F(MousePointer, PropertyPageAnswersWithItsPointerOverItselfAndItsControls)
{
    auto* page = new ListPage;
    RECT place{0, 0, 200, 150};
    ASSERT_EQ(page->Activate(form.hWnd(), &place, TRUE), S_OK);
    page->Show(SW_SHOW);
    page->SetMousePointer(PointerHourglass);
    EXPECT_EQ(CursorAnswer(page->Window()), System(IDC_WAIT));
    EXPECT_EQ(CursorAnswer(page->list), System(IDC_WAIT));
    page->SetMousePointer(PointerDefault);
    EXPECT_EQ(CursorAnswer(page->Window()), System(IDC_ARROW));
    EXPECT_EQ(CursorAnswer(page->list), System(IDC_ARROW));
    page->Deactivate();
    page->Release();
}

// The real mouse pointer is moved over the window: these run alone.
class MousePointerFocus : public MousePointer {
protected:
    void PointAt(HWND wnd, int x, int y)
    {
        POINT at{x, y};
        ClientToScreen(wnd, &at);
        SetCursorPos(at.x, at.y);
    }
    void TearDown() override { SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1); }
};

TEST_F(MousePointerFocus, ChangeShowsAtOnceUnderTheMouse)
{
    PointAt(form.hWnd(), 20, 100); // the form's own client area
    form.SetMousePointer(PointerHourglass);
    EXPECT_EQ(GetCursor(), System(IDC_WAIT));
    form.SetMousePointer(PointerDefault);
    EXPECT_EQ(GetCursor(), System(IDC_ARROW));

    PointAt(form.tbText.hWnd(), 5, 5);
    form.SetMousePointer(PointerHourglass);
    EXPECT_EQ(GetCursor(), System(IDC_WAIT)) << "over a control that keeps the default";
    form.SetMousePointer(PointerDefault);
    EXPECT_EQ(GetCursor(), System(IDC_IBEAM));
    form.tbText.SetMousePointer(14);
    EXPECT_EQ(GetCursor(), System(IDC_HELP)) << "a control's own change";
    form.tbText.SetMouseIcon(System(IDC_HAND));
    form.tbText.SetMousePointer(PointerCustom);
    EXPECT_EQ(GetCursor(), System(IDC_HAND));
    form.tbText.SetMouseIcon(System(IDC_CROSS));
    EXPECT_EQ(GetCursor(), System(IDC_CROSS)) << "a new icon of the custom pointer";
}

TEST_F(MousePointerFocus, ChangeElsewhereLeavesTheCursorAlone)
{
    RECT box{};
    GetWindowRect(form.hWnd(), &box);
    SetCursorPos(box.right + 30, box.bottom + 30);
    SetCursor(System(IDC_ARROW));
    form.SetMousePointer(PointerHourglass);
    EXPECT_EQ(GetCursor(), System(IDC_ARROW));
}

} // namespace
