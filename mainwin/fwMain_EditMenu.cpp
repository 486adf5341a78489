// The Edit popup menu: which of its items a box offers, and the six
// commands, each acting on the control that has the focus (the one the
// menu was opened for).
#include "mainwin/fwMain.h"

#include "runtime/Capabilities.h"
#include "runtime/Clipboard.h"

namespace {

constexpr wchar_t kHexDigits[] = L"0123456789ABCDEF";

wchar_t UpperAscii(wchar_t c)
{
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// The clipboard's text; empty when there is none or another program holds
// the clipboard.
std::wstring ClipboardText()
{
    try {
        return Runtime::Clipboard::GetUnicodeText();
    } catch (const Runtime::Error&) {
        return {};
    }
}

} // namespace

void fwMain::CreateEditMenu()
{
    mEditUndo.Click = [this] { mEditUndo_Click(); };
    mEditCut.Click = [this] { mEditCut_Click(); };
    mEditCopy.Click = [this] { mEditCopy_Click(); };
    mEditPaste.Click = [this] { mEditPaste_Click(); };
    mEditDelete.Click = [this] { mEditDelete_Click(); };
    mEditSelectAll.Click = [this] { mEditSelectAll_Click(); };
}

Runtime::Control* fwMain::ActiveControl() const
{
    for (HWND wnd = GetFocus(); wnd && wnd != hWnd(); wnd = GetParent(wnd))
        if (Runtime::Control* control = Runtime::Control::FromHwnd(wnd)) return control;
    return nullptr;
}

void fwMain::ShowEditPopup(bool full)
{
    for (Runtime::Menu* item : {&mEditUndo, &mEditSeparator1, &mEditCut, &mEditPaste, &mEditDelete,
                                &mEditSeparator2, &mEditSelectAll})
        item->SetVisible(full);
    mEditCopy.SetVisible(true);
    // A list pops the menu up only over a selected item, which Copy copies:
    // the state Copy was left in by a text box does not apply to it.
    if (!full) {
        mEditCopy.SetEnabled(true);
        return;
    }

    Runtime::Control* active = ActiveControl();
    auto* edit = dynamic_cast<Runtime::IText*>(active);
    const std::wstring text = edit ? edit->Text() : std::wstring();
    const int selStart = edit ? edit->SelStart() : 0;
    const int selLength = edit ? edit->SelLength() : 0;

    mEditCopy.SetEnabled(selLength > 0);
    mEditCut.SetEnabled(mEditCopy.Enabled());
    mEditDelete.SetEnabled(selStart < static_cast<int>(text.size()));
    mEditSelectAll.SetEnabled(!text.empty());

    const std::wstring clip = ClipboardText();
    bool paste = !clip.empty();
    // The go-to box takes only text that starts with a hexadecimal digit.
    if (paste && active == &tbGoTo) paste = std::wstring_view(kHexDigits).find(UpperAscii(clip.front())) !=
                                            std::wstring_view::npos;
    mEditPaste.SetEnabled(paste);

    if (active == &tbGoTo) {
        mEditUndo.SetEnabled(SendMessageW(tbGoTo.hWnd(), EM_CANUNDO, 0, 0) != 0);
        return;
    }
    if (active != &tbSearch) mEditUndo.SetEnabled(text != (active ? active->Tag : std::wstring()));
}

void fwMain::PopEditMenuFor(Runtime::Control& box, std::initializer_list<Runtime::Menu*> hide)
{
    if (!box.HasFocus()) box.SetFocus();
    ShowEditPopup(true);
    for (Runtime::Menu* item : hide) item->SetVisible(false);
    Runtime::PopupMenu(*this, mEdit);
}

bool fwMain::PassEditKey(int keyCode, int shift)
{
    Runtime::Control* active = ActiveControl();
    if (!active) return false;
    int key = keyCode;
    if (active->KeyDown) active->KeyDown(key, shift);
    return key != 0; // 0: the box's own handler did the edit
}

void fwMain::SendEditKey(int keyCode, int shift, UINT message)
{
    if (!PassEditKey(keyCode, shift)) return;
    if (HWND focus = GetFocus()) SendMessageW(focus, message, 0, 0);
}

void fwMain::mEditUndo_Click()
{
    Runtime::Control* active = ActiveControl();
    if (active == &tbCopy || active == &cbPicture || active == &cbSearch) {
        UndoBoxText(*active);
        return;
    }
    SendEditKey('Z', Runtime::CtrlMask, WM_UNDO);
}

void fwMain::mEditCut_Click()
{
    SendEditKey('X', Runtime::CtrlMask, WM_CUT);
}

// The side lists catch Ctrl+C themselves and copy the selected name.
void fwMain::mEditCopy_Click()
{
    SendEditKey('C', Runtime::CtrlMask, WM_COPY);
}

void fwMain::mEditPaste_Click()
{
    SendEditKey('V', Runtime::CtrlMask, WM_PASTE);
}

// As the Delete key does: the selection when there is one, else the
// character after the caret (WM_CLEAR alone removes only a selection).
void fwMain::mEditDelete_Click()
{
    if (!PassEditKey(VK_DELETE, 0)) return;
    auto* edit = dynamic_cast<Runtime::IText*>(ActiveControl());
    if (edit && edit->SelLength() == 0) edit->SetSelLength(1);
    if (HWND focus = GetFocus()) SendMessageW(focus, WM_CLEAR, 0, 0);
}

void fwMain::mEditSelectAll_Click()
{
    auto* edit = dynamic_cast<Runtime::IText*>(ActiveControl());
    if (!edit) return;
    edit->SetSelStart(0);
    edit->SetSelLength(static_cast<int>(edit->Text().size()));
}
