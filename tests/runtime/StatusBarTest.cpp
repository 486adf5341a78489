// Status bars in real windows (common controls version 6): panels by key
// with their places, widths and texts, two bars stacked at the bottom of the
// form through resizes, key-state panels drawn by the key's toggle state,
// and the panel events of the user's clicks.
#include "runtime/CommonControls.h"
#include "runtime/ErrorReport.h"
#include "runtime/Form.h"
#include "runtime/Pump.h"
#include "runtime/StatusBar.h"

#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace Runtime;

class StatusForm : public Form {
public:
    StatusForm() : Form(L"fwStatus") { FixedSize = false; }

    std::vector<std::unique_ptr<StatusBar>> pbStatus;
    StatusBar pbFree{this, nullptr, L"pbFree"};

protected:
    void CreateControls() override
    {
        Move(40, 40, 640, 300);
        for (int i = 0; i < 2; ++i) {
            pbStatus.push_back(std::make_unique<StatusBar>(this, nullptr, L"pbStatus", i));
            pbStatus.back()->Create(20);
        }
        pbStatus[0]->Panels().Add(L"Hex", L"U+0041", 60).SetToolTipText(L"Double click to switch Dec/Hex mode");
        pbStatus[0]->Panels().Add(L"Name", L"LATIN CAPITAL LETTER A", 200);
        pbStatus[0]->Panels().Add(L"Type", L"", 80);
        StatusBar& bar = *pbStatus[1];
        bar.Panels().Add(L"Message", L"Ready", 224);
        bar.Panels().Add(L"Mode", L"", 176);
        bar.Panels().Add(L"OnTop", L"", 70);
        const int keys[] = {Panel::StyleCaps, Panel::StyleScrl, Panel::StyleNum, Panel::StyleIns, Panel::StyleKana};
        for (int style : keys) bar.Panels().Add(L"", L"", 40, style).Tag = L"176";
        pbFree.SetAlign(StatusBar::AlignNone);
        pbFree.Panels().Add(L"Only", L"placed by Move", 150); // before the window exists
        pbFree.Create(22);
        pbFree.Move(10, 10, 300, 22);
    }
};

using TestSupport::ErrorOf;

std::wstring PartText(HWND bar, int part)
{
    wchar_t text[256] = {};
    SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    return text;
}

// The tool tip text a tool tip window of this thread holds for a panel.
std::wstring PanelTip(HWND bar, int panelIndex)
{
    struct Search {
        HWND bar;
        UINT_PTR id;
        std::wstring text;
    } search{bar, static_cast<UINT_PTR>(panelIndex), {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND wnd, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t cls[64] = {};
            GetClassNameW(wnd, cls, 64);
            if (lstrcmpiW(cls, TOOLTIPS_CLASSW) != 0) return TRUE;
            wchar_t text[256] = {};
            TTTOOLINFOW ti{};
            ti.cbSize = sizeof ti;
            ti.hwnd = s->bar;
            ti.uId = s->id;
            ti.lpszText = text;
            SendMessageW(wnd, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&ti));
            if (text[0]) s->text = text;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.text;
}

class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(v6_.Active());
        old_ = SetErrorReporter([this](int number, const std::string&) { reported_.push_back(number); });
        ASSERT_TRUE(form_.Load());
        form_.Show();
        GetKeyboardState(keys_);
    }
    void TearDown() override
    {
        SetKeyboardState(keys_);
        form_.Unload();
        DoEvents();
        MSG msg;
        PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        SetErrorReporter(old_);
        EXPECT_TRUE(reported_.empty());
    }

    ScopedCommonControls6 v6_;
    StatusForm form_;
    ErrorReporter old_;
    std::vector<int> reported_;
    BYTE keys_[256] = {};
};

TEST_F(StatusBarTest, PanelsHaveTheirKeysPlacesAndTexts)
{
    StatusBar& bar = *form_.pbStatus[0];
    EXPECT_EQ(bar.TypeName(), L"StatusBar");
    wchar_t cls[64] = {};
    GetClassNameW(bar.hWnd(), cls, 64);
    EXPECT_NE(std::wstring(cls).find(STATUSCLASSNAMEW), std::wstring::npos) << "hWnd is the status window";

    bar.Panels()(L"Name").SetWidth(150);
    bar.Panels()(L"Type").SetText(L"Letter, uppercase");
    struct Row {
        const wchar_t* key;
        int left, width;
        const wchar_t* text;
    };
    const Row expected[] = {
        {L"Hex", 0, 60, L"U+0041"},
        {L"Name", 60, 150, L"LATIN CAPITAL LETTER A"},
        {L"Type", 210, 80, L"Letter, uppercase"},
    };
    ASSERT_EQ(bar.Panels().Count(), 3);
    int rights[8] = {};
    ASSERT_EQ(SendMessageW(bar.hWnd(), SB_GETPARTS, 8, reinterpret_cast<LPARAM>(rights)), 3);
    for (int i = 1; i <= 3; ++i) {
        const Row& r = expected[i - 1];
        Panel& p = bar.Panels()(r.key);
        EXPECT_EQ(p.Index(), i) << "panel " << i;
        EXPECT_EQ(&bar.Panels()(i), &p) << "panel " << i;
        EXPECT_EQ(p.Left(), r.left) << "panel " << i;
        EXPECT_EQ(p.Width(), r.width) << "panel " << i;
        EXPECT_EQ(p.Text(), r.text) << "panel " << i;
        EXPECT_EQ(PartText(bar.hWnd(), i - 1), r.text) << "the window's part " << i;
        EXPECT_EQ(rights[i - 1], r.left + r.width) << "the window's part " << i;
    }
    EXPECT_EQ(PanelTip(bar.hWnd(), 1), L"Double click to switch Dec/Hex mode");
    EXPECT_EQ(PanelTip(bar.hWnd(), 2), L"");

    StatusBar& keysBar = *form_.pbStatus[1];
    const int styles[] = {Panel::StyleCaps, Panel::StyleScrl, Panel::StyleNum, Panel::StyleIns, Panel::StyleKana};
    const int vks[] = {VK_CAPITAL, VK_SCROLL, VK_NUMLOCK, VK_INSERT, VK_KANA};
    for (int i = 0; i < 5; ++i) {
        Panel& p = keysBar.Panels()(4 + i);
        EXPECT_EQ(p.Style(), styles[i]) << "key panel " << i;
        EXPECT_EQ(p.KeyCode(), vks[i]) << "key panel " << i;
        EXPECT_EQ(p.Key(), L"") << "key panel " << i;
        EXPECT_EQ(p.Tag, L"176") << "key panel " << i;
        EXPECT_EQ(p.Left(), 224 + 176 + 70 + 40 * i) << "key panel " << i;
    }
    EXPECT_EQ(form_.pbFree.Panels()(1).Text(), L"placed by Move");
    EXPECT_EQ(PartText(form_.pbFree.hWnd(), 0), L"placed by Move") << "panels added before Create show";

    struct Bad {
        const char* what;
        std::function<void()> act;
        int error;
    };
    const Bad bad[] = {
        {"a key that is taken", [&] { bar.Panels().Add(L"Hex"); }, ErrKeyNotUnique},
        {"a time panel", [&] { bar.Panels().Add(L"Time", L"", 50, 5); }, ErrInvalidProperty},
        {"a negative width", [&] { bar.Panels().Add(L"W", L"", -1); }, ErrInvalidProperty},
        {"panel 4 of 3", [&] { bar.Panels()(4); }, ErrIndexOutOfBounds},
        {"an unknown key", [&] { bar.Panels()(L"Hexa"); }, ErrElementNotFound},
        {"bevel 3", [&] { bar.Panels()(1).SetBevel(3); }, ErrInvalidProperty},
        {"style 6", [&] { bar.Panels()(1).SetStyle(6); }, ErrInvalidProperty},
        {"align top", [&] { bar.SetAlign(1); }, ErrInvalidProperty},
    };
    for (const Bad& b : bad) EXPECT_EQ(ErrorOf(b.act), b.error) << b.what;
    EXPECT_EQ(bar.Panels().Count(), 3) << "a refused call changes nothing";
    EXPECT_EQ(bar.Panels().Find(L"Time"), nullptr);
}

TEST_F(StatusBarTest, TwoBarsStackAtTheBottomThroughResizes)
{
    StatusBar& upper = *form_.pbStatus[0];
    StatusBar& lower = *form_.pbStatus[1];
    auto screenRect = [](HWND wnd) {
        RECT r{};
        GetWindowRect(wnd, &r);
        return r;
    };
    struct Case {
        int width, height;
    };
    const Case sizes[] = {{640, 300}, {420, 260}, {800, 420}};
    for (const Case& c : sizes) {
        form_.Move(40, 40, c.width, c.height);
        int w = form_.ScaleWidth(), h = form_.ScaleHeight();
        EXPECT_EQ(lower.Top(), h - 20) << c.width << "x" << c.height;
        EXPECT_EQ(upper.Top(), h - 40) << c.width << "x" << c.height;
        EXPECT_EQ(upper.Width(), w) << c.width << "x" << c.height;
        EXPECT_EQ(lower.Width(), w) << c.width << "x" << c.height;
        // The windows are where the controls say.
        RECT r = screenRect(lower.hWnd());
        POINT origin{0, 0};
        ClientToScreen(form_.hWnd(), &origin);
        EXPECT_EQ(r.top - origin.y, lower.Top()) << c.width << "x" << c.height;
        EXPECT_EQ(r.bottom - r.top, 20) << c.width << "x" << c.height;
        EXPECT_EQ(r.right - r.left, w) << c.width << "x" << c.height;
    }
    int h = form_.ScaleHeight();
    lower.SetVisible(false);
    EXPECT_EQ(upper.Top(), h - 20) << "a hidden bar takes no room";
    lower.SetVisible(true);
    EXPECT_EQ(upper.Top(), h - 40);
    upper.Move(0, 0, 0, 26);
    EXPECT_EQ(upper.Height(), 26) << "Move sets an aligned bar's height only";
    EXPECT_EQ(upper.Top(), h - 46);
    EXPECT_EQ(upper.Left(), 0);

    StatusBar& free = form_.pbFree;
    EXPECT_EQ(free.Left(), 10);
    EXPECT_EQ(free.Top(), 10);
    RECT r = screenRect(free.hWnd());
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(r.bottom - r.top, 22);
    form_.Move(40, 40, 500, 280);
    EXPECT_EQ(free.Top(), 10) << "a bar that is not aligned stays where it was moved";
    EXPECT_EQ(free.Width(), 300);
}

TEST_F(StatusBarTest, KeyStatePanelFollowsTheToggleState)
{
    StatusBar& bar = *form_.pbStatus[1];
    const COLORREF on = GetSysColor(COLOR_BTNTEXT), off = GetSysColor(COLOR_GRAYTEXT);
    ASSERT_NE(on, off);
    // Counts the pixels of the text colours inside a panel's part.
    auto inks = [&](int panel, int& onInk, int& offInk) {
        bar.Refresh();
        RECT r{};
        SendMessageW(bar.hWnd(), SB_GETRECT, panel - 1, reinterpret_cast<LPARAM>(&r));
        ScopedGetDC dc(bar.hWnd());
        onInk = offInk = 0;
        for (int y = r.top + 2; y < r.bottom - 2; ++y)
            for (int x = r.left + 2; x < r.right - 2; ++x) {
                COLORREF c = GetPixel(dc.Get(), x, y);
                onInk += c == on;
                offInk += c == off;
            }
    };
    struct Case {
        const char* what;
        int panel, vk;
        bool toggled;
    };
    const Case cases[] = {
        {"CAPS on", 4, VK_CAPITAL, true},  {"CAPS off", 4, VK_CAPITAL, false},
        {"NUM on", 6, VK_NUMLOCK, true},   {"NUM off", 6, VK_NUMLOCK, false},
        {"SCRL on", 5, VK_SCROLL, true},   {"INS off", 7, VK_INSERT, false},
    };
    for (const Case& c : cases) {
        BYTE state[256];
        GetKeyboardState(state);
        state[c.vk] = c.toggled ? 1 : 0; // as the panel's double click flips it
        SetKeyboardState(state);
        int onInk = 0, offInk = 0;
        inks(c.panel, onInk, offInk);
        if (c.toggled) {
            EXPECT_GT(onInk, 0) << c.what;
            EXPECT_EQ(offInk, 0) << c.what;
        } else {
            EXPECT_GT(offInk, 0) << c.what;
            EXPECT_EQ(onInk, 0) << c.what;
        }
    }
}

TEST_F(StatusBarTest, PanelEventsForTheUsersClicks)
{
    StatusBar& bar = *form_.pbStatus[0];
    std::vector<std::wstring> clicks, doubles;
    std::vector<MouseArgs> downs, moves;
    int barClicks = 0;
    bar.PanelClick = [&](Panel& p) { clicks.push_back(p.Key()); };
    bar.PanelDblClick = [&](Panel& p) { doubles.push_back(p.Key()); };
    bar.Click = [&] { ++barClicks; };
    bar.MouseDown = [&](const MouseArgs& a) { downs.push_back(a); };
    bar.MouseMove = [&](const MouseArgs& a) { moves.push_back(a); };
    struct Case {
        int x;
        const wchar_t* panel; // null: beside the panels
    };
    const Case cases[] = {{0, L"Hex"}, {59, L"Hex"}, {60, L"Name"}, {339, L"Type"}, {400, nullptr}};
    for (const Case& c : cases) {
        clicks.clear();
        doubles.clear();
        downs.clear();
        int before = barClicks;
        LPARAM at = MAKELPARAM(c.x, 7);
        SendMessageW(bar.hWnd(), WM_MOUSEMOVE, 0, at);
        SendMessageW(bar.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(bar.hWnd(), WM_LBUTTONUP, 0, at);
        SendMessageW(bar.hWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageW(bar.hWnd(), WM_LBUTTONUP, 0, at);
        std::vector<std::wstring> once = c.panel ? std::vector<std::wstring>{c.panel} : std::vector<std::wstring>{};
        std::vector<std::wstring> twice = once;
        if (c.panel) twice.push_back(c.panel);
        EXPECT_EQ(clicks, twice) << "x " << c.x; // a double click's second release clicks too
        EXPECT_EQ(doubles, once) << "x " << c.x;
        EXPECT_EQ(barClicks - before, 2) << "x " << c.x;
        ASSERT_EQ(downs.size(), 1u) << "x " << c.x;
        EXPECT_EQ(downs[0].X, c.x);
        EXPECT_EQ(downs[0].Y, 7);
        EXPECT_EQ(downs[0].Button, ButtonLeft);
        ASSERT_FALSE(moves.empty());
        EXPECT_EQ(moves.back().X, c.x);
        Panel* under = bar.PanelAtX(c.x);
        EXPECT_EQ(under ? under->Key() : std::wstring(L"-"), c.panel ? c.panel : L"-") << "x " << c.x;
    }
}

} // namespace
