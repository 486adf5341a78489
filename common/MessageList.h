#pragma once
// The table of named window messages that the hook control's message page
// lists: one for the module, filled row by row with AddToList and only read
// once filled (its rows are the same for every thread and every control).
#include <string>
#include <string_view>
#include <vector>

namespace Common {

struct MessageRow {
    std::wstring Name;
    long Value = 0;
};

class MessageList {
public:
    // Room for `size` rows, none of them filled.
    void Reset(std::size_t size);
    // Drops the room behind the last filled row.
    void Shrink();
    // Fills the next row: blanks around the name are cut. A table without
    // room is run-time error 9, more than 32,767 rows error 6.
    void Add(std::wstring_view name, long value);

    // The filled rows.
    int Count() const noexcept { return last_ + 1; }
    const MessageRow& Row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }

private:
    std::vector<MessageRow> rows_;
    short last_ = -1; // the last filled row
};

// The module's table.
MessageList& SharedMessageList();

// Appends a row to the module's table.
void AddToList(std::wstring_view name, long value);

} // namespace Common
