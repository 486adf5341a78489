// Message boxes: the real system box owned by the active form, answered
// from a timer as a user would, and the seam that answers in its place.
#include "runtime/App.h"
#include "runtime/Form.h"
#include "runtime/MessageBox.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace Runtime;

class BoxOwner : public Form {
public:
    BoxOwner() : Form(L"fwOwner") {}
};

// Finds the message box of this thread and presses one of its buttons.
struct BoxAnswer {
    static int button;
    static HWND box, owner;
    static std::wstring caption;
    static BOOL CALLBACK Find(HWND wnd, LPARAM)
    {
        wchar_t cls[16] = {};
        GetClassNameW(wnd, cls, 16);
        if (lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(wnd)) return TRUE;
        box = wnd;
        return FALSE;
    }
    static void CALLBACK Press(HWND wnd, UINT, UINT_PTR id, DWORD)
    {
        box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), Find, 0);
        if (!box) return;
        KillTimer(wnd, id);
        owner = GetWindow(box, GW_OWNER);
        wchar_t text[128] = {};
        GetWindowTextW(box, text, 128);
        caption = text;
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    }
};
int BoxAnswer::button = 0;
HWND BoxAnswer::box = nullptr;
HWND BoxAnswer::owner = nullptr;
std::wstring BoxAnswer::caption;

TEST(MsgBox, TheSystemBoxIsOwnedByTheFormAndReturnsTheButton)
{
    // Whether the form is the active window depends on the X focus, which
    // other test programs take too; either way the form owns the box.
    BoxOwner hidden;
    ASSERT_TRUE(hidden.Load());
    BoxOwner form;
    ASSERT_TRUE(form.Load());
    form.Show();
    SetActiveWindow(form.hWnd());

    struct Case { const char* what; int style; int button; const wchar_t* title; std::wstring caption; };
    const Case cases[] = {
        {"ok", MB_OK, IDOK, L"Note", L"Note"},
        {"yes of yes/no", MB_YESNO | MB_ICONQUESTION, IDYES, L"Ask", L"Ask"},
        {"no of yes/no", MB_YESNO, IDNO, L"Ask", L"Ask"},
        {"cancel, program title", MB_OKCANCEL, IDCANCEL, L"", App::Title()},
    };
    for (const Case& c : cases) {
        BoxAnswer::button = c.button;
        BoxAnswer::owner = nullptr;
        SetTimer(form.hWnd(), 5, 20, BoxAnswer::Press);
        int result = MsgBox(L"Question \x0416?", c.style, c.title);
        KillTimer(form.hWnd(), 5);
        EXPECT_EQ(result, c.button) << c.what;
        EXPECT_EQ(BoxAnswer::owner, form.hWnd()) << c.what;
        EXPECT_EQ(BoxAnswer::caption, c.caption) << c.what;
    }

    // Another window active: the shown form owns the box, not the hidden one.
    HWND other = CreateWindowExW(0, L"Static", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(other);
    BoxAnswer::button = IDOK;
    BoxAnswer::owner = nullptr;
    SetTimer(form.hWnd(), 5, 20, BoxAnswer::Press);
    EXPECT_EQ(MsgBox(L"Owner?"), IDOK);
    KillTimer(form.hWnd(), 5);
    EXPECT_EQ(BoxAnswer::owner, form.hWnd());
    DestroyWindow(other);
}

TEST(MsgBox, TheSeamAnswersInsteadOfTheBox)
{
    std::wstring prompt, title;
    int style = -1;
    MsgBoxAnswer old = SetMsgBoxAnswer([&](const std::wstring& p, int s, const std::wstring& t) {
        prompt = p, style = s, title = t;
        return IDRETRY;
    });
    EXPECT_EQ(MsgBox(L"Disk?", MB_RETRYCANCEL), IDRETRY);
    SetMsgBoxAnswer(old);
    EXPECT_EQ(prompt, L"Disk?");
    EXPECT_EQ(style, MB_RETRYCANCEL);
    EXPECT_EQ(title, App::Title());
}

} // namespace
