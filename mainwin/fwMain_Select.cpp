// Cell selection and the details of the selected character: the code and
// name panels, the type classes, the large view with its glyph pattern, the
// entity box and the output options that depend on the character; and the
// double click that appends the character to the copy box.
#include "mainwin/fwMain.h"

#include "chardata/OutputForms.h"
#include "chardata/RangeListView.h"
#include "common/IconPicture.h"
#include "runtime/NoRedraw.h"

namespace {

// CT_CTYPE3 classes that get the nonspacing-mark pattern.
constexpr std::uint32_t kMarkTypes = C3_NONSPACING | C3_DIACRITIC | C3_VOWELMARK;

} // namespace

void fwMain::tlCell_Click(int index)
{
    if (EventsBusy > 0) return;
    if (index < 0 || index >= static_cast<int>(tlCell.size())) return;
    if (CellCode(index) != CellCode(CurrentCell) && !GoToBusy) ClearSearch();
    PaintCell(CurrentCell, 0);
    CurrentCell = index;
    PaintCell(CurrentCell, 1);
    // A cell the page does not reach holds no character: it has no details.
    const TableCell& cell = tlCell[CurrentCell];
    if (!cell.HasCode) return;
    // The status bar repaints once, not at each panel.
    Runtime::NoRedraw quietStatus(pbStatus[0]->hWnd());

    const std::int32_t code = CellCode(CurrentCell);
    // The block list follows the selection onto the next block of a page.
    if (auto block = CharData::FindRangeIndex(code, lvRange); block && *block != BlockFirst) SelectBlock(*block);

    Runtime::StatusBar& bar = *pbStatus[0];
    ShowCodePanel();
    bar.Panels()(L"Name").SetText(std::wstring(CharNames.GetCharName(code)));
    if (!ProgramSelect) pbStatus[1]->Panels()(L"Message").SetText(L"");

    // The large view, and the glyph's overhang on either side.
    tlView.SetCaption(cell.Caption);
    std::uint32_t types = 0;
    ABC widths{};
    if (!cell.Caption.empty()) {
        if (HDC dc = pbView.hDC()) GetCharABCWidthsW(dc, static_cast<UINT>(code), static_cast<UINT>(code), &widths);
        types = ShowCharType(code);
    } else {
        // No classes of an earlier character stay.
        for (auto& item : mTypeList) item->SetCaption(L"");
        bar.Panels()(L"Type").SetText(L"");
        ShowTypeArrow();
    }
    // The glyph pattern: one for marks, another for glyphs that overhang
    // their cell on either side.
    const int pattern = (types & kMarkTypes) ? 2 : (widths.abcA < 0 || widths.abcC < 0) ? 1 : 0;
    if (pattern != 0) ShowPattern(pattern);
    chView.SetEnabled(pattern != 0);
    chView_Click();
    if (widths.abcA < 0) tlView.SetCaption(L" " + cell.Caption);
    if (widths.abcC < 0) tlView.SetCaption(cell.Caption + L" ");

    ShowEntities(code);
    obFormat[static_cast<int>(CharData::OutputFormat::Picture)]->SetEnabled(!tlView.Caption().empty());
    const bool pictureGone = CopyFormat == static_cast<int>(CharData::OutputFormat::Picture) &&
                             !obFormat[static_cast<int>(CharData::OutputFormat::Picture)]->Enabled();
    const bool entityGone = CopyFormat == static_cast<int>(CharData::OutputFormat::SGML) &&
                            !obFormat[static_cast<int>(CharData::OutputFormat::SGML)]->Enabled();
    if (pictureGone || entityGone) obFormat[0]->SetValue(true);
    obFormat_Click(CopyFormat);
    bbReset.SetEnabled(true);

    // A user's selection takes the focus to the table; the table's own
    // got-focus handler must not select the cell again.
    if (pbTable.Visible() && pbTable.Enabled() && !ProgramSelect && !pbTable.HasFocus()) {
        FocusSelectSkip = true;
        pbTable.SetFocus();
        FocusSelectSkip = false;
    }
}

// The pattern picture pbModel(model) over the large view, its white
// transparent.
void fwMain::ShowPattern(int model)
{
    if (model >= static_cast<int>(pbModel.size())) return;
    Runtime::PictureBox& box = *pbModel[model];
    Runtime::ComPtr<IPicture> picture =
        Common::BitmapToPicture(box.hDC(), box.ScaleWidth(), box.ScaleHeight(), RGB(255, 255, 255));
    ibView.SetPicture(Runtime::Picture::FromIPicture(picture.Get()));
}

// The entity names of the character, "&name;" one per row in the order of
// the entity file, the first selected; "ie" marks an entity of the HTML 4
// set. "SGML:" is offered only for a character that has one.
void fwMain::ShowEntities(std::int32_t code)
{
    const CharData::CharRecord record = CharNames.Record(code);
    auto& sgml = *obFormat[static_cast<int>(CharData::OutputFormat::SGML)];
    sgml.SetEnabled(!record.Entity.empty());
    tlEntity.SetCaption(L"");
    cbEntity.Clear();
    if (sgml.Enabled()) {
        std::wstring_view rest = record.Entity;
        while (true) {
            std::size_t comma = rest.find(L',');
            cbEntity.AddItem(L"&" + std::wstring(rest.substr(0, comma)) + L";");
            if (comma == std::wstring_view::npos) break;
            rest.remove_prefix(comma + 1);
        }
        cbEntity.SetListIndex(0);
        if (record.IE == 1) {
            cbEntity.SetList(0, 1, L"ie");
            tlEntity.SetCaption(L"ie");
        }
    }
    cbEntity.SetShowDropButton(cbEntity.ListCount() > 1);
}

void fwMain::tlCell_DblClick(int index)
{
    // A double click on a cell that holds no character adds nothing, and
    // neither does one while the current cell holds none.
    if (index < 0 || index >= static_cast<int>(tlCell.size()) || !tlCell[index].HasCode) return;
    if (!tlCell[CurrentCell].HasCode) return;
    CopyNotTyped = true;
    tbCopy.SetText(tbCopy.Text() + std::wstring(1, static_cast<wchar_t>(CellCode(CurrentCell))));
    tlCell_Click(CurrentCell);
}
