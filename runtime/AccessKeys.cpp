#include "runtime/AccessKeys.h"

#include <windows.h>

#include <vector>

#include "runtime/Buttons.h"
#include "runtime/Form.h"
#include "runtime/Label.h"

namespace Runtime {

namespace {

wchar_t Upper(wchar_t c)
{
    wchar_t text[2] = {c, 0};
    CharUpperBuffW(text, 1);
    return text[0];
}

// The caption that gives a control its access key; empty for kinds that
// have none.
std::wstring CaptionOf(const Control& control)
{
    if (auto* button = dynamic_cast<const CommandButton*>(&control)) return button->Caption();
    if (auto* check = dynamic_cast<const CheckBox*>(&control)) return check->Caption();
    if (auto* option = dynamic_cast<const OptionButton*>(&control)) return option->Caption();
    if (auto* label = dynamic_cast<const Label*>(&control)) return label->UseMnemonic() ? label->Caption() : L"";
    return L"";
}

bool Reachable(const Control& control)
{
    return control.hWnd() && IsWindowVisible(control.hWnd()) && IsWindowEnabled(control.hWnd());
}

// The first visible, enabled tab stop after `wnd` among its siblings.
HWND NextTabStop(HWND wnd)
{
    for (HWND next = GetWindow(wnd, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT)) {
        LONG_PTR style = GetWindowLongPtrW(next, GWL_STYLE);
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) return next;
    }
    return nullptr;
}

void Act(Control& control)
{
    if (auto* button = dynamic_cast<CommandButton*>(&control)) {
        button->SetFocus();
        button->SetValue(true);
    } else if (auto* check = dynamic_cast<CheckBox*>(&control)) {
        check->SetFocus();
        check->SetValue(check->Value() == 1 ? 0 : 1);
    } else if (auto* option = dynamic_cast<OptionButton*>(&control)) {
        option->SetFocus();
        option->SetValue(true);
    } else if (HWND next = NextTabStop(control.hWnd())) {
        ::SetFocus(next);
    }
}

} // namespace

wchar_t AccessKeyOf(std::wstring_view caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] != L'&') return Upper(caption[i + 1]);
        ++i; // "&&" shows one ampersand
    }
    return 0;
}

bool HandleAccessKey(Form& form, wchar_t key)
{
    if (key == 0) return false;
    key = Upper(key);
    std::vector<Control*> matches;
    for (Control* control : form.Controls())
        if (control && Reachable(*control) && AccessKeyOf(CaptionOf(*control)) == key) matches.push_back(control);
    if (matches.empty()) return false;
    size_t pick = 0;
    HWND focus = GetFocus();
    for (size_t i = 0; i < matches.size(); ++i)
        if (matches[i]->hWnd() == focus) pick = (i + 1) % matches.size();
    Act(*matches[pick]);
    return true;
}

} // namespace Runtime
