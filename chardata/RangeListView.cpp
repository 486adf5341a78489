#include "chardata/RangeListView.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/Val.h"
#include "runtime/NoRedraw.h"
#include "runtime/Form.h"
#include "runtime/ImageList.h"
#include "runtime/ScopedWin.h"

namespace CharData {

namespace {

// Space beside a name in the list's first column.
constexpr int kColumnPadding = 12;

bool CanShowCheck(const Runtime::ListView& list)
{
    return list.SmallIcons() && list.SmallIcons()->ListImages().Find(kCheckIcon);
}

// Measures names in the font of the list's form (the list's own font when
// it has no form), in pixels, on one device context for a whole fill.
class NameMeasure {
public:
    explicit NameMeasure(const Runtime::Control& control)
        : dc_(control.ParentForm() ? control.ParentForm()->hWnd() : control.hWnd()),
          font_(dc_.Get(), control.ParentForm() ? control.ParentForm()->FontHandle() : control.FontHandle())
    {
    }
    int Width(const std::wstring& text) const
    {
        SIZE size{};
        GetTextExtentPoint32W(dc_.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

private:
    Runtime::ScopedGetDC dc_;
    Runtime::ScopedSelect font_;
};

// What one fill carries from row to row: the measure, the box's names in
// their sorted order, and the widest name so far.
struct FillState {
    explicit FillState(const Runtime::Control& list) : measure(list) {}
    NameMeasure measure;
    std::vector<std::wstring> boxNames;
    int widest = 0;
};

void AddToRangeBox(Runtime::ComboBox& cbRange, std::vector<std::wstring>& names, const std::wstring& name,
                   const std::wstring& key)
{
    const std::size_t at = SortedPosition(names, name);
    names.insert(names.begin() + static_cast<std::ptrdiff_t>(at), name);
    cbRange.AddItem(name, static_cast<int>(at));
    cbRange.SetList(static_cast<int>(at), 1, key);
}

std::vector<std::wstring> BoxNames(const Runtime::ComboBox& cbRange)
{
    std::vector<std::wstring> names;
    names.reserve(static_cast<std::size_t>(cbRange.ListCount()));
    for (int i = 0; i < cbRange.ListCount(); ++i) names.push_back(cbRange.List(i));
    return names;
}

// A list-view number field (Tag, SubItems) as a 32-bit number.
std::int32_t FieldNumber(const std::wstring& text)
{
    const double value = Common::Val(text);
    if (!(value > -2147483648.0 && value < 2147483648.0)) return 0;
    return static_cast<std::int32_t>(value);
}

} // namespace

namespace {

// Adds a listed row to both lists; the caller widens the column.
std::int32_t AddListedRow(Runtime::ListView& lvRange, Runtime::ComboBox& cbRange, const RangeFilter& filter,
                          const Subrange& row, FillState& state)
{
    if (!RangeRowListed(filter, row)) return 0;
    const std::wstring key = RangeKey(row.First);
    const std::wstring name(row.Name);
    if (row.Name != kUndefinedSubrange) AddToRangeBox(cbRange, state.boxNames, name, key);

    Runtime::ListItem& item = lvRange.ListItems().Add(0, key, name);
    item.Tag = std::to_wstring(row.Last);
    item.SetSubItems(1, std::to_wstring(row.Bit));
    if (RangeRowChecked(filter, row) && CanShowCheck(lvRange)) item.SetSmallIcon(kCheckIcon);
    state.widest = std::max(state.widest, state.measure.Width(name) + kColumnPadding);
    return row.Last - row.First + 1;
}

// The first column grows to the widest name; it never narrows.
void WidenFirstColumn(Runtime::ListView& lvRange, int width)
{
    if (lvRange.ColumnHeaders().Count() == 0) return;
    Runtime::ColumnHeader& column = lvRange.ColumnHeaders()(1);
    if (column.Width() < width) column.SetWidth(width);
}

} // namespace

std::int32_t AddRangeRow(Runtime::ListView& lvRange, Runtime::ComboBox& cbRange, const RangeFilter& filter,
                         const Subrange& row)
{
    FillState state(lvRange);
    state.boxNames = BoxNames(cbRange);
    const std::int32_t added = AddListedRow(lvRange, cbRange, filter, row, state);
    if (added > 0) WidenFirstColumn(lvRange, state.widest);
    return added;
}

RangeListFill FillRangeList(Runtime::ListView& lvRange, Runtime::ComboBox& cbRange, const RangeFilter& filter)
{
    // A list view that redraws after every change takes milliseconds per
    // item (over ten under Wine); the lists are drawn once, when full.
    Runtime::NoRedraw quietList(lvRange.hWnd());
    Runtime::NoRedraw quietBox(cbRange.hWnd());
    cbRange.Clear();
    lvRange.ListItems().Clear();
    if (lvRange.ColumnHeaders().Count() > 0) lvRange.ColumnHeaders()(1).SetWidth(lvRange.Width());
    RangeListFill fill;
    FillState state(lvRange);
    for (const Subrange& row : SubrangeTable()) fill.ListedCount += AddListedRow(lvRange, cbRange, filter, row, state);
    WidenFirstColumn(lvRange, state.widest);
    fill.ScrollMax = TableScrollMax(fill.ListedCount);
    return fill;
}

std::int32_t SelectRangeItem(Runtime::ListItem& item, Runtime::ListView& lvFont, const InstalledFonts& fonts)
{
    Runtime::ListView& lvRange = item.Owner();
    const std::int32_t first = KeyNumber(item.Key()).value_or(0);

    item.EnsureVisible();
    if (item.Index() < lvRange.ListItems().Count()) {
        const int visibleBottom = lvRange.Height() - (GetSystemMetrics(SM_CYHSCROLL) + 6);
        if (item.Top() + item.Height() > visibleBottom || item.Top() < 0)
            lvRange.ListItems()(item.Index() + 1).EnsureVisible();
    }

    const int bit = FieldNumber(item.SubItems(1));
    const bool canCheck = CanShowCheck(lvFont);
    {
        // Held off rather than hidden: hiding the font list would take the
        // keyboard focus away from it.
        Runtime::NoRedraw quiet(lvFont.hWnd());
        for (const auto& font : lvFont.ListItems()) {
            const FontRecord* record = fonts.At(KeyNumber(font->Key()).value_or(-1));
            const bool covers = record && SubsetBitSet(record->UnicodeSubsets, bit);
            font->SetSmallIcon(covers && canCheck ? kCheckIcon : L"");
        }
    }

    lvRange.SetSelectedItem(&item);
    return first;
}

std::vector<ListedBlock> ListedBlocks(const Runtime::ListView& lvRange)
{
    std::vector<ListedBlock> blocks;
    blocks.reserve(static_cast<std::size_t>(lvRange.ListItems().Count()));
    for (const auto& item : lvRange.ListItems()) {
        if (std::optional<std::int32_t> first = KeyNumber(item->Key()))
            blocks.push_back({*first, FieldNumber(item->Tag)});
    }
    return blocks;
}

std::optional<std::int32_t> FindRangeIndex(std::int32_t code, const Runtime::ListView& lvRange)
{
    return FindRangeIndex(code, ListedBlocks(lvRange));
}

} // namespace CharData
