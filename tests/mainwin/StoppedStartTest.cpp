// A start-up stopped by an error writes no settings: the main window whose
// list view the system refuses to make (as when it is out of window
// handles) reports the error and does not load, also when the Windows
// session ends while the error shows, and the settings file keeps every
// byte.
#include "tests/mainwin/LoadedMain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/ErrorReport.h"
#include "tests/support/TempFolder.h"

namespace {

using MainWinTest::LoadedMain;

// Refuses, on this thread, the first window of one class made while it lives.
class RefusedWindow {
public:
    explicit RefusedWindow(const wchar_t* className)
    {
        className_ = className;
        hook_ = SetWindowsHookExW(WH_CBT, Refuse, nullptr, GetCurrentThreadId());
    }
    ~RefusedWindow()
    {
        if (hook_) UnhookWindowsHookEx(hook_);
        className_ = nullptr;
    }
    RefusedWindow(const RefusedWindow&) = delete;
    RefusedWindow& operator=(const RefusedWindow&) = delete;
    bool Hooked() const noexcept { return hook_ != nullptr; }

private:
    static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND && className_) {
            wchar_t name[64] = {};
            GetClassNameW(reinterpret_cast<HWND>(wParam), name, 64);
            if (_wcsicmp(name, className_) == 0) {
                className_ = nullptr;
                return 1;
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline const wchar_t* className_ = nullptr;
    HHOOK hook_ = nullptr;
};

// This thread's main window, still hidden while start-up runs.
HWND HiddenMainWindow()
{
    for (HWND wnd = FindWindowExW(nullptr, nullptr, L"OrlentaForm", nullptr); wnd;
         wnd = FindWindowExW(nullptr, wnd, L"OrlentaForm", nullptr))
        if (GetWindowThreadProcessId(wnd, nullptr) == GetCurrentThreadId()) return wnd;
    return nullptr;
}

TEST(StoppedStart, AStartStoppedByAnErrorWritesNoSettings)
{
    struct Case { const char* what; bool sessionEndsDuringTheError; };
    const Case cases[] = {{"stopped", false}, {"session ended while the error shows", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestSupport::TempFolder folder;
        const std::wstring settingsFile = folder.File(L"Orlenta.dat");
        const std::string settings = "[fwMain]\r\nchRange=1\r\nobFormat=5\r\nlvRange=8704\r\n"
                                     "[fwMain_Picture]\r\ncbPicture=36\r\n[cbSearch_Search]\r\n0=arrow\r\n";
        ASSERT_TRUE(TestSupport::WriteBytes(settingsFile, settings));

        std::vector<std::string> errors;
        Runtime::ErrorReporter previous = Runtime::SetErrorReporter([&](int number, const std::string& message) {
            errors.push_back(std::to_string(number) + " " + message);
            if (!c.sessionEndsDuringTheError) return;
            HWND hidden = HiddenMainWindow();
            ASSERT_NE(hidden, nullptr);
            EXPECT_EQ(SendMessageW(hidden, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
            SendMessageW(hidden, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        });
        {
            RefusedWindow refused(L"SysListView32");
            ASSERT_TRUE(refused.Hooked());
            LoadedMain window(folder.Path());
            EXPECT_FALSE(window.Loaded());
            EXPECT_EQ(HiddenMainWindow(), nullptr) << "the window stayed";
        }
        Runtime::SetErrorReporter(std::move(previous));
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0], "5 Cannot create the window of control lvFont");
        EXPECT_EQ(TestSupport::ReadBytes(settingsFile), settings);
        // The last form gone ends the message loop; this test goes on.
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
}

} // namespace
