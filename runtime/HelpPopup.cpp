#include "runtime/HelpPopup.h"

#include <algorithm>

#include "runtime/Control.h"

namespace Runtime {

namespace {

constexpr wchar_t kClass[] = L"OrlentaHelpPopup";
constexpr int kMargin = 6;      // pixels around the text
constexpr int kMaxTextWidth = 320;

HelpTextSource& Source()
{
    static HelpTextSource source;
    return source;
}

HWND& Popup()
{
    static HWND popup = nullptr;
    return popup;
}

ScopedFont& PopupFont()
{
    static ScopedFont font;
    return font;
}

HFONT MessageFont()
{
    if (!PopupFont().Get()) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            PopupFont() = ScopedFont(CreateFontIndirectW(&metrics.lfMessageFont));
    }
    return PopupFont().Get() ? PopupFont().Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The rectangle the text takes, wrapped at the popup's greatest width.
RECT TextRect(HDC dc, const std::wstring& text)
{
    RECT r{0, 0, kMaxTextWidth, 0};
    ScopedSelect font(dc, MessageFont());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return r;
}

LRESULT CALLBACK PopupProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(wnd, &ps);
        RECT r;
        GetClientRect(wnd, &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
        const std::wstring text = WindowText(wnd);
        ScopedSelect font(dc, MessageFont());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
        InflateRect(&r, -kMargin, -kMargin);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_WORDBREAK | DT_NOPREFIX);
        EndPaint(wnd, &ps);
        return 0;
    }
    // Any click, here or anywhere else in the program (the popup holds the
    // mouse capture), closes it; so does losing the capture.
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_CAPTURECHANGED:
        if (Popup() == wnd) CloseHelpPopup();
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCDESTROY:
        if (Popup() == wnd) Popup() = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

void RegisterPopupClass()
{
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = PopupProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClass;
    wc.style = CS_SAVEBITS | CS_DROPSHADOW;
    registered = RegisterClassExW(&wc) != 0;
}

// Places a box of `size` at `at`, moved back into the monitor's work area.
POINT PlaceOnScreen(POINT at, SIZE size)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &info)) return at;
    const RECT& work = info.rcWork;
    at.x = std::max(work.left, std::min(at.x, work.right - size.cx));
    at.y = std::max(work.top, std::min(at.y, work.bottom - size.cy));
    return at;
}

} // namespace

void SetHelpTextSource(HelpTextSource source)
{
    Source() = std::move(source);
}

bool ShowWhatsThis(long helpId)
{
    CloseHelpPopup();
    if (helpId == 0 || !Source()) return false;
    const std::wstring text = Source()(helpId);
    if (text.empty()) return false;
    RegisterPopupClass();
    SIZE size{};
    {
        ScopedGetDC dc(nullptr);
        const RECT r = TextRect(dc.Get(), text);
        size = {r.right - r.left + 2 * kMargin + 2, r.bottom - r.top + 2 * kMargin + 2};
    }
    POINT at{};
    GetCursorPos(&at);
    at = PlaceOnScreen(at, size);
    HWND wnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClass, text.c_str(),
                               WS_POPUP | WS_BORDER, at.x, at.y, size.cx, size.cy, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!wnd) return false;
    Popup() = wnd;
    ShowWindow(wnd, SW_SHOWNOACTIVATE);
    UpdateWindow(wnd);
    SetCapture(wnd);
    return true;
}

bool ShowWhatsThis(const Control& control)
{
    return ShowWhatsThis(control.WhatsThisHelpID);
}

HWND HelpPopupWindow()
{
    return Popup();
}

void CloseHelpPopup()
{
    HWND wnd = std::exchange(Popup(), nullptr);
    if (!wnd) return;
    if (GetCapture() == wnd) ReleaseCapture();
    DestroyWindow(wnd);
}

} // namespace Runtime
