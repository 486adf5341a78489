// The Character Map button and its driver: the real stand-in charmap.exe
// started and driven to the window's font, and small in-process windows
// titled "Character Map" that lack a part the driver relies on, to show
// that nothing is sent to them then.
#include "mainwin/CharMapDriver.h"
#include "tests/mainwin/LoadedMain.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "tests/runtime/WaitFor.h"

namespace {

using MainWinTest::LoadedMain;

std::wstring TextOf(HWND wnd)
{
    wchar_t text[512] = {};
    GetWindowTextW(wnd, text, 512);
    return text;
}

std::wstring ComboSelection(HWND combo)
{
    LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return L"";
    std::wstring text(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(text.size() - 1);
    return text;
}

std::vector<HWND> CharMapWindows()
{
    std::vector<HWND> found;
    EnumWindows(
        [](HWND wnd, LPARAM list) {
            if (TextOf(wnd) == L"Character Map") reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Selects the font list's item with this name, as a click on it does.
bool ChooseFont(fwMain& form, const std::wstring& name)
{
    for (int i = 1; i <= form.lvFont.ListItems().Count(); ++i) {
        Runtime::ListItem& item = form.lvFont.ListItems()(i);
        if (item.Text() != name) continue;
        form.lvFont.SetSelectedItem(&item);
        form.lvFont_ItemClick(&item);
        return true;
    }
    return false;
}

// ---- a stand-in of the stand-in, built in the test process

struct FakeLog {
    int selections = 0;    // CB_SETCURSEL / CB_SELECTSTRING the combo box received
    int notifications = 0; // CBN_SELCHANGE its parent received
};
FakeLog g_log;

// How a slow Character Map (SlowCharMap below) answers: each message to its
// combo box and the change notice to its window take `answerMs`; with
// `holdNotice` the notice is not answered until the window goes.
struct SlowAnswers {
    DWORD answerMs = 0;
    bool holdNotice = false;
    HANDLE release = nullptr; // set when the window goes: every wait ends
    std::atomic<int> notices{0};
};

void AnswerSlowly(const SlowAnswers& slow, DWORD ms)
{
    WaitForSingleObject(slow.release, ms);
}

LRESULT CALLBACK FakeCharMapProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && HIWORD(wParam) == CBN_SELCHANGE) {
        ++g_log.notifications;
        if (auto* slow = reinterpret_cast<SlowAnswers*>(GetWindowLongPtrW(wnd, GWLP_USERDATA))) {
            AnswerSlowly(*slow, slow->holdNotice ? 30000 : slow->answerMs);
            ++slow->notices;
        }
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

LRESULT CALLBACK CountSelections(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (msg == CB_SETCURSEL || msg == CB_SELECTSTRING) ++g_log.selections;
    return DefSubclassProc(wnd, msg, wParam, lParam);
}

// A top-level "Character Map" window whose children are made in the order
// given: "label" (the "&Font :" static), "other label", "edit", "combo".
class FakeCharMap {
public:
    FakeCharMap(std::initializer_list<const wchar_t*> parts, std::initializer_list<const wchar_t*> fonts)
    {
        static const ATOM atom = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = FakeCharMapProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"FakeCharMap";
            return RegisterClassW(&wc);
        }();
        (void)atom;
        wnd_ = CreateWindowExW(0, L"FakeCharMap", L"Character Map", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
        int id = 100;
        for (std::wstring part : parts) {
            const wchar_t* cls = L"Static";
            const wchar_t* text = L"&Font :";
            DWORD style = WS_CHILD | WS_VISIBLE;
            if (part == L"other label") text = L"&Character set :";
            if (part == L"edit") cls = L"Edit", text = L"";
            if (part == L"combo") cls = L"ComboBox", text = L"", style |= CBS_DROPDOWNLIST | CBS_HASSTRINGS;
            HWND child = CreateWindowExW(0, cls, text, style, 0, 0, 200, 100, wnd_,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), nullptr, nullptr);
            if (part == L"combo") {
                combo_ = child;
                for (const wchar_t* font : fonts)
                    SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(font));
                SendMessageW(combo_, CB_SETCURSEL, 0, 0);
                SetWindowSubclass(combo_, CountSelections, 1, 0);
            }
        }
        g_log = FakeLog{};
    }
    ~FakeCharMap()
    {
        if (combo_) RemoveWindowSubclass(combo_, CountSelections, 1);
        DestroyWindow(wnd_);
    }
    FakeCharMap(const FakeCharMap&) = delete;
    FakeCharMap& operator=(const FakeCharMap&) = delete;

    HWND Window() const { return wnd_; }
    HWND Combo() const { return combo_; }

private:
    HWND wnd_ = nullptr;
    HWND combo_ = nullptr;
};

TEST(CharMapDriver, SelectsOnlyTheWholeFontNameAfterTheFontLabel)
{
    const struct {
        const char* what;
        std::initializer_list<const wchar_t*> parts;
        const wchar_t* font;
        bool selected;
    } cases[] = {
        {"all parts", {L"other label", L"edit", L"label", L"combo"}, L"Tahoma", true},
        {"the last font of the list", {L"label", L"combo"}, L"Verdana", true},
        {"the first font of the list", {L"label", L"combo"}, L"Arial Black", true},
        {"no font label", {L"other label", L"combo"}, L"Tahoma", false},
        {"no combo box after the label", {L"label", L"edit", L"combo"}, L"Tahoma", false},
        {"nothing after the label", {L"combo", L"label"}, L"Tahoma", false},
        {"a font the list lacks", {L"label", L"combo"}, L"Courier New", false},
        {"only a longer name in the list", {L"label", L"combo"}, L"Arial", false},
        {"no font chosen", {L"label", L"combo"}, L"", false},
    };
    for (const auto& c : cases) {
        FakeCharMap charMap(c.parts, {L"Arial Black", L"Tahoma", L"Verdana"});
        ASSERT_NE(charMap.Combo(), nullptr) << c.what;
        EXPECT_EQ(CharMapDriver::SelectFont(charMap.Window(), c.font), c.selected) << c.what;
        if (c.selected) {
            EXPECT_EQ(ComboSelection(charMap.Combo()), c.font) << c.what;
            EXPECT_EQ(g_log.notifications, 1) << c.what;
        } else {
            EXPECT_EQ(ComboSelection(charMap.Combo()), L"Arial Black") << c.what;
            EXPECT_EQ(g_log.selections, 0) << c.what;
            EXPECT_EQ(g_log.notifications, 0) << c.what;
        }
    }
}

LRESULT CALLBACK SlowCombo(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (msg == CB_FINDSTRINGEXACT || msg == CB_SETCURSEL) {
        const auto& slow = *reinterpret_cast<const SlowAnswers*>(data);
        AnswerSlowly(slow, slow.answerMs);
    }
    return DefSubclassProc(wnd, msg, wParam, lParam);
}

// A "Character Map" window with the "&Font :" label and the font combo box,
// made and served by a thread of its own, so that a message sent to it can
// really time out.
class SlowCharMap {
public:
    SlowCharMap(DWORD answerMs, bool holdNotice)
    {
        slow_.answerMs = answerMs;
        slow_.holdNotice = holdNotice;
        slow_.release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this, ready] { Serve(ready); });
        WaitForSingleObject(ready, 20000);
        CloseHandle(ready);
    }
    ~SlowCharMap()
    {
        SetEvent(slow_.release);
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        thread_.join();
        CloseHandle(slow_.release);
    }
    SlowCharMap(const SlowCharMap&) = delete;
    SlowCharMap& operator=(const SlowCharMap&) = delete;

    HWND Window() const { return wnd_; }
    int Notices() const { return slow_.notices; }

private:
    void Serve(HANDLE ready)
    {
        threadId_ = GetCurrentThreadId();
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE); // the thread's queue, for WM_QUIT
        FakeCharMap charMap({L"label", L"combo"}, {L"Arial Black", L"Tahoma", L"Verdana"});
        wnd_ = charMap.Window();
        SetWindowSubclass(charMap.Combo(), SlowCombo, 2, reinterpret_cast<DWORD_PTR>(&slow_));
        SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&slow_));
        SetEvent(ready);
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
        SetWindowLongPtrW(wnd_, GWLP_USERDATA, 0);
        RemoveWindowSubclass(charMap.Combo(), SlowCombo, 2);
    }

    SlowAnswers slow_;
    std::thread thread_;
    DWORD threadId_ = 0;
    HWND wnd_ = nullptr;
};

// One time limit holds for the whole drive, and a drive that ran out of it
// (Character Map did not answer, or not all in time) is a failure.
TEST(CharMapDriver, TheWholeDriveHasOneTimeLimitAndRunningOutOfItFails)
{
    // Made before the windows: a message answered after its time-out still
    // reads the name.
    const std::wstring font = L"Tahoma";
    const struct {
        const char* what;
        DWORD answerMs;
        bool holdNotice;
        DWORD limitMs;
        bool selected;
    } cases[] = {
        {"answers at once", 0, false, CharMapDriver::kDriveLimitMs, true},
        {"each answer slow, all of them in time", 100, false, CharMapDriver::kDriveLimitMs, true},
        {"the change notice not answered", 0, true, 300, false},
        {"each answer in time, all of them too late", 150, false, 400, false},
        {"the program's own limit, for all answers together", 800, false, CharMapDriver::kDriveLimitMs, false},
    };
    for (const auto& c : cases) {
        SlowCharMap charMap(c.answerMs, c.holdNotice);
        ASSERT_NE(charMap.Window(), nullptr) << c.what;
        EXPECT_EQ(CharMapDriver::SelectFont(charMap.Window(), font, c.limitMs), c.selected) << c.what;
        if (c.selected) {
            EXPECT_EQ(charMap.Notices(), 1) << c.what;
        }
    }
}

TEST(CharMapButton, SendsNothingToACharacterMapWithoutItsFontLabelOrFont)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    ASSERT_TRUE(window->lvFont.SelectedItem());
    const struct {
        const char* what;
        std::initializer_list<const wchar_t*> parts;
        std::initializer_list<const wchar_t*> fonts;
    } cases[] = {
        {"no font label", {L"other label", L"combo"}, {L"A", L"B"}},
        {"no combo box after the label", {L"label", L"edit", L"combo"}, {L"A", L"B"}},
        {"the font missing", {L"label", L"combo"}, {L"A", L"B"}},
    };
    for (const auto& c : cases) {
        FakeCharMap charMap(c.parts, c.fonts);
        window->bbCharMap_Click();
        EXPECT_FALSE(window->toMSCharMap.Running()) << c.what;
        EXPECT_EQ(g_log.selections, 0) << c.what;
        EXPECT_EQ(g_log.notifications, 0) << c.what;
        EXPECT_EQ(CharMapWindows().size(), 1u) << c.what << ": no second Character Map started";
    }
}

TEST(CharMapButton, TheTimerSelectsNothingWhileNoFontIsChosen)
{
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    const std::wstring font = window->lvFont.SelectedItem()->Text();
    FakeCharMap charMap({L"label", L"combo"}, {L"Arial Black", font.c_str()});
    window->lvFont.SetSelectedItem(nullptr);
    ASSERT_EQ(window->lvFont.SelectedItem(), nullptr);
    window->toMSCharMap.SetEnabled(true);

    window->toMSCharMap_Timer();
    EXPECT_FALSE(window->toMSCharMap.Running()) << "the window was found: the polling ends";
    EXPECT_EQ(g_log.selections, 0);
    EXPECT_EQ(g_log.notifications, 0);
    EXPECT_EQ(ComboSelection(charMap.Combo()), L"Arial Black");
}

// Closes the stand-in Character Map and waits for it to go.
void CloseCharMap(HWND wnd)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageW(wnd, WM_CLOSE, 0, 0);
    if (process) {
        WaitForSingleObject(process, 20000);
        CloseHandle(process);
    }
}

// The items of a combo box, in order.
std::vector<std::wstring> ComboItems(HWND combo)
{
    std::vector<std::wstring> items;
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring text(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(text.size() - 1);
        items.push_back(text);
    }
    return items;
}

TEST(CharMapButton, StartsCharacterMapAndSelectsTheCurrentFontInIt)
{
    ASSERT_TRUE(CharMapWindows().empty()) << "a Character Map is open already";
    LoadedMain window;
    ASSERT_TRUE(window.Loaded());
    ASSERT_FALSE(window->CharMapPath.empty());
    ASSERT_TRUE(window->bbCharMap.Enabled());
    ASSERT_NE(window->lvFont.SelectedItem(), nullptr);
    const std::wstring first = window->lvFont.SelectedItem()->Text();
    EXPECT_FALSE(window->toMSCharMap.Running()) << "the watcher waits for a click";

    window->bbCharMap_Click();
    EXPECT_TRUE(window->toMSCharMap.Running());
    ASSERT_TRUE(TestWait::PumpUntil([&] { return !window->toMSCharMap.Running(); }, 20000))
        << "the timer never found Character Map";
    HWND charMap = CharMapDriver::FindCharMap();
    ASSERT_NE(charMap, nullptr);
    HWND combo = CharMapDriver::FindFontCombo(charMap);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(ComboSelection(combo), first);
    // Character Map took the font as its own choice: its sample shows it.
    HWND sample = GetWindow(combo, GW_HWNDNEXT);
    EXPECT_EQ(TextOf(sample).rfind(first + L":", 0), 0u) << TextOf(sample).c_str();

    // Open already: the button selects another font at once and starts no
    // second copy. The last font of Character Map's list is the one a
    // keyboard-driven selection would miss.
    const std::vector<std::wstring> listed = ComboItems(combo);
    std::wstring second;
    for (auto it = listed.rbegin(); it != listed.rend() && second.empty(); ++it)
        if (*it != first && ChooseFont(*window, *it)) second = *it;
    ASSERT_FALSE(second.empty()) << "no other font of the list is in Character Map";
    window->bbCharMap_Click();
    EXPECT_FALSE(window->toMSCharMap.Running());
    EXPECT_EQ(ComboSelection(combo), second);
    EXPECT_EQ(TextOf(sample).rfind(second + L":", 0), 0u) << TextOf(sample).c_str();
    TestWait::PumpFor(200);
    EXPECT_EQ(CharMapWindows().size(), 1u);

    CloseCharMap(charMap);
    EXPECT_TRUE(CharMapWindows().empty());
}

} // namespace
