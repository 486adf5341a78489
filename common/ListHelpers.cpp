#include "common/ListHelpers.h"

#include "common/LeadingRun.h"
#include "common/TextCompare.h"
#include "common/Tokens.h"
#include "runtime/ComboBox.h"
#include "runtime/ListBox.h"
#include "runtime/ListView.h"

namespace Common {

namespace {

bool IsListKind(const Runtime::Control& control)
{
    const std::wstring kind = control.TypeName();
    return kind == L"ListBox" || kind == L"ComboBox";
}

// A line's level under `indent`, or -1 when it lies too deep and filling stops.
int LevelOf(const std::wstring& line, const std::optional<std::wstring>& indent, int previous)
{
    if (!indent) return 0;
    int level = indent->empty() ? 0 : LeadingRunCount(line, *indent) / static_cast<int>(indent->size());
    return level > previous + 1 ? -1 : level;
}

void AddLine(Runtime::Control& control, const std::wstring& line, const std::wstring& text)
{
    if (auto* list = dynamic_cast<Runtime::IList*>(&control); list && IsListKind(control)) {
        list->AddItem(line);
        return;
    }
    if (auto* view = dynamic_cast<Runtime::ListView*>(&control)) {
        std::wstring cell = GetLine(text, L"\t");
        Runtime::ListItem& item = view->ListItems().Add(0, L"", cell);
        int column = 1;
        const int columns = view->ColumnHeaders().Count();
        for (cell = GetToken(text); !cell.empty() && column < columns; cell = GetToken(text), ++column)
            item.SetSubItems(column, cell);
    }
}

bool Clear(Runtime::Control& control)
{
    if (auto* list = dynamic_cast<Runtime::IList*>(&control); list && IsListKind(control)) {
        list->Clear();
        return true;
    }
    if (auto* view = dynamic_cast<Runtime::ListView*>(&control)) {
        view->ListItems().Clear();
        return true;
    }
    return false;
}

} // namespace

int ListFind(Runtime::Control& control, const std::wstring& text, bool select, bool ignoreCase)
{
    const int compare = ignoreCase ? CompareText : CompareBinary;
    if (auto* list = dynamic_cast<Runtime::IList*>(&control); list && IsListKind(control)) {
        int found = -1;
        if (!text.empty()) {
            for (int i = 0; i < list->ListCount(); ++i)
                if (TextEqual(list->List(i), text, compare)) { found = i; break; }
        }
        if (select) list->SetListIndex(found);
        if (found >= 0) {
            if (auto* box = dynamic_cast<Runtime::ListBox*>(&control); box && box->MultiSelect() != 0)
                box->SetSelected(found, true);
        }
        return found;
    }
    if (auto* view = dynamic_cast<Runtime::ListView*>(&control)) {
        if (text.empty() || view->ListItems().Count() == 0) {
            if (select) view->SetSelectedItem(nullptr);
            return -1;
        }
        for (const auto& item : view->ListItems()) {
            if (TextEqual(item->Text(), text, compare)) {
                if (select) view->SetSelectedItem(item.get());
                return item->Index();
            }
        }
        return -1;
    }
    return -1;
}

void ListAddArray(Runtime::Control& control, const std::vector<std::wstring>& values)
{
    if (values.empty()) return;
    if (auto* combo = dynamic_cast<Runtime::ComboBox*>(&control)) {
        combo->AddItem(values[0]);
        for (size_t i = 1; i < values.size(); ++i)
            combo->SetList(combo->ListCount() - 1, static_cast<int>(i), values[i]);
        return;
    }
    if (auto* list = dynamic_cast<Runtime::IList*>(&control); list && IsListKind(control)) {
        list->AddItem(values[0]);
        return;
    }
    if (auto* view = dynamic_cast<Runtime::ListView*>(&control)) {
        Runtime::ListItem& item = view->ListItems().Add(0, L"", values[0]);
        for (size_t i = 1; i < values.size(); ++i) item.SetSubItems(static_cast<int>(i), values[i]);
    }
}

void FillListControl(Runtime::Control& control, const std::wstring& data, const std::wstring& rowSeparator,
                     const std::optional<std::wstring>& indent)
{
    if (!Clear(control)) return;
    // The lines are collected first: the list view splits each line into
    // columns with the same token cursor.
    std::vector<std::wstring> lines;
    for (std::wstring line = GetLine(data, rowSeparator); !line.empty() && line[0] != L'\0'; line = GetToken(data))
        lines.push_back(line);
    int previous = 0;
    for (const std::wstring& line : lines) {
        int level = LevelOf(line, indent, previous);
        if (level < 0) return;
        previous = level;
        std::wstring text = indent ? line.substr(static_cast<size_t>(level) * indent->size()) : line;
        AddLine(control, line, text);
    }
}

void FillListControl(Runtime::Control& control, const std::vector<std::wstring>& data,
                     const std::optional<std::wstring>& indent)
{
    if (!Clear(control)) return;
    int previous = 0;
    for (size_t i = 0; i + 1 < data.size(); ++i) {
        int level = LevelOf(data[i], indent, previous);
        if (level < 0) return;
        previous = level;
        if (auto* list = dynamic_cast<Runtime::IList*>(&control); list && IsListKind(control)) list->AddItem(data[i]);
        else if (auto* view = dynamic_cast<Runtime::ListView*>(&control)) view->ListItems().Add(0, L"", data[i]);
    }
}

int ListViewHeaderHeight(const Runtime::Control& control)
{
    const auto* view = dynamic_cast<const Runtime::ListView*>(&control);
    if (!view || !view->hWnd()) return 0;
    HWND header = GetWindow(view->hWnd(), GW_CHILD);
    RECT r{};
    if (!header || !GetWindowRect(header, &r)) return 0;
    return r.bottom - r.top;
}

} // namespace Common
