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

class ShownKeyForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Load());
        form.Show();
        SetForegroundWindow(form.hWnd());
        form.bbFirst.SetFocus();
        ASSERT_EQ(GetFocus(), form.bbFirst.hWnd());
    }
    void TearDown() override
    {
        form.Unload();
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    LRESULT ShowKey(UINT message, WPARAM key)
    {
        return SendMessageW(form.hWnd(), FormKeyMessage(), key, static_cast<LPARAM>(message));
    }
    KeyForm form;
};

// What another module's loop sends: the form previews the key and moves
// the focus on Tab, and says whether it used the key up.
TEST_F(ShownKeyForm, AFormIsShownTheKeysOfAnotherModulesLoop)
{
    EXPECT_EQ(ShowKey(WM_KEYDOWN, 'A'), kFormKeySeen);
    EXPECT_EQ(form.keyDowns, 1);
    EXPECT_EQ(ShowKey(WM_KEYDOWN, VK_TAB), kFormKeyUsed);
    EXPECT_EQ(GetFocus(), form.bbSecond.hWnd());
}

// Any program on the desktop can send or post the message, with anything
// in its parameters: from another thread it is refused, and a parameter
// that is no key message makes it the plain message it is. Nothing is read
// through lParam, whatever it holds.
TEST_F(ShownKeyForm, TheKeyMessageFromElsewhereOrWithAnyParameterDoesNothing)
{
    const LPARAM wild = static_cast<LPARAM>(0xDEADBEEFCAFEull);
    // A key message of this process that the sender points at.
    MSG tab{form.bbFirst.hWnd(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    const LPARAM pointer = reinterpret_cast<LPARAM>(&tab);
    struct {
        const char* name;
        bool otherThread;
        bool post;
        LPARAM lParam;
    } cases[] = {
        {"sent from another thread, a wild lParam", true, false, wild},
        {"sent from another thread, a key", true, false, WM_KEYDOWN},
        {"posted from another thread, a wild lParam", true, true, wild},
        {"sent from another thread, the address of a key message", true, false, pointer},
        {"sent from this thread, a wild lParam", false, false, wild},
        {"sent from this thread, the address of a key message", false, false, pointer},
        {"sent from this thread, a message that is no key", false, false, WM_PAINT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LRESULT answer = -1;
        auto deliver = [&] {
            if (c.post)
                answer = PostMessageW(form.hWnd(), FormKeyMessage(), VK_TAB, c.lParam) ? 0 : -1;
            else
                answer = SendMessageW(form.hWnd(), FormKeyMessage(), VK_TAB, c.lParam);
        };
        if (c.otherThread) {
            // The send is answered while this thread waits with its messages processed.
            HANDLE thread = CreateThread(
                nullptr, 0, [](void* call) -> DWORD { (*static_cast<decltype(deliver)*>(call))(); return 0; }, &deliver,
                0, nullptr);
            ASSERT_NE(thread, nullptr);
            while (MsgWaitForMultipleObjects(1, &thread, FALSE, 5000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) DoEvents();
            CloseHandle(thread);
        } else {
            deliver();
        }
        DoEvents();
        EXPECT_EQ(answer, 0);
        EXPECT_EQ(form.keyDowns, 0);
        EXPECT_EQ(GetFocus(), form.bbFirst.hWnd());
    }
}

} // namespace
