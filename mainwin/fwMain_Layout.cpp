// The arrangement of the two modes: compact (the table and the copy row) and
// expanded (font and block lists to the left, the options below, two status
// bars). All lengths are screen pixels. The window has one size per mode;
// the resize event puts it back whenever anything else changes it.
#include "mainwin/fwMain.h"

#include "common/Geometry.h"
#include "common/NumUtil.h"
#include "mainwin/StatusPanels.h"

namespace {

constexpr int kEdit = 22;         // E: the height of every one-line box
constexpr int kSideColumn = 361;  // what the expanded mode adds at the left

} // namespace

void fwMain::ArrangeControls()
{
    const int V = GetSystemMetrics(SM_CXVSCROLL);
    const int HS = GetSystemMetrics(SM_CYHSCROLL);
    const int E = kEdit;
    const int T = TextHeight(L"");
    const HeaderButton& hor0 = *bbFixHor[0];
    const HeaderButton& ver0 = *bbFixVer[0];
    const TableCell& cell0 = tlCell[0];

    pbFixHor.Move(ver0.Width(), 0, 16 * hor0.Width(), hor0.Height());
    pbFixVer.Move(0, hor0.Height(), ver0.Width(), 16 * ver0.Height());
    pbTable.Move(pbFixVer.Left() + pbFixVer.Width(), pbFixHor.Height(), 16 * (cell0.Width + 1),
                 16 * (cell0.Height + 1));
    sbTable.Move(pbTable.Left() + pbTable.Width() - 1, pbFixHor.Top(), V, pbTable.Height() + pbFixHor.Height());
    Common::SetSize(pbGrid, V + pbTable.Width() + pbFixVer.Width() + 4, pbFixVer.Height() + hor0.Height() + 4);
    Common::SetSize(bbFont, 72, 24);

    const bool expanded = chMode.Value() == 1;
    Runtime::Control* modeControls[] = {&lvFont,  &pbFont,   &bbFont,   &lvRange,   &bbRange,   &pbRange,   &chRange,
                                        &chOnTop, &tlPreview, &cbPreview, &chPreview, &fbSearch, &fbFormat, &fbPicture,
                                        &pbView,  &chView,   &bbReset,  &bbAbout,   &bbCharMap};
    for (Runtime::Control* control : modeControls) control->SetVisible(expanded);
    pbStatus[0]->SetVisible(expanded);
    pbStatus[1]->SetVisible(expanded);
    // The type arrow sits on a status bar: it goes with it. The sub-range
    // box lies under the block list; without the list it would stand alone
    // over the table.
    ShowTypeArrow();
    cbRange.SetVisible(expanded);

    if (!expanded) {
        pbGrid.Move(2, 1, pbGrid.Width(), pbGrid.Height());
        chMode.Move(pbGrid.Left() + 2, chMode.Top(), 120, 18);
        tlCopy.Move(chMode.Left() + chMode.Width(), 10, 50, chMode.Height());
        bbCopy.Move(pbGrid.Width() - bbFont.Width() - 2, tlCopy.Top() - 2, bbFont.Width(), bbFont.Height());
        tbCopy.Move(tlCopy.Left() + tlCopy.Width(), bbCopy.Top(),
                    bbCopy.Left() - tlCopy.Left() - tlCopy.Width() - 2 - 8, E);
    } else {
        // The side lists.
        lvFont.Move(0, 0, 180, pbFixVer.Height() + pbFixHor.Height() - bbFont.Height() + 2);
        pbFont.Move(lvFont.Left() + 3, 4, lvFont.Width() - sbTable.Width() - 6, hor0.Height() - 3);
        tlFont.Move(0, 0, pbFont.ScaleWidth(), pbFont.ScaleHeight());
        bbFont.Move(lvFont.Left() + 3, lvFont.Top() + lvFont.Height() + 3, bbFont.Width(), bbFont.Height());
        lvRange.Move(lvFont.Left() + lvFont.Width() + 1, lvFont.Top(), lvFont.Width(), lvFont.Height());
        ListHeaderWidth = lvFont.Width() - 6 - sbTable.Width();
        pbRange.Move(lvRange.Left() + 3, 4, ListHeaderWidth, hor0.Height() - 3);
        tlRange.Move(0, 0, 64, pbRange.ScaleHeight());
        Common::SetSize(chRange, 72, 18);
        chRange.Move(lvRange.Left() + 5, bbFont.Top(), chRange.Width(), chRange.Height());
        Common::SetSize(bbRange, V, HS);
        bbRange.Move(lvRange.Left() + lvRange.Width() - bbRange.Width() - 3,
                     lvRange.Top() + lvRange.Height() - bbRange.Height() - 3, bbRange.Width(), bbRange.Height());
        int rangeTop = bbRange.Top() - E - T * cbRange.ListRows() - 2;
        cbRange.Move(lvRange.Left(), rangeTop, lvRange.Width(), E);
        pbGrid.Move(lvRange.Left() + lvRange.Width() + 2, 1, pbGrid.Width(), pbGrid.Height());

        // The "Mode" panel takes what the table width leaves.
        SetStatusPanelWidths();
        pbStatus[0]->SetAlign(Runtime::StatusBar::AlignNone);
        pbStatus[0]->SetAlign(Runtime::StatusBar::AlignBottom);

        // The lower panel.
        const int rowHeight = chRange.Height();
        tlPreview.Move(lvFont.Left() + 4, 8, 90, rowHeight);
        cbPreview.Move(tlPreview.Left() + tlPreview.Width(), tlPreview.Top() - 2,
                       lvRange.Left() + lvRange.Width() - (tlPreview.Left() + tlPreview.Width()), E);
        chPreview.Move(pbGrid.Left() + 2, tlPreview.Top(), 120, rowHeight);
        tlCopy.Move(chPreview.Left() + chPreview.Width(), tlPreview.Top() + 2, 50, rowHeight);

        fbSearch.Move(lvFont.Left() + 2, tlPreview.Top() + tlPreview.Height() + 8, 160, 150);
        Runtime::OptionButton& s0 = *obSearch[0];
        s0.Move(6, 18, fbSearch.Width() - 54, rowHeight);
        tbGoTo.Move(s0.Left() + s0.Width(), s0.Top() - 2, 40, E);
        obSearch[1]->Move(s0.Left(), s0.Top() + rowHeight + 8, s0.Width(), rowHeight);
        tbSearch.Move(tbGoTo.Left(), obSearch[1]->Top() - 2, tbGoTo.Width(), E);
        obSearch[2]->Move(obSearch[1]->Left(), obSearch[1]->Top() + obSearch[1]->Height() + 8, 140, rowHeight);
        cbSearch.Move(obSearch[2]->Left(), obSearch[2]->Top() + obSearch[2]->Height() + 2,
                      tbGoTo.Width() + s0.Width(), E);
        bbSearch.Move(cbSearch.Left() + cbSearch.Width() - bbFont.Width(), cbSearch.Top() + E + 6, bbFont.Width(),
                      bbFont.Height());

        fbFormat.Move(fbSearch.Left() + fbSearch.Width() + 6, fbSearch.Top(), 274, fbSearch.Height());
        auto& f = obFormat;
        f[0]->Move(s0.Left(), s0.Top(), 84, s0.Height());
        const int oh = f[0]->Height();
        f[1]->Move(f[0]->Left(), f[0]->Top() + oh, f[0]->Width(), oh);
        f[2]->Move(f[0]->Left(), f[1]->Top() + oh, f[0]->Width(), oh);
        f[9]->Move(f[0]->Left(), f[2]->Top() + oh, f[0]->Width(), oh);
        f[3]->Move(f[0]->Left() + f[0]->Width(), f[0]->Top(), 94, oh);
        f[4]->Move(f[3]->Left(), f[3]->Top() + oh, f[3]->Width(), oh);
        f[5]->Move(f[3]->Left(), f[4]->Top() + oh, f[3]->Width(), oh);
        f[10]->Move(f[3]->Left(), f[5]->Top() + oh, f[3]->Width(), oh);
        f[6]->Move(f[3]->Left() + f[3]->Width(), f[0]->Top(), f[0]->Width(), oh);
        f[7]->Move(f[6]->Left(), f[6]->Top() + oh, f[0]->Width(), oh);
        f[8]->Move(f[0]->Left(), f[9]->Top() + oh + 2, f[0]->Width(), oh);
        cbCharSet.Move(f[8]->Left() + f[0]->Width(), f[9]->Top() + oh, 176, E);
        Common::SetSize(tlEntity, 13, 13);
        f[11]->Move(f[0]->Left(), f[8]->Top() + oh + 8, f[0]->Width() - tlEntity.Width(), oh);
        cbEntity.Move(f[11]->Left() + f[0]->Width(), cbCharSet.Top() + cbCharSet.Height() + 6, cbCharSet.Width(), E);
        tlEntity.Move(cbEntity.Left() - tlEntity.Width(), cbEntity.Top() + 4, tlEntity.Width(), tlEntity.Height());

        fbPicture.Move(fbFormat.Left() + fbFormat.Width() + 6, fbFormat.Top(), 128,
                       fbFormat.Top() + fbFormat.Height() - fbFormat.Top());
        tlPicture.Move(s0.Left(), s0.Top(), tlCopy.Width() - s0.Left(), rowHeight);
        cbPicture.Move(tlPicture.Left() + tlPicture.Width(), tlPicture.Top() - 2, 48, E);
        cbPicture.SetListWidth(34);
        tlPicture2.Move(cbPicture.Left() + cbPicture.Width() + 4, tlPicture.Top(), 24, tlPicture.Height());
        auto& p = chPicture;
        p[0]->Move(tlPicture.Left(), tlPicture.Top() + tlPicture.Height() + 8, tlPicture.Width(), tlPicture.Height());
        p[2]->Move(p[0]->Left() + p[0]->Width(), p[0]->Top(), 72, p[0]->Height());
        p[1]->Move(p[0]->Left(), p[0]->Top() + p[0]->Height() + 4, p[0]->Width(), p[0]->Height());
        p[3]->Move(p[1]->Left() + p[1]->Width(), p[1]->Top(), p[2]->Width(), p[1]->Height());
        bbPicture[1]->Move(tlPicture.Left(), bbSearch.Top() + fbSearch.Top() - fbPicture.Top(), bbSearch.Width(),
                           bbSearch.Height());
        bbPicture[0]->Move(tlPicture.Left(), bbPicture[1]->Top() - bbSearch.Height() - 6, bbSearch.Width(),
                           bbSearch.Height());

        int viewSize = fbPicture.Height() - 6 - rowHeight - 3;
        pbView.Move(fbPicture.Left() + fbPicture.Width() + 6, fbPicture.Top() + 5, viewSize, viewSize);
        tlView.Move(0, 0, pbView.ScaleWidth(), pbView.ScaleHeight());
        chView.Move(pbView.Left(), pbView.Top() + pbView.Height() + 3, pbView.Width(), rowHeight);
        int copyLeft = tlCopy.Left() + tlCopy.Width();
        tbCopy.Move(copyLeft, tlCopy.Top() - 2, pbView.Left() + pbView.Width() - copyLeft, E);
        bbCopy.Move(tbCopy.Left() + tbCopy.Width() + 10, tbCopy.Top(), bbSearch.Width(), bbSearch.Height());
        bbReset.Move(bbCopy.Left(), bbCopy.Top() + bbCopy.Height() + 6, bbSearch.Width(), bbSearch.Height());
        bbCharMap.Move(bbCopy.Left(), bbSearch.Top() + fbSearch.Top(), bbSearch.Width(), bbSearch.Height());
        bbAbout.Move(bbCopy.Left(), bbCharMap.Top() - bbCopy.Height() - 6, bbSearch.Width(), bbSearch.Height());
    }

    pbMain.Move(0, 0, pbGrid.Left() + pbGrid.Width() + 1, pbGrid.Top() + pbGrid.Height());
    pbDown.Move(pbMain.Left(), pbMain.Top() + pbMain.Height(), pbMain.Width(), 1 + fbSearch.Top() + fbSearch.Height());
}

void fwMain::SetStatusPanelWidths()
{
    Runtime::StatusBar& bar = *pbStatus[1];
    auto& panels = bar.Panels();
    StatusPanelNeeds needs;
    needs.CheckBoxGlyph = GetSystemMetrics(SM_CXMENUCHECK);
    needs.ModeText = TextWidth(L"Expanded Mode");
    needs.OnTopText = TextWidth(L"Always on Top");
    for (const wchar_t* key : {L"CAPS", L"SCRL", L"NUM", L"INS", L"KANA"}) needs.KeyTexts.push_back(TextWidth(key));
    StatusPanelWidths widths = ComputeStatusPanelWidths(pbGrid.Width(), needs);
    panels(3).SetWidth(widths.OnTop);
    for (int i = 0; i < static_cast<int>(widths.Keys.size()) && 4 + i <= panels.Count(); ++i)
        panels(4 + i).SetWidth(widths.Keys[i]);
    panels(2).SetWidth(widths.Mode);
}

void fwMain::Form_Resize()
{
    if (LayoutBusy > 0) return;
    const int tx = Runtime::TwipsPerPixelX(), ty = Runtime::TwipsPerPixelY();
    const int state = WindowState();
    ++LayoutBusy;
    if (state == Runtime::StateNormal && FormPlacement.State != Runtime::StateNormal)
        Move(FormPlacement.Left / tx, FormPlacement.Top / ty, Width(), Height());
    --LayoutBusy;
    FormPlacement.State = state;
    if (state == Runtime::StateNormal) {
        FormPlacement.Left = Left() * tx;
        FormPlacement.Top = Top() * ty;
    }
    if (state != Runtime::StateNormal) return;

    ++LayoutBusy;
    Runtime::StatusBar& bar0 = *pbStatus[0];
    Runtime::StatusBar& bar1 = *pbStatus[1];
    Common::SetSize(*this, (Width() - ScaleWidth()) + pbMain.Width(),
                    (Height() - ScaleHeight()) + pbDown.Top() + pbDown.Height() +
                        bar0.Height() * Common::BoolToInt(bar0.Visible()) +
                        bar1.Height() * Common::BoolToInt(bar1.Visible()));
    --LayoutBusy;

    // The check boxes on the form stand over the panels and status bars.
    for (Runtime::Control* control : {static_cast<Runtime::Control*>(&chMode), static_cast<Runtime::Control*>(&chOnTop),
                                      static_cast<Runtime::Control*>(&pbType)})
        SetWindowPos(control->hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (chMode.Value() == 0) {
        chMode.SetTop(pbDown.Top() + tlCopy.Top() - 2);
        return;
    }
    const Runtime::Panel& type = bar0.Panels()(L"Type");
    pbType.Move(type.Left() + type.Width() - pbType.Width() - 1, bar0.Top() + 3, pbType.Width(), pbType.Height());
    const Runtime::Panel& mode = bar1.Panels()(L"Mode");
    chMode.Move(mode.Left() + 4, bar1.Top() + 3, mode.Width() - 5, bar1.Height() - 5);
    const Runtime::Panel& onTop = bar1.Panels()(L"OnTop");
    chOnTop.Move(onTop.Left() + 4, bar1.Top() + 3, onTop.Width() - 5, bar1.Height() - 5);
}

void fwMain::chMode_Click()
{
    if (EventsBusy > 0) return;
    ArrangeControls();
    const int delta = chMode.Value() == 0 ? kSideColumn : -kSideColumn;
    ++LayoutBusy;
    if (WindowState() == Runtime::StateNormal)
        Move(Left() + delta, Top(), Width(), Height());
    else
        // A minimised or maximised window keeps its place; the normal place
        // it returns to moves instead, so its right edge stays.
        FormPlacement.Left += delta * Runtime::TwipsPerPixelX();
    --LayoutBusy;
    Form_Resize();
    if (tbCopy.Enabled() && tbCopy.Visible()) tbCopy.SetFocus();
}
