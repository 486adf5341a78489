// The process's own subclassing on real windows: the order of a chain, a
// procedure taken off while it runs (as one does on the window's last
// message), the window's own procedure given back, and a procedure that
// another put over the chain.
#include "runtime/Subclass.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace Runtime;

constexpr UINT kProbe = WM_APP + 1;

// Each procedure appends its mark to the log, then passes the message on.
std::wstring g_log;

LRESULT CALLBACK OwnProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == kProbe) {
        g_log += L'W';
        return 7;
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

LRESULT CALLBACK MarkProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR)
{
    if (msg == kProbe) g_log += static_cast<wchar_t>(L'0' + id);
    return DefSubclass(wnd, msg, wParam, lParam);
}

// Takes itself off at its first probe, and still passes that one on.
LRESULT CALLBACK OnceProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR)
{
    if (msg == kProbe) {
        g_log += L'o';
        RemoveSubclass(wnd, OnceProc, id);
    }
    return DefSubclass(wnd, msg, wParam, lParam);
}

// Takes the procedure named by its data off the chain, mid-message.
LRESULT CALLBACK RemoverProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (msg == kProbe) {
        g_log += L'r';
        RemoveSubclass(wnd, MarkProc, static_cast<UINT_PTR>(data));
    }
    return DefSubclass(wnd, msg, wParam, lParam);
}

WNDPROC g_belowOther = nullptr;
LRESULT CALLBACK OtherProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == kProbe) g_log += L'X';
    return CallWindowProcW(g_belowOther, wnd, msg, wParam, lParam);
}

class Subclass : public ::testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = OwnProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"OrlentaSubclassProbe";
        RegisterClassW(&wc);
        wnd_ = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                               nullptr);
        ASSERT_NE(wnd_, nullptr);
        g_log.clear();
    }
    void TearDown() override
    {
        if (IsWindow(wnd_)) DestroyWindow(wnd_);
    }
    // The marks one probe leaves, and what it returned.
    std::wstring Probe(LRESULT* result = nullptr)
    {
        g_log.clear();
        LRESULT r = SendMessageW(wnd_, kProbe, 0, 0);
        if (result) *result = r;
        return g_log;
    }
    WNDPROC CurrentProc() const { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd_, GWLP_WNDPROC)); }

    HWND wnd_ = nullptr;
};

TEST_F(Subclass, TheLastAddedRunsFirstAndTheWindowsOwnAnswers)
{
    ASSERT_TRUE(AddSubclass(wnd_, MarkProc, 1, 0));
    ASSERT_TRUE(AddSubclass(wnd_, MarkProc, 2, 0));
    ASSERT_TRUE(AddSubclass(wnd_, MarkProc, 2, 5)); // the same again: no second entry
    LRESULT result = 0;
    EXPECT_EQ(Probe(&result), L"21W");
    EXPECT_EQ(result, 7);
    EXPECT_FALSE(AddSubclass(nullptr, MarkProc, 3, 0));
}

TEST_F(Subclass, TakenOffWhileRunningAndGivingTheWindowsOwnProcedureBack)
{
    ASSERT_TRUE(AddSubclass(wnd_, MarkProc, 1, 0));
    ASSERT_TRUE(AddSubclass(wnd_, OnceProc, 9, 0));
    ASSERT_TRUE(AddSubclass(wnd_, RemoverProc, 0, 1)); // takes MarkProc 1 off, below it
    EXPECT_EQ(Probe(), L"roW") << "a procedure taken off mid-message no longer runs";
    EXPECT_EQ(Probe(), L"rW");
    RemoveSubclass(wnd_, RemoverProc, 0);
    EXPECT_EQ(CurrentProc(), &OwnProc) << "the last one off gives the window its own procedure back";
    EXPECT_EQ(Probe(), L"W");
    ASSERT_TRUE(AddSubclass(wnd_, MarkProc, 4, 0)); // and a chain can start again
    EXPECT_EQ(Probe(), L"4W");
}

TEST_F(Subclass, AProcedurePutOverTheChainKeepsWorkingWhenTheChainEmpties)
{
    ASSERT_TRUE(AddSubclass(wnd_, MarkProc, 1, 0));
    g_belowOther = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OtherProc)));
    EXPECT_EQ(Probe(), L"X1W");
    RemoveSubclass(wnd_, MarkProc, 1);
    EXPECT_EQ(CurrentProc(), &OtherProc) << "a procedure over ours stays where it is";
    EXPECT_EQ(Probe(), L"XW") << "ours passes the messages on to the window's own";
}

TEST_F(Subclass, TheChainEndsWithItsWindow)
{
    ASSERT_TRUE(AddSubclass(wnd_, MarkProc, 1, 0));
    DestroyWindow(wnd_);
    EXPECT_FALSE(AddSubclass(wnd_, MarkProc, 1, 0));
    RemoveSubclass(wnd_, MarkProc, 1); // nothing left to take off: no effect
}

} // namespace
