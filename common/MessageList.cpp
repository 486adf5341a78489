#include "common/MessageList.h"

#include <limits>

#include "runtime/RuntimeError.h"

namespace Common {

namespace {

std::wstring_view Trimmed(std::wstring_view text)
{
    while (!text.empty() && text.front() == L' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == L' ') text.remove_suffix(1);
    return text;
}

} // namespace

void MessageList::Reset(std::size_t size)
{
    rows_.assign(size, MessageRow{});
    last_ = -1;
}

void MessageList::Shrink()
{
    rows_.resize(static_cast<std::size_t>(Count()));
    rows_.shrink_to_fit();
}

void MessageList::Add(std::wstring_view name, long value)
{
    if (last_ == std::numeric_limits<short>::max()) Runtime::Raise(Runtime::ErrOverflow);
    std::size_t next = static_cast<std::size_t>(last_ + 1);
    if (next >= rows_.size()) Runtime::Raise(Runtime::ErrSubscript);
    rows_[next] = MessageRow{std::wstring(Trimmed(name)), value};
    ++last_;
}

namespace {

MessageList g_table;

} // namespace

MessageList& SharedMessageList() { return g_table; }

void AddToList(std::wstring_view name, long value)
{
    g_table.Add(name, value);
}

} // namespace Common
