#include "runtime/TextBox.h"

namespace Runtime {

TextBox::TextBox(Form* form, Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index)
{
    SetBackColor(ColorWindow);
    SetForeColor(ColorWindowText);
}

void TextBox::Create(int left, int top, int width, int height, bool multiLine)
{
    DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
    if (multiLine) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
    CreateControlWindow(L"Edit", style, WS_EX_CLIENTEDGE, L"", left, top, width, height);
    // Always set: the edit control's own default keeps only 30,000
    // characters of a paste, and 0 is the system's maximum.
    SendMessageW(hWnd(), EM_SETLIMITTEXT, maxLength_, 0);
    if (locked_) SendMessageW(hWnd(), EM_SETREADONLY, TRUE, 0);
}

std::wstring TextBox::Text() const
{
    return WindowText(hWnd());
}

void TextBox::SetText(const std::wstring& text)
{
    // An unchanged text is no change; the edit control would still report one.
    if (!hWnd() || text == Text()) return;
    SetWindowTextW(hWnd(), text.c_str()); // raises Change through EN_CHANGE
}

int TextBox::SelStart() const
{
    DWORD start = 0, end = 0;
    if (hWnd()) SendMessageW(hWnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

void TextBox::SetSelStart(int start)
{
    if (start < 0) Raise(ErrInvalidProperty);
    if (hWnd()) SendMessageW(hWnd(), EM_SETSEL, start, start);
}

int TextBox::SelLength() const
{
    DWORD start = 0, end = 0;
    if (hWnd()) SendMessageW(hWnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TextBox::SetSelLength(int length)
{
    if (length < 0) Raise(ErrInvalidProperty);
    int start = SelStart();
    if (hWnd()) SendMessageW(hWnd(), EM_SETSEL, start, start + length);
}

std::wstring TextBox::SelText() const
{
    int start = SelStart();
    return Text().substr(static_cast<size_t>(start), static_cast<size_t>(SelLength()));
}

void TextBox::SetSelText(const std::wstring& text)
{
    if (hWnd()) SendMessageW(hWnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void TextBox::SetMaxLength(int length)
{
    maxLength_ = length;
    if (hWnd()) SendMessageW(hWnd(), EM_SETLIMITTEXT, length, 0);
}

void TextBox::SetLocked(bool locked)
{
    locked_ = locked;
    if (hWnd()) SendMessageW(hWnd(), EM_SETREADONLY, locked, 0);
}

// A box whose program answers the right button shows no menu of its own.
bool TextBox::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result)
{
    if (msg != WM_CONTEXTMENU || (!MouseDown && !MouseUp)) return false;
    result = 0;
    return true;
}

bool TextBox::OnReflect(UINT msg, WPARAM wParam, LPARAM, LRESULT&)
{
    if (msg == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) Fire(Change);
    return false;
}

} // namespace Runtime
