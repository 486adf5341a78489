// Search by name words or by entity name, the search history, and the one
// go-to that the three search boxes end in.
#include "mainwin/fwMain.h"

#include <algorithm>
#include <cwchar>

#include "chardata/GoToTarget.h"
#include "chardata/NameSearch.h"
#include "chardata/RangeListView.h"
#include "common/ComboDropWidth.h"
#include "common/EditFields.h"
#include "common/EditKeys.h"
#include "common/ListHelpers.h"

namespace {

const wchar_t* const kSearchCaptions[] = {L"&Go to:", L"For &Symbol:", L"Search by &Name/Entity:"};
const wchar_t kSearchChars[] = L"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ&; ";
const wchar_t kSearchCaption[] = L"S&earch";
const wchar_t kNextCaption[] = L"N&ext (F3)";
constexpr int kHistoryLength = 20;

// Sets a flag for the life of a scope, also when a run-time error ends it.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

void ShowMessage(fwMain& form, const std::wstring& text)
{
    if (form.pbStatus.size() > 1) form.pbStatus[1]->Panels()(L"Message").SetText(text);
}

} // namespace

void fwMain::CreateSearchFrame()
{
    fbSearch.Create(2, 33, 160, 159, L"Search");
    for (const wchar_t* caption : kSearchCaptions) {
        const int index = static_cast<int>(obSearch.size());
        auto& option = *obSearch.emplace_back(std::make_unique<Runtime::OptionButton>(this, &fbSearch, L"obSearch", index));
        option.Create(6, 18, 106, 18, caption);
        option.GotFocus = [this, index] { obSearch_GotFocus(index); };
    }
    obSearch[0]->DblClick = [this] { obSearch_DblClick(0); };
    tbGoTo.Create(112, 16, 40, 22);
    tbGoTo.Change = [this] { tbGoTo_Change(); };
    tbGoTo.KeyPress = [this](int& key) { tbGoTo_KeyPress(key); };
    tbGoTo.GotFocus = [this] { obSearch[0]->SetValue(true); };
    tbGoTo.LostFocus = [this] { tbGoTo_LostFocus(); };
    tbSearch.Create(112, 42, 40, 22);
    tbSearch.Change = [this] { tbSearch_Change(); };
    tbSearch.KeyDown = [this](int& key, int shift) { tbSearch_KeyDown(key, shift); };
    tbSearch.GotFocus = [this] { obSearch[1]->SetValue(true); };
    tbSearch.LostFocus = [this] { tbSearch_LostFocus(); };
    cbSearch.Create(6, 90, 146);
    cbSearch.Change = [this] { cbSearch_Change(); };
    cbSearch.Click = [this] { cbSearch_Click(); };
    cbSearch.KeyDown = [this](int& key, int shift) { cbSearch_KeyDown(key, shift); };
    cbSearch.GotFocus = [this] { obSearch[2]->SetValue(true); };
    cbSearch.DropDown = [this] { Common::ComboDropWidth(cbSearch); };
    bbSearch.Create(80, 118, 72, 24, kSearchCaption);
    bbSearch.SetEnabled(false);
    bbSearch.Click = [this] { bbSearch_Click(); };
    // The Edit menu on a right click: tbGoTo (mouse down, after its reset)
    // with every item, tbSearch (mouse up) without Undo, both separators and
    // Select All, cbSearch (mouse up) with every item. EditPopupOpen is set
    // around the first two so that their lost-focus handlers keep the text.
    tbGoTo.MouseDown = [this](const Runtime::MouseArgs& args) {
        if (args.Button != Runtime::ButtonRight) return;
        // Set before the reset: disabling the box takes its focus away, and
        // its lost-focus handler would drop a number not yet confirmed.
        FlagScope open(EditPopupOpen);
        Common::ResetTextBox(tbGoTo);
        PopEditMenu(tbGoTo, false);
    };
    tbSearch.MouseUp = [this](const Runtime::MouseArgs& args) {
        if (args.Button != Runtime::ButtonRight) return;
        FlagScope open(EditPopupOpen);
        PopEditMenuFor(tbSearch, {&mEditUndo, &mEditSeparator1, &mEditSeparator2, &mEditSelectAll});
    };
    cbSearch.MouseUp = [this](const Runtime::MouseArgs& args) {
        if (args.Button == Runtime::ButtonRight) PopEditMenu(cbSearch, false);
    };
}

void fwMain::obSearch_GotFocus(int index)
{
    switch (index) {
    case 0: tbGoTo.SetFocus(); break;
    case 1: tbSearch.SetFocus(); break;
    case 2: cbSearch.SetFocus(); break;
    default: break;
    }
}

void fwMain::ClearSearch()
{
    GoToCode = 0;
    tbGoTo.SetText(L"");
    tbSearch.SetText(L"");
    cbSearch.SetText(L"");
}

void fwMain::GoToChar(std::int32_t code)
{
    GoToCode = code;
    const std::vector<CharData::ListedBlock> listed = CharData::ListedBlocks(lvRange);
    const std::optional<CharData::GoToTarget> target = CharData::FindGoToTarget(listed, code);
    if (target) {
        FlagScope busy(GoToBusy);
        lvRange_ItemClick(lvRange.ListItems().Find(CharData::RangeKey(listed[target->Row].First)));
        FillTable(target->Code);
        // The cell that holds the destination, wherever the fill put it: a
        // page pulled back at the end of a short list does not start its
        // rows where the code's row begins.
        const std::wstring tag = std::to_wstring(target->Code);
        int cell = CurrentCell;
        for (int i = 0; i < static_cast<int>(tlCell.size()); ++i) {
            if (tlCell[static_cast<std::size_t>(i)].Tag == tag) {
                cell = i;
                break;
            }
        }
        tlCell_Click(cell);
    }
    if (!target || !target->Listed) {
        wchar_t hex[16];
        std::swprintf(hex, 16, L"%04X", static_cast<unsigned>(GoToCode));
        ShowMessage(*this, L"Character " + std::wstring(hex) + L" not supported by selected font.");
    }
}

void fwMain::cbSearch_Change()
{
    if (Common::FilterChars(cbSearch, kSearchChars)) return;
    const std::wstring text = cbSearch.Text();
    if (text != PrevSearchText) cbSearch.Tag = PrevSearchText;
    bbSearch.SetEnabled(!text.empty());
    if (text.empty()) return;
    tbSearch.SetText(L"");
    tbGoTo.SetText(L"");
    SearchCursor = 0;
    bbSearch.SetCaption(kSearchCaption);
}

void fwMain::cbSearch_Click()
{
    const int index = cbSearch.ListIndex();
    if (index < 0) return;
    // The list changes its current row before the edit part shows its text.
    const std::wstring entry = cbSearch.List(index);
    if (index > 0) {
        cbSearch.RemoveItem(index);
        cbSearch.AddItem(entry, 0);
        cbSearch.SetListIndex(0);
    }
    if (cbSearch.Text() != entry)
        cbSearch.SetText(entry);
    else
        cbSearch_Change();
}

void fwMain::cbSearch_KeyDown(int& keyCode, int shift)
{
    if (!bbSearch.Enabled()) return;
    if (keyCode == VK_RETURN) {
        bbSearch.SetFocus();
        bbSearch_Click();
    }
    PrevSearchText = cbSearch.Text();
    if (Common::EditKeyCommand(keyCode, shift) == Common::EditUndo) UndoBoxText(cbSearch);
}

void fwMain::bbSearch_Click()
{
    const std::wstring text = cbSearch.Text();
    if (text.empty()) return;
    ShowMessage(*this, L"");
    const std::vector<CharData::ListedBlock> listed = CharData::ListedBlocks(lvRange);
    if (listed.empty()) {
        ShowMessage(*this, L"No character found.");
        return;
    }
    // Gaps between the listed blocks are searched too.
    const std::int32_t first = listed.front().First;
    const std::int32_t last = std::min(listed.back().Last, CharData::kCharCount - 1);

    if (text.front() == L'&') {
        const std::optional<std::wstring> name = CharData::EntitySearchName(text);
        if (!name) {
            ShowMessage(*this, L"Illegal entity syntax.");
            cbSearch.SetFocus();
            return;
        }
        if (!EntityNames) EntityNames.emplace(CharNames);
        const std::optional<std::int32_t> hit = EntityNames->Find(*name, first, last);
        if (hit) {
            bbSearch.SetEnabled(false);
            GoToChar(*hit);
        } else {
            ShowMessage(*this, L"No character found.");
        }
        FinishSearch(text, hit.has_value());
        return;
    }

    const bool fresh = SearchCursor == 0;
    if (fresh) SearchCursor = first;
    const std::optional<std::int32_t> hit =
        CharData::FindName(CharNames, CharData::NameQuery(text), SearchCursor, last);
    if (hit) {
        GoToChar(*hit);
        SearchCursor = *hit + 1;
        bbSearch.SetCaption(kNextCaption);
    } else if (fresh) {
        // A new search that finds nothing stays new, whatever the first
        // listed code point is.
        SearchCursor = 0;
        ShowMessage(*this, L"No character found.");
    } else {
        ShowMessage(*this, L"No more occurences.");
        bbSearch.SetCaption(kSearchCaption);
        bbSearch.SetEnabled(false);
        pbTable.SetFocus();
    }
    FinishSearch(text, hit.has_value());
}

// A text that found something enters the history at the top, once in any
// letter case; the history keeps the newest 20.
void fwMain::FinishSearch(const std::wstring& text, bool found)
{
    if (found && Common::ListFind(cbSearch, text, false, true) < 0) cbSearch.AddItem(text, 0);
    while (cbSearch.ListCount() > kHistoryLength) cbSearch.RemoveItem(cbSearch.ListCount() - 1);
}
