// Forms and the basic controls in real windows: program changes raise the
// same events as the user's, once per change, and errors in handlers are
// reported instead of crossing the window procedure.
#include <windows.h>
#include <commctrl.h>

#include "runtime/Buttons.h"
#include "runtime/ErrorReport.h"
#include "runtime/Form.h"
#include "runtime/Label.h"
#include "runtime/Pump.h"
#include "runtime/TextBox.h"
#include "tests/support/Screenshot.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace Runtime;

class TestForm : public Form {
public:
    TestForm() : Form(L"fwTest") {}

    Label tlInfo{this, nullptr, L"tlInfo"};
    TextBox tbText{this, nullptr, L"tbText"};
    CheckBox chFlag{this, nullptr, L"chFlag"};
    CommandButton bbGo{this, nullptr, L"bbGo"};
    std::vector<std::unique_ptr<OptionButton>> obChoice;

    int loads = 0, unloads = 0, keyDowns = 0;
    int cancelUnload = 0;
    int cancelQuery = 0, queryMode = -1;

protected:
    void CreateControls() override
    {
        Move(100, 100, 360, 220);
        tlInfo.Create(8, 8, 200, 18, L"Label \x0416\x00E9");
        tbText.Create(8, 30, 200, 22);
        chFlag.Create(8, 60, 120, 20, L"&Flag");
        bbGo.Create(220, 30, 90, 24, L"&Go");
        for (int i = 0; i < 3; ++i) {
            obChoice.push_back(std::make_unique<OptionButton>(this, nullptr, L"obChoice", i));
            obChoice.back()->Create(8, 90 + 22 * i, 120, 20, L"Option " + std::to_wstring(i));
        }
        KeyPreview = true;
    }
    void Form_Load() override { ++loads; }
    void Form_QueryUnload(int& cancel, int mode) override
    {
        queryMode = mode;
        cancel = cancelQuery;
    }
    void Form_Unload(int& cancel) override { ++unloads; cancel = cancelUnload; }
    void Form_KeyDown(int&, int) override { ++keyDowns; }
};

TEST(Form, ProgramChangesRaiseEventsOncePerChange)
{
    TestForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    EXPECT_EQ(form.loads, 1);

    int changes = 0, checks = 0, clicks = 0;
    std::vector<int> optionClicks;
    form.tbText.Change = [&] { ++changes; };
    form.chFlag.Click = [&] { ++checks; };
    form.bbGo.Click = [&] { ++clicks; };
    for (auto& o : form.obChoice) o->Click = [&, i = o->Index()] { optionClicks.push_back(i); };

    form.tbText.SetText(L"abc");
    form.tbText.SetText(L"abc"); // unchanged: no event
    form.tbText.SetText(L"\x0410\x0411");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(form.tbText.Text(), L"\x0410\x0411");

    form.chFlag.SetValue(1);
    form.chFlag.SetValue(1);
    form.chFlag.SetValue(0);
    EXPECT_EQ(checks, 2);

    form.obChoice[1]->SetValue(true);
    form.obChoice[1]->SetValue(true);
    form.obChoice[2]->SetValue(true);
    EXPECT_EQ(optionClicks, (std::vector<int>{1, 2}));
    EXPECT_FALSE(form.obChoice[1]->Value());
    EXPECT_TRUE(form.obChoice[2]->Value());

    // The user's click: the check box toggles and raises Click once.
    SendMessageW(form.chFlag.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.chFlag.Value(), 1);
    EXPECT_EQ(checks, 3);
    SendMessageW(form.bbGo.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);

    TestSupport::SaveWindowScreenshot(form.hWnd(), "runtime-basic-form");
    form.Unload();
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(form.tbText.hWnd(), nullptr);
}

TEST(Form, UnloadCanBeCancelledAndCloseBoxUnloads)
{
    TestForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    form.cancelUnload = 1;
    SendMessageW(form.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.Loaded());
    form.cancelUnload = 0;
    SendMessageW(form.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(form.unloads, 2);
    // The last form gone posts WM_QUIT; take it off the queue.
    EXPECT_FALSE(DoEvents());
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST(Form, TheSessionsEndAsksTheFormAndRaisesItsUnloadOnce)
{
    TestForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    // The form may refuse the end: it is asked with the session's mode.
    form.cancelQuery = 1;
    EXPECT_EQ(SendMessageW(form.hWnd(), WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_EQ(form.queryMode, Form::UnloadAppWindows);
    form.cancelQuery = 0;
    EXPECT_EQ(SendMessageW(form.hWnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
    // An end called off unloads nothing.
    SendMessageW(form.hWnd(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(form.unloads, 0);

    // The end itself: the unload event runs once, whatever it answers, and
    // the window stays for the system to end the process.
    form.cancelUnload = 1;
    SendMessageW(form.hWnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(form.unloads, 1);
    EXPECT_TRUE(form.Loaded());
    SendMessageW(form.hWnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(SendMessageW(form.hWnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
    form.queryMode = -1;
    // Should the process live on, closing the window raises nothing again.
    SendMessageW(form.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(form.unloads, 1);
    EXPECT_EQ(form.queryMode, -1);
    EXPECT_FALSE(DoEvents());
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST(Form, ErrorsInHandlersAreReportedNotThrown)
{
    std::vector<int> reported;
    ErrorReporter old = SetErrorReporter([&](int number, const std::string&) { reported.push_back(number); });
    TestForm form;
    ASSERT_TRUE(form.Load());
    form.chFlag.Click = [] { Raise(ErrOverflow); };
    SendMessageW(form.chFlag.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(reported, std::vector<int>{ErrOverflow});
    EXPECT_THROW(form.SetWindowState(3), Error);
    SetErrorReporter(old);
}

TEST(Form, KeyPreviewSeesKeysBeforeTheFocusedControl)
{
    TestForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    int controlKeys = 0;
    form.tbText.KeyDown = [&](int&, int) { ++controlKeys; };
    form.tbText.SetFocus();
    MSG msg{};
    msg.hwnd = form.tbText.hWnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = 'A';
    PumpMessage(msg);
    EXPECT_EQ(form.keyDowns, 1);
    EXPECT_EQ(controlKeys, 1); // the preview never consumes the key
}

} // namespace

namespace {

int g_overMessages = 0;

LRESULT CALLBACK CountingProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    ++g_overMessages;
    return DefSubclassProc(wnd, msg, wParam, lParam);
}

// A control's window that another procedure was put over (as a drop target
// watches an edit) works on when the control lets go of it first: the
// procedure over it and the window's own see its last messages.
TEST(Form, AProcedurePutOverAControlsWindowOutlivesTheControl)
{
    TestForm form;
    ASSERT_TRUE(form.Load());
    auto box = std::make_unique<TextBox>(&form, nullptr, L"tbExtra");
    box->Create(8, 160, 100, 22);
    int changes = 0;
    box->Change = [&] { ++changes; };
    HWND wnd = box->hWnd();
    ASSERT_TRUE(SetWindowSubclass(wnd, CountingProc, 7, 0));
    SetWindowTextW(wnd, L"one");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Control::FromHwnd(wnd), box.get());

    // The control goes; its window is destroyed with it, the procedure over
    // it seeing the last messages.
    box.reset();
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_GT(g_overMessages, 0);
    EXPECT_EQ(Control::FromHwnd(wnd), nullptr);

    EXPECT_TRUE(form.Unload());
}

} // namespace

namespace {

// Changes made while a form is hidden are not painted then (that would cost
// a round trip each); showing the form paints them all.
TEST(Form, ChangesMadeWhileHiddenShowWhenTheFormIsShown)
{
    TestForm form;
    ASSERT_TRUE(form.Load());
    SetWindowPos(form.hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    form.Show();
    form.Hide();
    const COLORREF green = RGB(0, 200, 0);
    form.tlInfo.SetBackColor(green);
    form.tlInfo.Move(8, 8, 200, 40); // taller: the new part was never painted
    form.Show();
    DoEvents();
    ScopedGetDC dc(form.tlInfo.hWnd());
    struct Case { const char* what; int x, y; };
    const Case cases[] = {{"the old area", 190, 2}, {"the new area", 190, 36}};
    for (const Case& c : cases) EXPECT_EQ(GetPixel(dc.Get(), c.x, c.y), green) << c.what;
    EXPECT_TRUE(form.Unload());
}

} // namespace
