#include "latchet/ListMenu.h"

#include <string>
#include <vector>

#include "common/ObjectMembers.h"
#include "latchet/MessagePage.h"
#include "latchet/PageClipboard.h"
#include "runtime/ComVariant.h"

namespace ListMenu {

namespace {

VARIANT Index(long i)
{
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = i;
    return v;
}

long ReadLong(IDispatch* list, const wchar_t* name, std::vector<VARIANT> args = {})
{
    Runtime::Variant value;
    if (!Common::ReadMember(list, name, value, std::move(args)) || !value.ChangeType(VT_I4)) return -1;
    return V_I4(value.Get());
}

std::wstring ReadText(IDispatch* list, const wchar_t* name, long i)
{
    Runtime::Variant value;
    if (!Common::ReadMember(list, name, value, {Index(i)}) || !value.ChangeType(VT_BSTR)) return {};
    return Runtime::BstrText(V_BSTR(value.Get()));
}

// Writes `value` to the property `name` (with an index when `index` >= 0).
void WriteMember(IDispatch* list, const wchar_t* name, long index, VARIANT value)
{
    LPOLESTR member = const_cast<LPOLESTR>(name);
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(list->GetIDsOfNames(IID_NULL, &member, 1, LOCALE_USER_DEFAULT, &id))) return;
    VARIANT args[2] = {value, Index(index)}; // last first: the value, then the index
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{args, &put, index >= 0 ? 2u : 1u, 1};
    list->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
}

std::vector<bool> Selection(IDispatch* list)
{
    std::vector<bool> selected;
    for (long i = 0, count = ReadLong(list, L"ListCount"); i < count; ++i)
        selected.push_back(ReadLong(list, L"Selected", {Index(i)}) != 0);
    return selected;
}

void SelectEvery(IDispatch* list, bool select)
{
    VARIANT flag;
    V_VT(&flag) = VT_BOOL;
    V_BOOL(&flag) = select ? VARIANT_TRUE : VARIANT_FALSE;
    for (long i = 0, count = ReadLong(list, L"ListCount"); i < count; ++i) WriteMember(list, L"Selected", i, flag);
}

void Copy(IDispatch* list, bool special)
{
    std::vector<bool> selected = Selection(list);
    std::vector<MessagePage::Item> items;
    std::vector<std::wstring> texts;
    for (long i = 0; i < static_cast<long>(selected.size()); ++i) {
        items.push_back(MessagePage::Item{L"", ReadLong(list, L"ItemData", {Index(i)}), selected[static_cast<std::size_t>(i)]});
        texts.push_back(ReadText(list, L"List", i));
    }
    std::wstring text = special ? MessagePage::CopySpecial(items, texts) : MessagePage::CopySelected(items, texts);
    PageClipboard::Put(text);
}

void MakeCurrent(IDispatch* list, int index)
{
    if (index < 0) return;
    WriteMember(list, L"ListIndex", -1, Index(index));
}

} // namespace

void Run(IDispatch* list, UINT command)
{
    if (!list) return;
    switch (command) {
    case SelectAll: SelectEvery(list, true); break;
    case ClearAll: SelectEvery(list, false); break;
    case CopySelected: Copy(list, false); break;
    case CopySpecial: Copy(list, true); break;
    case PreviousSelected:
        MakeCurrent(list, MessagePage::PreviousSelected(Selection(list), ReadLong(list, L"ListIndex")));
        break;
    case NextSelected:
        MakeCurrent(list, MessagePage::NextSelected(Selection(list), ReadLong(list, L"ListIndex")));
        break;
    default: break;
    }
}

void Popup(IDispatch* list, HWND owner)
{
    if (!list) return;
    if (!owner) owner = Common::ObjectHwnd(list);
    if (!owner || !IsWindow(owner)) return;
    MessagePage::MenuState state = MessagePage::MenuStateOf(Selection(list), ReadLong(list, L"ListIndex"));
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    auto add = [menu](UINT id, bool enabled, const wchar_t* caption) {
        AppendMenuW(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id, caption);
    };
    add(SelectAll, state.selectAll, L"Select &All");
    add(ClearAll, state.clearAll, L"&Clear All");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(CopySelected, state.copySelected, L"&Copy Selected");
    add(CopySpecial, state.copySpecial, L"C&opy Special");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    add(PreviousSelected, state.previousSelected, L"&Previous Selected");
    add(NextSelected, state.nextSelected, L"&Next Selected");
    POINT cursor{};
    GetCursorPos(&cursor);
    UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, cursor.x,
                                                   cursor.y, 0, owner, nullptr));
    DestroyMenu(menu);
    Run(list, chosen);
}

} // namespace ListMenu
