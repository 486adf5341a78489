#include "latchet/MessagePropertyPage.h"

#include <algorithm>

#include "common/MessageList.h"
#include "common/ObjectMembers.h"
#include "runtime/RuntimeError.h"

namespace {

const int kListId = 1;

HFONT PageFont()
{
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

} // namespace

void MessagePropertyPage::CreateContent(HWND page)
{
    HINSTANCE module = Runtime::ComServer::Module();
    ltCount_ = CreateWindowExW(0, L"STATIC", L"(0)", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, page, nullptr, module, nullptr);
    lbMessage_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_MULTIPLESEL |
                                     LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS,
                                 0, 0, 0, 0, page, reinterpret_cast<HMENU>(kListId), module, nullptr);
    if (!ltCount_ || !lbMessage_) Runtime::Raise(7);
    SendMessageW(ltCount_, WM_SETFONT, reinterpret_cast<WPARAM>(PageFont()), FALSE);
    SendMessageW(lbMessage_, WM_SETFONT, reinterpret_cast<WPARAM>(PageFont()), FALSE);
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

std::vector<std::wstring> MessagePropertyPage::ItemTexts(const std::vector<MessagePage::Item>& items) const
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
    std::vector<std::wstring> texts;
    texts.reserve(items.size());
    for (const MessagePage::Item& item : items) texts.push_back(MessagePage::ItemText(item, widest, width));
    SelectObject(dc, old);
    ReleaseDC(lbMessage_, dc);
    return texts;
}

void MessagePropertyPage::Load(IDispatch* control)
{
    pageList_ = MessagePage::PageList(Common::MemberText(control, L"Messages"));
    SetWindowTextW(ltCount_, MessagePage::CountLabel(pageList_).c_str());

    std::vector<MessagePage::Item> items = MessagePage::Items(Common::ThreadMessageList(), pageList_);
    std::vector<std::wstring> texts = ItemTexts(items);
    filling_ = true;
    SendMessageW(lbMessage_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(lbMessage_, LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto index = SendMessageW(lbMessage_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts[i].c_str()));
        if (index < 0) break;
        SendMessageW(lbMessage_, LB_SETITEMDATA, static_cast<WPARAM>(index), items[i].value);
        if (items[i].checked) SendMessageW(lbMessage_, LB_SETSEL, TRUE, index);
    }
    SendMessageW(lbMessage_, LB_SETTOPINDEX, 0, 0);
    SendMessageW(lbMessage_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(lbMessage_, nullptr, TRUE);
    filling_ = false;
    SetChanged(false);
}

void MessagePropertyPage::lbMessage_ItemCheck()
{
    if (filling_) return;
    std::vector<MessagePage::Item> items;
    auto count = SendMessageW(lbMessage_, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        MessagePage::Item item;
        item.value = static_cast<long>(SendMessageW(lbMessage_, LB_GETITEMDATA, static_cast<WPARAM>(i), 0));
        item.checked = SendMessageW(lbMessage_, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0;
        items.push_back(item);
    }
    pageList_ = MessagePage::PageListOfChecked(items);
    SetWindowTextW(ltCount_, MessagePage::CountLabel(pageList_).c_str());
    SetChanged(true);
}

HRESULT MessagePropertyPage::Save(IDispatch* control)
{
    return PutText(control, L"Messages", pageList_);
}

bool MessagePropertyPage::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (msg == WM_COMMAND && LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_SELCHANGE) {
        lbMessage_ItemCheck();
        result = 0;
        return true;
    }
    return false;
}
