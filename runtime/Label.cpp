#include "runtime/Label.h"

namespace Runtime {

Label::Label(Form* form, Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index)
{
}

void Label::Create(int left, int top, int width, int height, const std::wstring& caption)
{
    caption_ = caption;
    DWORD align = alignment_ == AlignRight ? SS_RIGHT : alignment_ == AlignCenter ? SS_CENTER : SS_LEFT;
    if (align == SS_LEFT && !wordWrap_) align = SS_LEFTNOWORDWRAP;
    DWORD prefix = useMnemonic_ ? 0 : SS_NOPREFIX;
    CreateControlWindow(L"Static", SS_NOTIFY | prefix | align, 0, caption_, left, top, width, height);
}

void Label::SetCaption(const std::wstring& caption)
{
    if (caption == caption_) return;
    caption_ = caption;
    if (hWnd()) SetWindowTextW(hWnd(), caption_.c_str());
}

void Label::SetAlignment(int alignment)
{
    alignment_ = alignment;
    if (!hWnd()) return;
    LONG_PTR style = GetWindowLongPtrW(hWnd(), GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
    style |= alignment == AlignRight ? SS_RIGHT : alignment == AlignCenter ? SS_CENTER : wordWrap_ ? SS_LEFT : SS_LEFTNOWORDWRAP;
    SetWindowLongPtrW(hWnd(), GWL_STYLE, style);
    Invalidate();
}

void Label::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    Invalidate();
}

bool Label::OnReflect(UINT msg, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (msg == WM_COMMAND) {
        if (HIWORD(wParam) == STN_CLICKED) Fire(Click);
        if (HIWORD(wParam) == STN_DBLCLK) Fire(DblClick);
        return false;
    }
    if (msg == WM_CTLCOLORSTATIC && transparent_) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, ResolveColor(ForeColor()));
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
    }
    return false;
}

} // namespace Runtime
