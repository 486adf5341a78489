#include "chardata/RangeListView.h"

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

// The width of `text` in the font of the list's form (the list's own font
// when it has no form), in pixels.
int TextWidthFor(const Runtime::Control& control, const std::wstring& text)
{
    if (const Runtime::Form* form = control.ParentForm()) return form->TextWidth(text);
    Runtime::ScopedGetDC dc(control.hWnd());
    Runtime::ScopedSelect font(dc.Get(), control.FontHandle());
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void AddToRangeBox(Runtime::ComboBox& cbRange, const std::wstring& name, const std::wstring& key)
{
    std::vector<std::wstring> names;
    names.reserve(static_cast<std::size_t>(cbRange.ListCount()));
    for (int i = 0; i < cbRange.ListCount(); ++i) names.push_back(cbRange.List(i));
    const int at = static_cast<int>(SortedPosition(names, name));
    cbRange.AddItem(name, at);
    cbRange.SetList(at, 1, key);
}

// A list-view number field (Tag, SubItems) as a 32-bit number.
std::int32_t FieldNumber(const std::wstring& text)
{
    const double value = Common::Val(text);
    if (!(value > -2147483648.0 && value < 2147483648.0)) return 0;
    return static_cast<std::int32_t>(value);
}

} // namespace

std::int32_t AddRangeRow(Runtime::ListView& lvRange, Runtime::ComboBox& cbRange, const RangeFilter& filter,
                         const Subrange& row)
{
    if (!RangeRowListed(filter, row)) return 0;
    const std::wstring key = RangeKey(row.First);
    const std::wstring name(row.Name);
    if (row.Name != kUndefinedSubrange) AddToRangeBox(cbRange, name, key);

    Runtime::ListItem& item = lvRange.ListItems().Add(0, key, name);
    item.Tag = std::to_wstring(row.Last);
    item.SetSubItems(1, std::to_wstring(row.Bit));
    if (RangeRowChecked(filter, row) && CanShowCheck(lvRange)) item.SetSmallIcon(kCheckIcon);

    if (lvRange.ColumnHeaders().Count() > 0) {
        Runtime::ColumnHeader& column = lvRange.ColumnHeaders()(1);
        const int width = TextWidthFor(lvRange, name) + kColumnPadding;
        if (column.Width() < width) column.SetWidth(width);
    }
    return row.Last - row.First + 1;
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
    for (const Subrange& row : SubrangeTable()) fill.ListedCount += AddRangeRow(lvRange, cbRange, filter, row);
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
