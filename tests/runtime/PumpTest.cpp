// The message loop's keys: a form is only a window that this module's
// runtime made (a control's server holds a runtime of its own, and waits
// with messages processed inside its host); another module's form is shown
// its keys through a message; any other window that holds controls gets
// dialog navigation.
#include <windows.h>

#include "runtime/Buttons.h"
#include "runtime/Form.h"
#include "runtime/Pump.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using namespace Runtime;

// A window of the forms' class name registered by another module, with
// two buttons, whose user data is what its own module put there.
class ForeignWindow {
public:
    explicit ForeignWindow(LONG_PTR userData)
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = OtherModule();
        wc.lpszClassName = L"OrlentaForm";
        RegisterClassW(&wc);
        wnd = CreateWindowExW(WS_EX_CONTROLPARENT, L"OrlentaForm", L"foreign", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                              300, 200, nullptr, nullptr, OtherModule(), nullptr);
        SetWindowLongPtrW(wnd, GWLP_USERDATA, userData);
        for (int i = 0; i < 2; ++i)
            buttons[i] = CreateWindowW(L"BUTTON", L"&Button", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10 + 40 * i, 100,
                                       30, wnd, nullptr, OtherModule(), nullptr);
        keys = 0;
    }
    ~ForeignWindow()
    {
        DestroyWindow(wnd);
        UnregisterClassW(L"OrlentaForm", OtherModule());
    }
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;

    static HINSTANCE OtherModule() { return GetModuleHandleW(L"kernel32.dll"); }

    HWND wnd = nullptr;
    HWND buttons[2] = {};
    static inline int keys = 0;

private:
    static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_KEYDOWN || msg == WM_CHAR || msg == WM_SYSCHAR) ++keys;
        return DefWindowProcW(w, msg, wp, lp);
    }
};

void Pump(HWND to, UINT message, WPARAM key)
{
    MSG msg{};
    msg.hwnd = to;
    msg.message = message;
    msg.wParam = key;
    PumpMessage(msg);
}

TEST(PumpFocus, AWindowOfTheFormsClassFromAnotherModuleIsNoForm)
{
    std::vector<unsigned char> notAForm(4096);
    std::memset(notAForm.data(), 0xCD, notAForm.size());
    ForeignWindow window(reinterpret_cast<LONG_PTR>(notAForm.data()));
    ASSERT_NE(window.wnd, nullptr);
    EXPECT_EQ(Form::FromWindow(window.wnd), nullptr);
    EXPECT_EQ(Form::FromWindow(window.buttons[0]), nullptr);
    // The buttons' own keys reach them; the window's reach its procedure.
    Pump(window.wnd, WM_KEYDOWN, 'A');
    Pump(window.wnd, WM_CHAR, 'a');
    Pump(window.wnd, WM_SYSCHAR, 'z');
    EXPECT_EQ(ForeignWindow::keys, 3);
}

TEST(PumpFocus, AnotherWindowThatHoldsControlsGetsDialogNavigation)
{
    ForeignWindow window(0);
    ASSERT_NE(window.wnd, nullptr);
    SetForegroundWindow(window.wnd);
    SetFocus(window.buttons[0]);
    ASSERT_EQ(GetFocus(), window.buttons[0]);
    Pump(window.buttons[0], WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), window.buttons[1]);
}

class KeyForm : public Form {
public:
    KeyForm() : Form(L"fwKeys") {}
    CommandButton bbFirst{this, nullptr, L"bbFirst"};
    CommandButton bbSecond{this, nullptr, L"bbSecond"};
    int keyDowns = 0;

protected:
    void CreateControls() override
    {
        Move(100, 100, 300, 200);
        bbFirst.Create(10, 10, 100, 30, L"First");
        bbSecond.Create(10, 50, 100, 30, L"Second");
        KeyPreview = true;
    }
    void Form_KeyDown(int&, int) override { ++keyDowns; }
};

// What another module's loop sends: the form previews the key and moves
// the focus on Tab, and says whether it used the key up.
TEST(PumpFocus, AFormIsShownTheKeysOfAnotherModulesLoop)
{
    KeyForm form;
    ASSERT_TRUE(form.Load());
    form.Show();
    SetForegroundWindow(form.hWnd());
    form.bbFirst.SetFocus();
    ASSERT_EQ(GetFocus(), form.bbFirst.hWnd());
    MSG msg{};
    msg.hwnd = form.bbFirst.hWnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = 'A';
    EXPECT_EQ(SendMessageW(form.hWnd(), FormKeyMessage(), 0, reinterpret_cast<LPARAM>(&msg)), kFormKeySeen);
    EXPECT_EQ(form.keyDowns, 1);
    msg.wParam = VK_TAB;
    EXPECT_EQ(SendMessageW(form.hWnd(), FormKeyMessage(), 0, reinterpret_cast<LPARAM>(&msg)), kFormKeyUsed);
    EXPECT_EQ(GetFocus(), form.bbSecond.hWnd());
    form.Unload();
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

} // namespace
