// The status bars of the real window in the test process: the panels'
// help topics, the "Type" panel and the type menu, the double clicks on the
// "Hex" and key-state panels, always-on-top, and the About window.
#include "tests/mainwin/LoadedMain.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "runtime/Menu.h"
#include "tests/runtime/WaitFor.h"

namespace {

using MainWinTest::LoadedMain;

// The thread's keyboard state, put back when the test ends.
class KeepKeyboardState {
public:
    KeepKeyboardState() { GetKeyboardState(saved_); }
    ~KeepKeyboardState() { SetKeyboardState(saved_); }
    KeepKeyboardState(const KeepKeyboardState&) = delete;
    KeepKeyboardState& operator=(const KeepKeyboardState&) = delete;

private:
    BYTE saved_[256] = {};
};

void SetKeyByte(int key, BYTE value)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[key] = value;
    SetKeyboardState(keys);
}

BYTE KeyByte(int key)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    return keys[key];
}

// A double click on the panel, as the mouse gives it to the status window.
void DoubleClickPanel(Runtime::StatusBar& bar, const Runtime::Panel& panel)
{
    LPARAM at = MAKELPARAM(panel.Left() + panel.Width() / 2, bar.Height() / 2);
    SendMessageW(bar.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(bar.hWnd(), WM_LBUTTONUP, 0, at);
    SendMessageW(bar.hWnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(bar.hWnd(), WM_LBUTTONUP, 0, at);
}

Runtime::Panel& KeyPanel(fwMain& form, int key)
{
    for (const auto& panel : form.pbStatus[1]->Panels())
        if (panel->KeyCode() == key) return *panel;
    throw std::runtime_error("no key panel");
}

// The texts of a system menu's items.
std::vector<std::wstring> MenuTexts(HMENU menu)
{
    std::vector<std::wstring> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        texts.push_back(text);
    }
    return texts;
}

// Answers every popup menu in place of the user: records its items and
// chooses nothing.
class MenuRecorder {
public:
    MenuRecorder()
    {
        old_ = Runtime::SetPopupChooser([this](HMENU menu, HWND) {
            shown.push_back(MenuTexts(menu));
            return 0u;
        });
    }
    ~MenuRecorder() { Runtime::SetPopupChooser(old_); }
    MenuRecorder(const MenuRecorder&) = delete;
    MenuRecorder& operator=(const MenuRecorder&) = delete;

    std::vector<std::vector<std::wstring>> shown;

private:
    Runtime::PopupChooser old_;
};

// A value the window wrote into its settings file's "fwMain" section.
std::wstring SavedSetting(const LoadedMain& window, const wchar_t* key)
{
    wchar_t value[64] = {};
    GetPrivateProfileStringW(L"fwMain", key, L"", value, 64, window.Settings().c_str());
    return value;
}

bool IsTopMost(HWND wnd)
{
    return (GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

TEST(Status, PanelsCarryTheirHelpTopicsAndTheHexPanelItsTip)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    const struct {
        int bar;
        const wchar_t* key;
        const wchar_t* tag;
    } cases[] = {{0, L"Hex", L"171"},     {0, L"Name", L"172"}, {0, L"Type", L"173"},
                 {1, L"Message", L"174"}, {1, L"Mode", L"177"}, {1, L"OnTop", L"175"}};
    for (const auto& c : cases) EXPECT_EQ(window->pbStatus[c.bar]->Panels()(c.key).Tag, c.tag) << c.key;
    int keyPanels = 0;
    for (const auto& panel : window->pbStatus[1]->Panels())
        if (panel->KeyCode() != 0) {
            EXPECT_EQ(panel->Tag, L"176") << panel->Index();
            ++keyPanels;
        }
    EXPECT_EQ(keyPanels, 5);
    EXPECT_EQ(window->pbStatus[0]->Panels()(L"Hex").ToolTipText(), L"Double click to switch Dec/Hex mode");
}

TEST(Status, ShowCharTypeFillsTheTypeMenuAndTheTypePanel)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    const struct {
        int code;
        const wchar_t* items[3];
        const wchar_t* panel;
    } cases[] = {
        {0x0009, {L"Space char., Control char., Blank char.", L"Segment separator", L"Symbol"},
         L"Space char., Control char., Blank char.; Segment separator; Symbol"},
        {0x05D0, {L"", L"Right to left", L""}, L"Right to left"},
        {0x0640, {L"", L"Right to left", L"Arabic Kashida char., Punctuation as word part"},
         L"Right to left; Arabic Kashida char., Punctuation as word part"},
        {0x30A2, {L"", L"Left to right", L"Katakana char., Full-width char."},
         L"Left to right; Katakana char., Full-width char."},
        // A direction value above 10 has no text.
        {0x0301, {L"", L"", L"Nonspacing mark, Diacritic nonspacing mark"},
         L"Nonspacing mark, Diacritic nonspacing mark"},
        // Only the surrogate bit above 1024 in class 3.
        {0xD800, {L"", L"Left to right", L""}, L"Left to right"},
        // No class at all.
        {0x0378, {L"", L"", L""}, L""},
    };
    for (const auto& c : cases) {
        for (auto& item : window->mTypeList) item->SetCaption(L"");
        window->ShowCharType(c.code);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(window->mTypeList[i]->Caption(), c.items[i]) << c.code << " item " << i + 1;
            EXPECT_EQ(window->mTypeList[i]->Visible(), *c.items[i] != L'\0') << c.code << " item " << i + 1;
        }
        EXPECT_EQ(window->pbStatus[0]->Panels()(L"Type").Text(), c.panel) << c.code;
    }
}

TEST(Status, ShowCharTypeReturnsTheTextProcessingWord)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    for (int code : {0x41, 0x0301, 0x30A2, 0xFF21, 0x4E00}) {
        WORD expected = 0;
        const wchar_t ch = static_cast<wchar_t>(code);
        GetStringTypeW(CT_CTYPE3, &ch, 1, &expected);
        EXPECT_EQ(window->ShowCharType(code), expected) << code;
    }
}

TEST(Status, TheTypeArrowShowsOnlyWhenThePanelIsTooNarrowForItsText)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    ASSERT_EQ(window->chMode.Value(), 1);
    Runtime::Panel& type = window->pbStatus[0]->Panels()(L"Type");
    const int designWidth = type.Width();

    window->ShowCharType(0x05D0);
    EXPECT_FALSE(window->pbType.Visible()) << "the text fits the panel";

    type.SetWidth(window->TextWidth(L"Right to"));
    window->ShowCharType(0x05D0);
    EXPECT_TRUE(window->pbType.Visible());
    EXPECT_TRUE(IsWindowVisible(window->pbType.hWnd()));

    // The compact mode hides the status bars and the arrow with them; the
    // expanded mode brings it back for the character shown.
    window->chMode.SetValue(0);
    EXPECT_FALSE(IsWindowVisible(window->pbType.hWnd()));
    window->ShowCharType(0x05D0);
    EXPECT_FALSE(window->pbType.Visible());
    window->chMode.SetValue(1);
    type.SetWidth(window->TextWidth(L"Right to"));
    window->ShowCharType(0x05D0);
    EXPECT_TRUE(window->pbType.Visible());

    type.SetWidth(designWidth);
    window->ShowCharType(0x0378); // no type at all: an empty panel
    EXPECT_EQ(type.Text(), L"");
    EXPECT_FALSE(window->pbType.Visible());
}

TEST(Status, TheTypeArrowPopsUpTheShownTypeItems)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    window->ShowCharType(0x0640);
    MenuRecorder menus;

    window->pbType_MouseDown(Runtime::ButtonLeft, 0, 3, 3);
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.shown[0],
              (std::vector<std::wstring>{L"Right to left", L"Arabic Kashida char., Punctuation as word part"}))
        << "the empty first item is left out";

    // A right press is context help, never the menu.
    SendMessageW(window->pbType.hWnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
    SendMessageW(window->pbType.hWnd(), WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
    ASSERT_EQ(menus.shown.size(), 2u);
    EXPECT_EQ(menus.shown[1], std::vector<std::wstring>{L"&What's This?"});

    // A later press (and a real one, through the arrow's window) opens it again.
    ASSERT_TRUE(TestWait::PumpUntil([&] { return GetTickCount() != window->LastTypeMenuClose; }));
    SendMessageW(window->pbType.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(window->pbType.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(menus.shown.size(), 3u);
}

TEST(Status, AltDownOnTheTypeArrowOpensTheMenuAndPlainDownDoesNot)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    window->ShowCharType(0x0009);
    KeepKeyboardState keep;
    MenuRecorder menus;

    SetKeyByte(VK_MENU, 0);
    SendMessageW(window->pbType.hWnd(), WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_TRUE(menus.shown.empty());

    ASSERT_TRUE(TestWait::PumpUntil([&] { return GetTickCount() != window->LastTypeMenuClose; }));
    SetKeyByte(VK_MENU, 0x80);
    SendMessageW(window->pbType.hWnd(), WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29));
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.shown[0], (std::vector<std::wstring>{L"Space char., Control char., Blank char.",
                                                          L"Segment separator", L"Symbol"}));
}

TEST(Status, APressInTheTickTheTypeMenuClosedDoesNotReopenIt)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    window->ShowCharType('A');
    MenuRecorder menus;
    bool checked = false;
    for (int attempt = 0; attempt < 50 && !checked; ++attempt) {
        const DWORD now = GetTickCount();
        window->LastTypeMenuClose = now;
        window->pbType_MouseDown(Runtime::ButtonLeft, 0, 0, 0);
        if (GetTickCount() != now) { // the tick moved on meanwhile: try again
            menus.shown.clear();
            continue;
        }
        EXPECT_TRUE(menus.shown.empty());
        checked = true;
    }
    EXPECT_TRUE(checked);

    // Closed "later" than now: the tick count has wrapped round since.
    window->LastTypeMenuClose = GetTickCount() + 1000;
    window->pbType_MouseDown(Runtime::ButtonLeft, 0, 0, 0);
    EXPECT_EQ(menus.shown.size(), 1u);
}

TEST(Status, DoubleClickOnTheHexPanelSwitchesDecimalAndBack)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    window->tlCell[window->CurrentCell].Tag = L"65";
    window->ShowCodePanel();
    Runtime::StatusBar& bar = *window->pbStatus[0];
    Runtime::Panel& hex = bar.Panels()(L"Hex");
    ASSERT_EQ(hex.Text(), L"U+0041");
    const bool goToHex = window->GoToHex;

    DoubleClickPanel(bar, hex);
    EXPECT_EQ(hex.Text(), L"Alt+65");
    EXPECT_FALSE(window->StatusHex);
    DoubleClickPanel(bar, hex);
    EXPECT_EQ(hex.Text(), L"U+0041");
    EXPECT_TRUE(window->StatusHex);
    EXPECT_EQ(window->GoToHex, goToHex);

    // Saved on close.
    DoubleClickPanel(bar, hex);
    ASSERT_TRUE(window.Unload());
    EXPECT_EQ(SavedSetting(window, L"bHexView"), L"0");
}

TEST(Status, DoubleClickOnAKeyPanelTurnsOnlyItsToggleBit)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    KeepKeyboardState keep;
    Runtime::StatusBar& bar = *window->pbStatus[1];
    const struct {
        BYTE before, after;
    } flips[] = {{0x00, 0x01}, {0x01, 0x00}, {0x80, 0x81}, {0x81, 0x80}};
    for (int key : {VK_CAPITAL, VK_SCROLL, VK_NUMLOCK, VK_INSERT, VK_KANA}) {
        Runtime::Panel& panel = KeyPanel(*window, key);
        for (const auto& flip : flips) {
            SetKeyByte(key, flip.before);
            DoubleClickPanel(bar, panel);
            EXPECT_EQ(KeyByte(key), flip.after) << "key " << key << " from " << int(flip.before);
        }
    }
}

// Whether the panel's text is drawn in the colour of enabled text (rather
// than dimmed), as the bar paints itself now.
bool PanelDrawnEnabled(Runtime::StatusBar& bar, const Runtime::Panel& panel)
{
    RECT client{};
    GetClientRect(bar.hWnd(), &client);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(bar.hWnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    bool found = false;
    for (int x = panel.Left(); x < panel.Left() + panel.Width() && !found; ++x)
        for (int y = 0; y < client.bottom && !found; ++y) found = GetPixel(dc, x, y) == text;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return found;
}

TEST(Status, DoubleClickOnCapsShowsTheNewStateOnThePanel)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    KeepKeyboardState keep;
    Runtime::StatusBar& bar = *window->pbStatus[1];
    Runtime::Panel& caps = KeyPanel(*window, VK_CAPITAL);
    SetKeyByte(VK_CAPITAL, 0);
    bar.Refresh();
    EXPECT_FALSE(PanelDrawnEnabled(bar, caps));

    DoubleClickPanel(bar, caps);
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
    EXPECT_TRUE(PanelDrawnEnabled(bar, caps));
    DoubleClickPanel(bar, caps);
    EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
    EXPECT_FALSE(PanelDrawnEnabled(bar, caps));
}

TEST(Status, DoubleClickOnOtherTextPanelsDoesNothing)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    KeepKeyboardState keep;
    window->tlCell[window->CurrentCell].Tag = L"65";
    window->ShowCodePanel();
    BYTE before[256] = {};
    GetKeyboardState(before);
    for (auto [bar, key] : {std::pair{0, L"Name"}, {0, L"Type"}, {1, L"Message"}, {1, L"Mode"}, {1, L"OnTop"}})
        DoubleClickPanel(*window->pbStatus[bar], window->pbStatus[bar]->Panels()(key));
    BYTE after[256] = {};
    GetKeyboardState(after);
    EXPECT_EQ(memcmp(before, after, sizeof before), 0);
    EXPECT_TRUE(window->StatusHex);
    EXPECT_EQ(window->pbStatus[0]->Panels()(L"Hex").Text(), L"U+0041");
}

TEST(Status, AlwaysOnTopFollowsTheBoxAndItsSetting)
{
    LoadedMain window("[fwMain]\r\nchOnTop=1\r\n");
    ASSERT_TRUE(window.Loaded());
    EXPECT_EQ(window->chOnTop.Value(), 1);
    EXPECT_TRUE(IsTopMost(window->hWnd()));

    window->chOnTop.SetValue(0);
    EXPECT_FALSE(IsTopMost(window->hWnd()));
    window->chOnTop.SetValue(1);
    EXPECT_TRUE(IsTopMost(window->hWnd()));
    // A click of the user's, through the box's own window.
    SendMessageW(window->chOnTop.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(window->chOnTop.Value(), 0);
    EXPECT_FALSE(IsTopMost(window->hWnd()));

    ASSERT_TRUE(window.Unload());
    EXPECT_EQ(SavedSetting(window, L"chOnTop"), L"0");
}

TEST(Status, ANewWindowStartsNotOnTop)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    EXPECT_EQ(window->chOnTop.Value(), 0);
    EXPECT_FALSE(IsTopMost(window->hWnd()));
}

// What the About window looked like while it was open.
struct AboutSeen {
    int opened = 0;
    bool ownedByMain = false;
    bool mainDisabled = false;
    bool topMost = false;
};

HWND g_main = nullptr;
AboutSeen g_seen;
bool g_closeWithEsc = false;

// Runs inside the About window's modal loop: looks at it and closes it,
// with Esc or through its caption button.
void CALLBACK LookAtAboutAndClose(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND about = FindWindowW(nullptr, L"About...");
    if (!about || !IsWindowVisible(about)) return;
    KillTimer(nullptr, id);
    ++g_seen.opened;
    g_seen.ownedByMain = GetWindow(about, GW_OWNER) == g_main;
    g_seen.mainDisabled = !IsWindowEnabled(g_main);
    g_seen.topMost = IsTopMost(about);
    if (g_closeWithEsc)
        PostMessageW(about, WM_KEYDOWN, VK_ESCAPE, 1);
    else
        PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
}

TEST(Status, AboutOpensAFreshModalWindowOnTopExactlyWhenTheMainIs)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    g_main = window->hWnd();
    for (int onTop : {1, 0}) {
        window->chOnTop.SetValue(onTop);
        for (int click = 1; click <= 2; ++click) {
            g_seen = AboutSeen{};
            g_closeWithEsc = click == 1;
            SetTimer(nullptr, 0, 20, LookAtAboutAndClose);
            window->bbAbout_Click();
            EXPECT_EQ(g_seen.opened, 1) << "on top " << onTop << ", click " << click;
            EXPECT_TRUE(g_seen.ownedByMain);
            EXPECT_TRUE(g_seen.mainDisabled);
            EXPECT_EQ(g_seen.topMost, onTop == 1);
            EXPECT_EQ(FindWindowW(nullptr, L"About..."), nullptr) << "closed and released";
            EXPECT_TRUE(IsWindowEnabled(window->hWnd()));
        }
    }
}

} // namespace
