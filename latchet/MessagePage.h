#pragma once
// What the Message property page shows and writes back, apart from its
// window: the page's list of message numbers, the rows of the message-name
// table in the page's order with their checks, an item's text, and the list
// menu's rules over the checked items.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/MessageList.h"

namespace MessagePage {

// The page's list from a control's Messages text: each number once, in the
// order of first appearance, separated by single blanks.
std::wstring PageList(std::wstring_view messages);

// "(" and the count of numbers in the page list ")".
std::wstring CountLabel(std::wstring_view pageList);
std::wstring CountLabel(std::size_t count);

struct Item {
    std::wstring name;
    long value = 0;
    bool checked = false;
};

// The table's rows as the page lists them: the rows whose value is in the
// page list first (checked, in table order), then every other row.
std::vector<Item> Items(const Common::MessageList& table, std::wstring_view pageList);

// The page list of the checked items, in list order, each value once.
std::wstring PageListOfChecked(const std::vector<Item>& items);

// The item's text: its name, blanks up to the width of the widest name
// (`widest`, measured by `width`), a TAB, "= " and the value.
std::wstring ItemText(const Item& item, double widest, const std::function<double(std::wstring_view)>& width);

// The list menu over the checked (selected) items, with `current` the
// current item (-1 for none).
struct MenuState {
    bool selectAll = false;
    bool clearAll = false;
    bool copySelected = false;
    bool copySpecial = false;
    bool previousSelected = false;
    bool nextSelected = false;
};
MenuState MenuStateOf(const std::vector<bool>& selected, int current);

// The nearest selected item above / below `current`; -1 when none.
int PreviousSelected(const std::vector<bool>& selected, int current);
int NextSelected(const std::vector<bool>& selected, int current);

// "Copy Selected": each selected item's text and CR LF. "Copy Special":
// each selected item's text, " = ", its value and CR LF.
std::wstring CopySelected(const std::vector<Item>& items, const std::vector<std::wstring>& texts);
std::wstring CopySpecial(const std::vector<Item>& items, const std::vector<std::wstring>& texts);

} // namespace MessagePage
