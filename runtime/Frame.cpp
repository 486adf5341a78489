#include "runtime/Frame.h"

namespace Runtime {

Frame::Frame(Form* form, Control* container, std::wstring name, int index)
    : ClickableControl(form, container, std::move(name), index)
{
}

void Frame::Create(int left, int top, int width, int height, const std::wstring& caption)
{
    CreateControlWindow(L"Button", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, caption, left, top, width,
                        height);
}

std::wstring Frame::Caption() const
{
    return WindowText(hWnd());
}

void Frame::SetCaption(const std::wstring& caption)
{
    if (!hWnd()) return;
    SetWindowTextW(hWnd(), caption.c_str());
    Invalidate();
}

bool Frame::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (HandleClickMessage(msg, wParam, lParam, result)) return true;
    switch (msg) {
    case WM_NCHITTEST:
        // A group box lets the mouse through to what is under it; a frame
        // takes its own clicks.
        result = HTCLIENT;
        return true;
    case WM_ERASEBKGND: {
        // The group box paints only its line and caption; the inside is ours.
        RECT r{};
        GetClientRect(hWnd(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, BackBrush());
        result = 1;
        return true;
    }
    default:
        return false;
    }
}

} // namespace Runtime
