#include "runtime/Buttons.h"

#include "runtime/Form.h"

namespace Runtime {



CommandButton::CommandButton(Form* form, Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index)
{
}

void CommandButton::Create(int left, int top, int width, int height, const std::wstring& caption)
{
    CreateControlWindow(L"Button", BS_PUSHBUTTON | WS_TABSTOP, 0, caption, left, top, width, height);
}

std::wstring CommandButton::Caption() const { return WindowText(hWnd()); }
void CommandButton::SetCaption(const std::wstring& caption) { if (hWnd()) SetWindowTextW(hWnd(), caption.c_str()); }

void CommandButton::SetValue(bool value)
{
    if (value) Fire(Click);
}

bool CommandButton::OnReflect(UINT msg, WPARAM wParam, LPARAM, LRESULT&)
{
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) Fire(Click);
    return false;
}

CheckBox::CheckBox(Form* form, Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index)
{
}

void CheckBox::Create(int left, int top, int width, int height, const std::wstring& caption)
{
    CreateControlWindow(L"Button", BS_3STATE | WS_TABSTOP, 0, caption, left, top, width, height);
    SendMessageW(hWnd(), BM_SETCHECK, value_, 0);
}

std::wstring CheckBox::Caption() const { return WindowText(hWnd()); }
void CheckBox::SetCaption(const std::wstring& caption) { if (hWnd()) SetWindowTextW(hWnd(), caption.c_str()); }

void CheckBox::SetValue(int value)
{
    if (value < 0 || value > 2) Raise(ErrInvalidProperty);
    if (value == value_) return;
    value_ = value;
    if (hWnd()) SendMessageW(hWnd(), BM_SETCHECK, value_, 0);
    Fire(Click);
}

bool CheckBox::OnReflect(UINT msg, WPARAM wParam, LPARAM, LRESULT&)
{
    // The user's click toggles between checked and unchecked.
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) SetValue(value_ == 1 ? 0 : 1);
    return false;
}

OptionButton::OptionButton(Form* form, Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index)
{
}

void OptionButton::Create(int left, int top, int width, int height, const std::wstring& caption)
{
    CreateControlWindow(L"Button", BS_RADIOBUTTON | BS_NOTIFY | WS_TABSTOP, 0, caption, left, top, width, height);
    ShowValue();
}

std::wstring OptionButton::Caption() const { return WindowText(hWnd()); }
void OptionButton::SetCaption(const std::wstring& caption) { if (hWnd()) SetWindowTextW(hWnd(), caption.c_str()); }

void OptionButton::ShowValue()
{
    if (hWnd()) SendMessageW(hWnd(), BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OptionButton::SetValue(bool value)
{
    if (value == value_) return;
    value_ = value;
    ShowValue();
    if (!value) return;
    // One option of a container is on at a time.
    if (Form* form = ParentForm()) {
        for (Control* c : form->Controls()) {
            auto* other = dynamic_cast<OptionButton*>(c);
            if (other && other != this && other->Container() == Container() && other->value_) {
                other->value_ = false;
                other->ShowValue();
            }
        }
    }
    Fire(Click);
}

bool OptionButton::OnReflect(UINT msg, WPARAM wParam, LPARAM, LRESULT&)
{
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) SetValue(true);
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_DOUBLECLICKED) Fire(DblClick);
    return false;
}

} // namespace Runtime
