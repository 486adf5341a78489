#include "latchet/MessagePropertyPage.h"

#include <commctrl.h>

#include <algorithm>

#include "common/MessageList.h"
#include "common/ObjectMembers.h"
#include "latchet/CheckList.h"
#include "latchet/CheckListObject.h"
#include "latchet/PageClipboard.h"
#include "latchet/PageKeys.h"
#include "latchet/ShiftState.h"
#include "runtime/MousePointer.h"
#include "runtime/RuntimeError.h"

namespace {

const int kListId = 1;
const UINT_PTR kListSubclass = 1;

HFONT PageFont()
{
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

} // namespace

MessagePropertyPage::~MessagePropertyPage()
{
    ReleaseList();
}

void MessagePropertyPage::CreateContent(HWND page)
{
    HINSTANCE module = Runtime::ComServer::Module();
    ltCount_ = CreateWindowExW(0, L"STATIC", L"(0)", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, page, nullptr, module, nullptr);
    if (!ltCount_) Runtime::Raise(7);
    SendMessageW(ltCount_, WM_SETFONT, reinterpret_cast<WPARAM>(PageFont()), FALSE);
    lbMessage_ = CheckList::Create(page, kListId, PageFont());
    SetWindowSubclass(lbMessage_, ListProc, kListSubclass, reinterpret_cast<DWORD_PTR>(this));
    listObject_ = CheckListObject::Create(lbMessage_, [this](int index) { ItemChecked(index); });
    if (!listObject_) Runtime::Raise(7);
}

void MessagePropertyPage::ReleaseList()
{
    if (lbMessage_ && IsWindow(lbMessage_)) RemoveWindowSubclass(lbMessage_, ListProc, kListSubclass);
    lbMessage_ = nullptr;
    if (listObject_) {
        listObject_->Detach();
        listObject_->Release();
        listObject_ = nullptr;
    }
}

void MessagePropertyPage::Layout(int width, int height)
{
    // The label at the top left, sized to its widest text "(999)"; the list
    // 4 pixels below it, filling the rest of the page.
    HDC dc = GetDC(ltCount_);
    HGDIOBJ old = SelectObject(dc, PageFont());
    SIZE size{};
    GetTextExtentPoint32W(dc, L"(999)", 5, &size);
    SelectObject(dc, old);
    ReleaseDC(ltCount_, dc);
    const int margin = 9;
    MoveWindow(ltCount_, margin, margin, size.cx, size.cy, TRUE);
    int top = margin + size.cy + 4;
    MoveWindow(lbMessage_, margin, top, std::max(0, width - 2 * margin), std::max(0, height - top - margin), TRUE);
}

std::vector<std::wstring> MessagePropertyPage::ItemTexts(const std::vector<MessagePage::Item>& items)
{
    HDC dc = GetDC(lbMessage_);
    HGDIOBJ old = SelectObject(dc, PageFont());
    auto width = [dc](std::wstring_view text) {
        SIZE size{};
        GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
        return static_cast<double>(size.cx);
    };
    double widest = 0;
    for (const MessagePage::Item& item : items) widest = std::max(widest, width(item.name));
    // Every name with its blanks ends within one blank of the widest one:
    // the TAB takes them all to one position past it.
    tabStop_ = static_cast<int>(widest + width(L" ")) + 1;
    std::vector<std::wstring> texts;
    texts.reserve(items.size());
    for (const MessagePage::Item& item : items) texts.push_back(MessagePage::ItemText(item, widest, width));
    SelectObject(dc, old);
    ReleaseDC(lbMessage_, dc);
    return texts;
}

void MessagePropertyPage::Load(IDispatch* control)
{
    std::wstring pageList = MessagePage::PageList(Common::MemberText(control, L"Messages"));
    SetWindowTextW(ltCount_, MessagePage::CountLabel(pageList).c_str());

    std::vector<MessagePage::Item> items = MessagePage::Items(Common::SharedMessageList(), pageList);
    std::vector<std::wstring> texts = ItemTexts(items);
    filling_ = true;
    values_.clear();
    checks_.clear();
    checkedRows_.clear();
    SendMessageW(lbMessage_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(lbMessage_, LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto index = SendMessageW(lbMessage_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts[i].c_str()));
        if (index < 0) break;
        SendMessageW(lbMessage_, LB_SETITEMDATA, static_cast<WPARAM>(index), items[i].value);
        values_.push_back(items[i].value);
        checks_.push_back(false);
        if (items[i].checked) {
            CheckList::SetChecked(lbMessage_, static_cast<int>(index), true);
            TakeCheck(static_cast<std::size_t>(index), true);
        }
    }
    SendMessageW(lbMessage_, LB_SETTOPINDEX, 0, 0);
    SendMessageW(lbMessage_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(lbMessage_, nullptr, TRUE);
    filling_ = false;
    SetChanged(false);
}

bool MessagePropertyPage::TakeCheck(std::size_t index, bool checked)
{
    if (index >= checks_.size() || checks_[index] == checked) return false;
    checks_[index] = checked;
    long value = values_[index];
    if (checked) ++checkedRows_[value];
    else if (auto row = checkedRows_.find(value); row != checkedRows_.end() && --row->second <= 0) checkedRows_.erase(row);
    return true;
}

void MessagePropertyPage::ChecksTaken()
{
    // The label shows its new text with the next paint: a label repainted
    // at once for each item took most of the time of checking the whole
    // list item by item.
    SendMessageW(ltCount_, WM_SETREDRAW, FALSE, 0);
    SetWindowTextW(ltCount_, MessagePage::CountLabel(checkedRows_.size()).c_str());
    SendMessageW(ltCount_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(ltCount_, nullptr, TRUE);
    SetChanged(true);
}

void MessagePropertyPage::lbMessage_ItemCheck()
{
    if (filling_) return;
    std::vector<bool> checks = CheckList::Checks(lbMessage_);
    bool taken = false;
    for (std::size_t i = 0; i < checks.size(); ++i) taken |= TakeCheck(i, checks[i]);
    // The list also notes a move of the current item, which checks nothing.
    if (taken) ChecksTaken();
}

void MessagePropertyPage::ItemChecked(int index)
{
    if (filling_ || index < 0) return;
    if (TakeCheck(static_cast<std::size_t>(index), CheckList::Checked(lbMessage_, index))) ChecksTaken();
}

void MessagePropertyPage::CheckAll(bool checked)
{
    SetMousePointer(Runtime::PointerHourglass);
    // One change of the page list for the whole list, not one per item.
    filling_ = true;
    CheckList::SetAllChecked(lbMessage_, checked);
    filling_ = false;
    lbMessage_ItemCheck();
    SetMousePointer(Runtime::PointerDefault);
}

void MessagePropertyPage::CopyCurrent()
{
    int current = CheckList::Current(lbMessage_);
    if (current >= 0) PageClipboard::Put(CheckList::Text(lbMessage_, current));
}

void MessagePropertyPage::lbMessage_KeyDown(int keyCode, int shift)
{
    int current = CheckList::Current(lbMessage_);
    switch (PageKeys::CommandOf(keyCode, shift)) {
    case PageKeys::Delete:
        if (CheckList::SetChecked(lbMessage_, current, false)) ItemChecked(current);
        break;
    case PageKeys::Copy: CopyCurrent(); break;
    case PageKeys::Cut:
        CopyCurrent();
        CheckList::SetCurrent(lbMessage_, 0);
        break;
    case PageKeys::Paste: CheckList::SetCurrent(lbMessage_, CheckList::Find(lbMessage_, PageClipboard::Text(), true)); break;
    case PageKeys::CheckAll: CheckAll(true); break;
    case PageKeys::UncheckAll: CheckAll(false); break;
    case PageKeys::Previous:
        CheckList::SetCurrent(lbMessage_, MessagePage::PreviousSelected(CheckList::Checks(lbMessage_), current));
        break;
    case PageKeys::Next:
        CheckList::SetCurrent(lbMessage_, MessagePage::NextSelected(CheckList::Checks(lbMessage_), current));
        break;
    default: break;
    }
}

void MessagePropertyPage::lbMessage_MouseUp()
{
    VARIANT list;
    V_VT(&list) = VT_DISPATCH;
    V_DISPATCH(&list) = listObject_;
    Runtime::Variant result;
    Common::ReadMember(Edited(), L"PPMenuPopup", result, {list});
}

HRESULT MessagePropertyPage::Save(IDispatch* control)
{
    std::vector<MessagePage::Item> items(values_.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].value = values_[i];
        items[i].checked = checks_[i];
    }
    return PutText(control, L"Messages", MessagePage::PageListOfChecked(items));
}

void MessagePropertyPage::FocusProperty()
{
    SetFocus(lbMessage_);
}

bool MessagePropertyPage::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (msg == WM_COMMAND && LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_SELCHANGE) {
        lbMessage_ItemCheck();
        result = 0;
        return true;
    }
    if (msg == WM_DRAWITEM && wParam == kListId) {
        CheckList::DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), tabStop_);
        result = TRUE;
        return true;
    }
    return false;
}

LRESULT CALLBACK MessagePropertyPage::ListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR page)
{
    auto* self = reinterpret_cast<MessagePropertyPage*>(page);
    if (msg == WM_NCDESTROY) {
        // The page's window goes: the control may keep the list object, which
        // now holds no window.
        self->ReleaseList();
        return DefSubclassProc(list, msg, wParam, lParam);
    }
    // The page sees a key before the list does, and a released button after
    // it. No exception leaves a window procedure: a clipboard that another
    // program holds leaves the list as it was.
    try {
        if (msg == WM_KEYDOWN) self->lbMessage_KeyDown(static_cast<int>(wParam), ShiftState());
    } catch (...) {
    }
    LRESULT result = DefSubclassProc(list, msg, wParam, lParam);
    try {
        if (msg == WM_RBUTTONUP) self->lbMessage_MouseUp();
    } catch (...) {
    }
    return result;
}
