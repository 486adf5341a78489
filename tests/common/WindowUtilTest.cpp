#include "common/WindowUtil.h"
#include "common/Wow64.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

const wchar_t kClassA[] = L"OrlentaFindTest";
const wchar_t kClassB[] = L"OrlentaFindOther";

void RegisterTestClass(const wchar_t* name)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

// A window destroyed at the end of the test.
class TestWindow {
public:
    TestWindow(const wchar_t* className, const std::wstring& title, HWND parent = nullptr, DWORD style = 0)
        : hwnd_(CreateWindowExW(0, className, title.c_str(), style | (parent ? WS_CHILD : WS_OVERLAPPEDWINDOW), 0,
                                0, 100, 100, parent, nullptr, GetModuleHandleW(nullptr), nullptr))
    {
    }
    ~TestWindow() { if (hwnd_) DestroyWindow(hwnd_); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND Get() const { return hwnd_; }

private:
    HWND hwnd_;
};

class WindowUtil : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterTestClass(kClassA);
        RegisterTestClass(kClassB);
    }
};

TEST_F(WindowUtil, FindWindowCountsMatchingChildren)
{
    TestWindow parent(kClassA, L"Orlenta find parent " + std::to_wstring(GetCurrentProcessId()));
    ASSERT_TRUE(parent.Get());
    TestWindow alpha1(kClassA, L"Alpha", parent.Get());
    TestWindow beta(kClassA, L"Beta", parent.Get());
    TestWindow alpha2(kClassA, L"alpha", parent.Get());
    TestWindow alphaOther(kClassB, L"ALPHA", parent.Get());
    TestWindow grandchild(kClassA, L"Gamma", beta.Get());
    // Children in creation order, first on top.
    for (HWND w : {alpha1.Get(), beta.Get(), alpha2.Get(), alphaOther.Get()}) {
        ASSERT_TRUE(w);
        SetWindowPos(w, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }

    struct {
        const wchar_t* title;
        const wchar_t* className;
        int occurrence;
        HWND expected;
    } cases[] = {
        {L"ALPHA", L"", 0, alpha1.Get()},
        {L"ALPHA", L"", 1, alpha2.Get()},
        {L"ALPHA", L"", 2, alphaOther.Get()},
        {L"ALPHA", L"", 3, nullptr},
        {L"ALPHA", L"", -5, alpha1.Get()},
        {L"alpha", kClassA, 1, alpha2.Get()},
        {L"", L"orlentafindother", 0, alphaOther.Get()},
        {L"alpha", kClassB, 0, alphaOther.Get()},
        {L"", kClassA, 1, beta.Get()},
        {L"Gamma", L"", 0, nullptr},
        {L"Alph", L"", 0, nullptr},
        {L"", L"", 0, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Common::FindWindow(parent.Get(), c.title, c.className, c.occurrence), c.expected)
            << "title '" << c.title << "' class '" << c.className << "' occurrence " << c.occurrence;
    }
}

TEST_F(WindowUtil, FindWindowWithoutParentSearchesTopLevelWindows)
{
    std::wstring title = L"Orlenta top-level " + std::to_wstring(GetCurrentProcessId());
    TestWindow top(kClassB, title);
    ASSERT_TRUE(top.Get());
    EXPECT_EQ(Common::FindWindow(nullptr, title, L""), top.Get());
    EXPECT_EQ(Common::FindWindow(nullptr, L"", kClassB), top.Get());
}

TEST_F(WindowUtil, GetWindowInfo)
{
    TestWindow window(kClassA, L"Info title");
    TestWindow longTitle(kClassA, std::wstring(300, L'x'));
    ASSERT_TRUE(window.Get());
    struct {
        HWND window;
        const wchar_t* what;
        std::wstring expected;
    } cases[] = {
        {window.Get(), L"Class", kClassA},
        {window.Get(), L"Text", L"Info title"},
        {window.Get(), L"class", L""},
        {window.Get(), L"Size", L""},
        {longTitle.Get(), L"Text", std::wstring(259, L'x')},
        {nullptr, L"Text", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Common::GetWindowInfo(c.window, c.what), c.expected) << c.what;
}

TEST_F(WindowUtil, SetTopMostMovesTheWindowInAndOutOfTheTopmostBand)
{
    TestWindow window(kClassA, L"Orlenta topmost", nullptr, WS_VISIBLE);
    ASSERT_TRUE(window.Get());
    RECT before{};
    GetWindowRect(window.Get(), &before);
    for (bool onTop : {true, false, true, false}) {
        EXPECT_TRUE(Common::SetTopMost(window.Get(), onTop));
        bool topmost = (GetWindowLongPtrW(window.Get(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        EXPECT_EQ(topmost, onTop) << "SetTopMost(" << onTop << ")";
    }
    RECT after{};
    GetWindowRect(window.Get(), &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "place and size kept";
}

TEST_F(WindowUtil, SetTopMostAlsoMovesAWindowThatOwnsTopmostPopups)
{
    TestWindow window(kClassA, L"Orlenta topmost owner", nullptr, WS_VISIBLE);
    ASSERT_TRUE(window.Get());
    // A tool tip of the window's: topmost, owned by it, above it.
    HWND tip = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassB, L"", WS_POPUP, 0, 0, 10, 10, window.Get(),
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(tip);
    for (bool onTop : {true, false, true}) {
        EXPECT_TRUE(Common::SetTopMost(window.Get(), onTop));
        bool topmost = (GetWindowLongPtrW(window.Get(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        EXPECT_EQ(topmost, onTop) << "SetTopMost(" << onTop << ")";
        EXPECT_EQ(GetWindow(tip, GW_OWNER), window.Get()) << "the popup stays the window's";
    }
    DestroyWindow(tip);
}

TEST(IsWow64, NativeProcessIsNot)
{
    // The tests are built as 64-bit programs, which never run in the 32-bit layer.
    static_assert(sizeof(void*) == 8);
    EXPECT_FALSE(Common::IsWow64());
}

} // namespace
