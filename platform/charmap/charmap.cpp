// A small stand-in of the system Character Map for machines that lack it:
// a window titled "Character Map" whose "&Font :" label is directly followed
// by a combo box of the installed fonts. Choosing a font shows a sample of
// it, so a program that drives the combo box can be watched doing so.
#include <windows.h>

#include <string>

namespace {

const wchar_t kClassName[] = L"OrlentaCharMapStandIn";
enum { IdFontLabel = 100, IdFontCombo = 101, IdSample = 102 };

HWND g_combo = nullptr;
HWND g_sample = nullptr;
HFONT g_uiFont = nullptr;
HFONT g_sampleFont = nullptr;

int CALLBACK AddFontFamily(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM)
{
    if (lf->lfFaceName[0] == L'@') return 1; // vertical variants
    if (SendMessageW(g_combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(lf->lfFaceName)) == CB_ERR)
        SendMessageW(g_combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lf->lfFaceName));
    return 1;
}

void FillFonts(HWND wnd)
{
    HDC dc = GetDC(wnd);
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &lf, AddFontFamily, 0, 0);
    ReleaseDC(wnd, dc);
    SendMessageW(g_combo, CB_SETCURSEL, 0, 0);
}

void ShowSelectedFont()
{
    int index = static_cast<int>(SendMessageW(g_combo, CB_GETCURSEL, 0, 0));
    if (index == CB_ERR) return;
    int length = static_cast<int>(SendMessageW(g_combo, CB_GETLBTEXTLEN, index, 0));
    std::wstring name(length + 1, L'\0');
    SendMessageW(g_combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(name.data()));
    name.resize(length);

    HFONT font = CreateFontW(-28, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                             name.c_str());
    SendMessageW(g_sample, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (g_sampleFont) DeleteObject(g_sampleFont);
    g_sampleFont = font;
    SetWindowTextW(g_sample, (name + L": AaBbCc 0123 \x00C4\x00E9\x03A9\x0416").c_str());
}

LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: {
        HINSTANCE instance = reinterpret_cast<LPCREATESTRUCTW>(lParam)->hInstance;
        HWND label = CreateWindowExW(0, L"Static", L"&Font :", WS_CHILD | WS_VISIBLE, 8, 12, 44, 20, wnd,
                                     reinterpret_cast<HMENU>(IdFontLabel), instance, nullptr);
        g_combo = CreateWindowExW(0, L"ComboBox", L"",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT,
                                  56, 8, 260, 300, wnd, reinterpret_cast<HMENU>(IdFontCombo), instance, nullptr);
        g_sample = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 8, 44, 470, 120, wnd,
                                   reinterpret_cast<HMENU>(IdSample), instance, nullptr);
        g_uiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(g_uiFont), FALSE);
        SendMessageW(g_combo, WM_SETFONT, reinterpret_cast<WPARAM>(g_uiFont), FALSE);
        FillFonts(wnd);
        ShowSelectedFont();
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IdFontCombo && HIWORD(wParam) == CBN_SELCHANGE) ShowSelectedFont();
        return 0;
    case WM_SETFOCUS:
        SetFocus(g_combo);
        return 0;
    case WM_DESTROY:
        if (g_sampleFont) DeleteObject(g_sampleFont);
        g_sampleFont = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(wnd, msg, wParam, lParam);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);

    HWND wnd = CreateWindowExW(0, kClassName, L"Character Map", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                               CW_USEDEFAULT, CW_USEDEFAULT, 500, 210, nullptr, nullptr, instance, nullptr);
    if (!wnd) return 1;
    ShowWindow(wnd, showCommand);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(wnd, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
