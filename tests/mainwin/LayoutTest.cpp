// The arrangement of the real program's window in its two modes: the
// places of the worked examples (pixels, scroll bars of the system's
// width), the fixed window size, the mode switch that keeps the right edge,
// the check boxes seated on the status bar, and the saved placement.
#include "runtime/Font.h"
#include "tests/mainwin/ProgramRun.h"
#include "tests/support/Screenshot.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace MainWinTest;

struct Box {
    int left, top, width, height;
};

Box BoxOf(const RECT& r)
{
    return Box{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void ExpectBox(const RECT& actual, const Box& expected, const std::wstring& what)
{
    Box a = BoxOf(actual);
    EXPECT_EQ(a.left, expected.left) << what;
    EXPECT_EQ(a.top, expected.top) << what;
    EXPECT_EQ(a.width, expected.width) << what;
    EXPECT_EQ(a.height, expected.height) << what;
}

bool WaitUntil(const std::function<bool()>& done)
{
    for (int i = 0; i < 400; ++i) {
        if (done()) return true;
        Sleep(10);
    }
    return done();
}

int ClientWidth(HWND wnd)
{
    RECT r{};
    GetClientRect(wnd, &r);
    return r.right;
}

HWND ModeBox(HWND wnd)
{
    return FindChild(wnd, L"E&xpanded Mode");
}

// Controls of the lower panel by caption, with their places in the expanded
// arrangement (relative to the panel or frame that holds them).
struct Placed {
    const wchar_t* caption;
    Box box;
};

const Placed kExpandedByCaption[] = {
    {L"Search", {2, 34, 160, 150}},       {L"Copy format", {168, 34, 274, 150}},
    {L"Picture", {448, 34, 128, 150}},    {L"&Copy", {715, 8, 72, 24}},
    {L"&Reset", {715, 38, 72, 24}},       {L"&About...", {715, 122, 72, 24}},
    {L"&MS CharMap", {715, 152, 72, 24}}, {L"S&earch", {80, 118, 72, 24}},
    {L"&ForeColor...", {6, 88, 72, 24}},  {L"&BackColor...", {6, 118, 72, 24}},
    {L"&View Pattern", {582, 165, 123, 18}}, {L"Show with charse&t", {365, 8, 120, 18}},
    {L"Clipboard Previe&w:", {4, 8, 90, 18}}, {L"To cop&y:", {485, 10, 50, 18}},
    {L"Bol&d", {6, 44, 44, 18}},          {L"&Underline", {50, 44, 72, 18}},
    {L"&Italic", {6, 66, 44, 18}},        {L"Stri&keout", {50, 66, 72, 18}},
    {L"Si&ze:", {6, 18, 44, 18}},
};

TEST(Layout, ExpandedModePlacesTheControlsOfTheWorkedExample)
{
    ProgramRun run;
    HWND wnd = run.Start();
    ASSERT_NE(wnd, nullptr);
    const int V = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(ClientWidth(wnd), 778 + V);

    for (const Placed& p : kExpandedByCaption) {
        HWND control = FindChild(wnd, p.caption);
        ASSERT_NE(control, nullptr) << p.caption;
        ExpectBox(RectInParent(control), p.box, p.caption);
    }
    std::vector<HWND> lists = FindChildren(wnd, L"SysListView32");
    ASSERT_EQ(lists.size(), 2u);
    Box font = BoxOf(RectInParent(lists[0])), range = BoxOf(RectInParent(lists[1]));
    if (font.left > range.left) std::swap(font, range);
    EXPECT_EQ(font.left, 0);
    EXPECT_EQ(font.width, 180);
    EXPECT_EQ(range.left, 181);
    EXPECT_EQ(range.width, 180);
    EXPECT_EQ(range.height, font.height);

    // The font's file is found, also when the registry names a full path.
    HWND fontButton = FindChild(wnd, L"&Properties");
    ASSERT_NE(fontButton, nullptr);
    EXPECT_TRUE(IsWindowEnabled(fontButton)) << "the chosen font's file was not found";

    EXPECT_FALSE(TestSupport::SaveWindowScreenshot(wnd, "main-expanded").empty());
    EXPECT_EQ(run.Close(wnd), 0);
}

TEST(Layout, CheckBoxesOnTheStatusBarAreWideEnoughForTheirText)
{
    ProgramRun run;
    HWND wnd = run.Start();
    ASSERT_NE(wnd, nullptr);
    Runtime::ScopedFont font = Runtime::CreateScreenFont(Runtime::FontSpec{});
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Get());
    struct {
        const wchar_t* caption;
        const wchar_t* text;
    } boxes[] = {{L"E&xpanded Mode", L"Expanded Mode"}, {L"Always on T&op", L"Always on Top"}};
    for (const auto& b : boxes) {
        HWND box = FindChild(wnd, b.caption);
        ASSERT_NE(box, nullptr) << b.caption;
        SIZE text{};
        GetTextExtentPoint32W(dc, b.text, lstrlenW(b.text), &text);
        Box place = BoxOf(RectIn(box, wnd));
        EXPECT_GE(place.width, text.cx + GetSystemMetrics(SM_CXMENUCHECK)) << b.caption;
        EXPECT_EQ(place.height, 15) << b.caption; // 20-pixel bar less 3 above and 2 below
        RECT client{};
        GetClientRect(wnd, &client);
        EXPECT_EQ(place.top, client.bottom - 20 + 3) << b.caption;
        EXPECT_LE(place.left + place.width, client.right) << b.caption;
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(run.Close(wnd), 0);
}

TEST(Layout, ModeSwitchKeepsTheRightEdgeAndChangesTheWidthBy361)
{
    ProgramRun run;
    HWND wnd = run.Start();
    ASSERT_NE(wnd, nullptr);
    RECT expanded{};
    GetWindowRect(wnd, &expanded);
    const int V = GetSystemMetrics(SM_CXVSCROLL);

    PostMessageW(ModeBox(wnd), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return ClientWidth(wnd) == 417 + V; })) << ClientWidth(wnd);
    RECT compact{};
    GetWindowRect(wnd, &compact);
    EXPECT_EQ(compact.right, expanded.right);
    EXPECT_EQ(compact.top, expanded.top);
    EXPECT_EQ(expanded.right - expanded.left - (compact.right - compact.left), 361);
    EXPECT_TRUE(FindChildren(wnd, L"msctls_statusbar32").size() == 2u);
    for (HWND bar : FindChildren(wnd, L"msctls_statusbar32")) EXPECT_FALSE(IsWindowVisible(bar));

    // The compact copy row: the check box, label, box and button level.
    HWND copyButton = FindChild(wnd, L"&Copy");
    ASSERT_NE(copyButton, nullptr);
    ExpectBox(RectInParent(copyButton), {V + 340, 8, 72, 24}, L"bbCopy compact");
    Box mode = BoxOf(RectIn(ModeBox(wnd), wnd));
    EXPECT_EQ(mode.left, 4);
    EXPECT_EQ(mode.width, 120);
    EXPECT_EQ(mode.top, BoxOf(RectIn(copyButton, wnd)).top);
    // No other control of the window covers the check box (other tests'
    // windows may cover the screen, so the window's own children are asked).
    POINT centre{mode.left + mode.width / 2, mode.top + mode.height / 2};
    EXPECT_EQ(ChildWindowFromPointEx(wnd, centre, CWP_SKIPINVISIBLE), ModeBox(wnd));
    EXPECT_FALSE(IsWindowVisible(FindChild(wnd, L"Search")));
    // Paint what the switch left to paint before the picture is taken.
    RedrawWindow(wnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_FALSE(TestSupport::SaveWindowScreenshot(wnd, "main-compact").empty());

    PostMessageW(ModeBox(wnd), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return ClientWidth(wnd) == 778 + V; }));
    RECT back{};
    GetWindowRect(wnd, &back);
    EXPECT_EQ(back.left, expanded.left);
    EXPECT_EQ(back.right, expanded.right);
    EXPECT_EQ(run.Close(wnd), 0);
    EXPECT_EQ(ReadIni(run.Settings(), L"fwMain", L"chMode"), L"1");
}

TEST(Layout, ResizingTheNormalWindowIsUndone)
{
    ProgramRun run;
    HWND wnd = run.Start();
    ASSERT_NE(wnd, nullptr);
    RECT before{};
    GetWindowRect(wnd, &before);
    SetWindowPos(wnd, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    RECT after{};
    ASSERT_TRUE(WaitUntil([&] {
        GetWindowRect(wnd, &after);
        return after.right - after.left == before.right - before.left;
    }));
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    EXPECT_EQ(run.Close(wnd), 0);
}

// Starts the program with this saved normal place.
HWND StartAt(ProgramRun& run, int left, int top)
{
    WriteIni(run.Settings(), L"fwMain_State", L"Left", std::to_wstring(left));
    WriteIni(run.Settings(), L"fwMain_State", L"Top", std::to_wstring(top));
    return run.Start();
}

// Saved places that lie off every monitor come back onto the nearest one.
const POINT kOffScreen[] = {{-20000, -20000}, {30000, 100}, {100, 30000}};

TEST(Layout, PlacementOffEveryMonitorIsBroughtBack)
{
    for (POINT p : kOffScreen) {
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        ProgramRun run;
        HWND wnd = StartAt(run, p.x, p.y);
        ASSERT_NE(wnd, nullptr);
        RECT r{};
        GetWindowRect(wnd, &r);
        MONITORINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info));
        EXPECT_GE(r.left, info.rcWork.left);
        EXPECT_GE(r.top, info.rcWork.top);
        EXPECT_LE(r.right, info.rcWork.right);
        EXPECT_LE(r.bottom, info.rcWork.bottom);
        EXPECT_EQ(run.Close(wnd), 0);
    }
}

TEST(Layout, PlacementOnScreenIsKept)
{
    ProgramRun run;
    HWND wnd = StartAt(run, 37, 41);
    ASSERT_NE(wnd, nullptr);
    RECT r{};
    GetWindowRect(wnd, &r);
    EXPECT_EQ(r.left, 37);
    EXPECT_EQ(r.top, 41);
    EXPECT_EQ(run.Close(wnd), 0);
    EXPECT_EQ(ReadIni(run.Settings(), L"fwMain_State", L"Left"), L"37");
}

} // namespace

namespace {

using namespace MainWinTest;

int ClientHeight(HWND wnd)
{
    RECT r{};
    GetClientRect(wnd, &r);
    return r.bottom;
}

// H: the height of the block list's column header.
int HeaderHeight(HWND wnd)
{
    for (HWND header : FindChildren(wnd, L"SysHeader32")) {
        RECT r{};
        GetWindowRect(header, &r);
        if (r.bottom > r.top) return r.bottom - r.top;
    }
    return -1;
}

struct HeightCase {
    const char* name;
    const wchar_t* savedMode;
    int switches;  // mode switches after the start
    int expected;  // client height less H
};

// The table panel is 373 + H high in both modes (1 + 16 x 23 + H + 4). The
// lower panel follows the search frame: 193 while the window has not been
// expanded since a compact start (the frame's initial 33 + 159, plus 1),
// 185 after an expanded arrangement (34 + 150, plus 1). Expanded adds the
// two 20-pixel status bars.
const HeightCase kHeights[] = {
    {"compact start", L"0", 0, 373 + 193},
    {"expanded start", L"1", 0, 373 + 185 + 40},
    {"expanded, then compact", L"1", 1, 373 + 185},
    {"compact, expanded, compact", L"0", 2, 373 + 185},
};

TEST(Layout, WindowHeightFollowsTheWorkedExamplesOfBothModes)
{
    for (const HeightCase& c : kHeights) {
        SCOPED_TRACE(c.name);
        ProgramRun run;
        WriteIni(run.Settings(), L"fwMain", L"chMode", c.savedMode);
        HWND wnd = run.Start();
        ASSERT_NE(wnd, nullptr);
        const int H = HeaderHeight(wnd);
        ASSERT_GT(H, 0);
        for (int i = 0; i < c.switches; ++i) {
            const int before = ClientHeight(wnd);
            PostMessageW(FindChild(wnd, L"E&xpanded Mode"), BM_CLICK, 0, 0);
            ASSERT_TRUE(WaitUntil([&] { return ClientHeight(wnd) != before; })) << "switch " << i;
        }
        EXPECT_EQ(ClientHeight(wnd), H + c.expected);
        EXPECT_EQ(run.Close(wnd), 0);
    }
}

struct NotNormalCase {
    const char* name;
    void (*leaveNormal)(HWND wnd);
    BOOL (*inState)(HWND wnd);
};

const NotNormalCase kNotNormal[] = {
    {"minimised", [](HWND wnd) { PostMessageW(wnd, WM_SYSCOMMAND, SC_MINIMIZE, 0); }, IsIconic},
    {"maximised", [](HWND wnd) { ShowWindow(wnd, SW_MAXIMIZE); }, IsZoomed},
};

// A switch while the window is minimised or maximised leaves the window as
// it is and moves the normal place it returns to, so that the right edge
// stays where it was.
TEST(Layout, ModeSwitchOfAWindowNotNormalMovesItsNormalPlace)
{
    for (const NotNormalCase& c : kNotNormal) {
        SCOPED_TRACE(c.name);
        ProgramRun run;
        HWND wnd = StartAt(run, 400, 50);
        ASSERT_NE(wnd, nullptr);
        RECT normal{};
        GetWindowRect(wnd, &normal);
        c.leaveNormal(wnd);
        ASSERT_TRUE(WaitUntil([&] { return c.inState(wnd) != FALSE; }));
        // Both messages wait in the window's queue in this order.
        PostMessageW(ModeBox(wnd), BM_CLICK, 0, 0);
        PostMessageW(wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
        ASSERT_TRUE(WaitUntil([&] { return !c.inState(wnd); }));
        const int V = GetSystemMetrics(SM_CXVSCROLL);
        RECT restored{};
        ASSERT_TRUE(WaitUntil([&] {
            GetWindowRect(wnd, &restored);
            return restored.left == 400 + 361 && ClientWidth(wnd) == 417 + V;
        })) << restored.left << " " << ClientWidth(wnd);
        EXPECT_EQ(restored.top, 50);
        EXPECT_EQ(restored.right, normal.right);
        EXPECT_EQ(run.Close(wnd), 0);
        EXPECT_EQ(ReadIni(run.Settings(), L"fwMain", L"chMode"), L"0");
    }
}

} // namespace
