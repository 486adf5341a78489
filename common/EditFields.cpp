#include "common/EditFields.h"

#include "common/TextCompare.h"
#include "runtime/Capabilities.h"
#include "runtime/TextBox.h"

namespace Common {

namespace {
int g_filtering = 0; // raised while the filter sets the text itself
}

bool FilterChars(Runtime::Control& control, const std::wstring& allowed)
{
    const std::wstring kind = control.TypeName();
    if (g_filtering > 0 || (kind != L"TextBox" && kind != L"ComboBox" && kind != L"MaskEdBox")) return false;
    auto* edit = dynamic_cast<Runtime::IText*>(&control);
    if (!edit) return false;

    const std::wstring text = edit->Text();
    const int caret = edit->SelStart();
    std::wstring kept;
    int removedBeforeCaret = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        bool ok = false;
        for (wchar_t a : allowed)
            if (SameChar(text[i], a, CompareText)) { ok = true; break; }
        if (ok) kept.push_back(text[i]);
        else if (static_cast<int>(i) < caret) ++removedBeforeCaret;
    }
    int newCaret = caret - removedBeforeCaret;
    if (newCaret < 0) newCaret = 0;

    bool changed = kept != text;
    if (changed) {
        ++g_filtering;
        edit->SetText(kept);
        --g_filtering;
    }
    if (newCaret != edit->SelStart()) edit->SetSelStart(newCaret);
    return changed;
}

void ResetTextBox(Runtime::Control& control)
{
    auto* box = dynamic_cast<Runtime::TextBox*>(&control);
    if (!box) return;
    const int start = box->SelStart(), length = box->SelLength();
    box->SetEnabled(false);
    box->SetEnabled(true);
    box->SetSelStart(start);
    box->SetSelLength(length);
    box->SetFocus();
}

} // namespace Common
