#include "latchet/MessagePage.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace MessagePage {

namespace {

std::vector<std::wstring> Parts(std::wstring_view text)
{
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t blank = text.find(L' ', start);
        parts.emplace_back(text.substr(start, blank == std::wstring_view::npos ? std::wstring_view::npos : blank - start));
        if (blank == std::wstring_view::npos) break;
        start = blank + 1;
    }
    return parts;
}

std::wstring Trim(std::wstring text)
{
    auto first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

bool Listed(std::wstring_view pageList, long value)
{
    std::wstring padded = L" " + std::wstring(pageList) + L" ";
    return padded.find(L" " + std::to_wstring(value) + L" ") != std::wstring::npos;
}

} // namespace

std::wstring PageList(std::wstring_view messages)
{
    std::wstring list = L" ";
    for (const std::wstring& part : Parts(messages))
        if (list.find(L" " + part + L" ") == std::wstring::npos) list += part + L" ";
    return Trim(list);
}

std::wstring CountLabel(std::wstring_view pageList)
{
    std::size_t count = 0;
    for (const std::wstring& part : Parts(pageList))
        if (!part.empty()) ++count;
    return CountLabel(count);
}

std::wstring CountLabel(std::size_t count)
{
    return L"(" + std::to_wstring(count) + L")";
}

std::vector<Item> Items(const Common::MessageList& table, std::wstring_view pageList)
{
    std::vector<Item> listed, others;
    for (int i = 0; i < table.Count(); ++i) {
        const Common::MessageRow& row = table.Row(i);
        bool checked = Listed(pageList, row.Value);
        (checked ? listed : others).push_back(Item{row.Name, row.Value, checked});
    }
    listed.insert(listed.end(), others.begin(), others.end());
    return listed;
}

std::wstring PageListOfChecked(const std::vector<Item>& items)
{
    // Runs on every check, also for each item of a whole list checked at
    // once: a set keeps it linear in the number of items.
    std::set<long> present;
    std::wstring list;
    for (const Item& item : items) {
        if (!item.checked || !present.insert(item.value).second) continue;
        if (!list.empty()) list += L' ';
        list += std::to_wstring(item.value);
    }
    return list;
}

std::wstring ItemText(const Item& item, double widest, const std::function<double(std::wstring_view)>& width)
{
    double blank = width(L" ");
    long gap = std::max(0L, std::lround(widest - width(item.name)));
    long blanks = blank > 0 ? static_cast<long>(gap / blank) : 0;
    return item.name + std::wstring(static_cast<std::size_t>(blanks), L' ') + L"\t= " + std::to_wstring(item.value);
}

int PreviousSelected(const std::vector<bool>& selected, int current)
{
    for (int i = std::min(current, static_cast<int>(selected.size())) - 1; i >= 0; --i)
        if (selected[static_cast<std::size_t>(i)]) return i;
    return -1;
}

int NextSelected(const std::vector<bool>& selected, int current)
{
    for (int i = std::max(current + 1, 0); i < static_cast<int>(selected.size()); ++i)
        if (selected[static_cast<std::size_t>(i)]) return i;
    return -1;
}

MenuState MenuStateOf(const std::vector<bool>& selected, int current)
{
    auto count = static_cast<std::size_t>(std::count(selected.begin(), selected.end(), true));
    MenuState state;
    state.selectAll = count < selected.size();
    state.clearAll = state.copySelected = state.copySpecial = count > 0;
    state.previousSelected = PreviousSelected(selected, current) >= 0;
    state.nextSelected = NextSelected(selected, current) >= 0;
    return state;
}

std::wstring CopySelected(const std::vector<Item>& items, const std::vector<std::wstring>& texts)
{
    std::wstring text;
    for (std::size_t i = 0; i < items.size() && i < texts.size(); ++i)
        if (items[i].checked) text += texts[i] + L"\r\n";
    return text;
}

std::wstring CopySpecial(const std::vector<Item>& items, const std::vector<std::wstring>& texts)
{
    std::wstring text;
    for (std::size_t i = 0; i < items.size() && i < texts.size(); ++i)
        if (items[i].checked) text += texts[i] + L" = " + std::to_wstring(items[i].value) + L"\r\n";
    return text;
}

} // namespace MessagePage
