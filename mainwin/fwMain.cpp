// The main window's controls: created once, in their containers, before the
// load event places them. Positions given here are only initial; the
// arrangement (fwMain_Layout.cpp) sets every place.
#include "mainwin/fwMain.h"

#include "chardata/OutputForms.h"

namespace {

template <typename T>
T& AddMember(fwMain& form, std::vector<std::unique_ptr<T>>& array, Runtime::Control* container,
             const wchar_t* name)
{
    array.push_back(std::make_unique<T>(&form, container, name, static_cast<int>(array.size())));
    return *array.back();
}

const wchar_t* const kPictureCaptions[] = {L"Bol&d", L"&Italic", L"&Underline", L"Stri&keout"};

} // namespace

fwMain::fwMain() : Form(L"fwMain") {}

fwMain::~fwMain() = default;

void fwMain::CreateControls()
{
    KeyPreview = true;
    pbMain.SetBorderStyle(0);
    pbMain.Create(0, 0, 434, 400);
    pbDown.SetBorderStyle(0);
    pbDown.Create(0, 400, 434, 193);
    // The panels must not paint over the check boxes that stand on them.
    for (HWND panel : {pbMain.hWnd(), pbDown.hWnd()})
        SetWindowLongPtrW(panel, GWL_STYLE, GetWindowLongPtrW(panel, GWL_STYLE) | WS_CLIPSIBLINGS);

    // The side lists.
    lvFont.Create(0, 0, 180, 300);
    lvFont.ColumnHeaders().Add(L"Fonts:");
    pbFont.SetBorderStyle(0);
    pbFont.Create(3, 4, 150, 16);
    tlFont.Create(0, 0, 150, 16, L"Fonts:");
    bbFont.Create(3, 320, 72, 24, L"&Properties");
    lvRange.Create(181, 0, 180, 300);
    lvRange.ColumnHeaders().Add(L"Subranges:");
    lvRange.ColumnHeaders().Add(L"Bit", 0);
    pbRange.SetBorderStyle(0);
    pbRange.Create(184, 4, 150, 16);
    tlRange.Create(0, 0, 64, 16, L"Subranges:");
    chRange.Create(186, 320, 72, 18, L"&All");
    bbRange.Create(340, 280, 17, 17, L"");
    // Columns are set before the window is made: an owner-drawn box made
    // afterwards would be made twice.
    cbRange.SetColumnCount(2);
    cbRange.Create(181, 200, 180, Runtime::ComboBox::StyleDropDownList);

    // The table panel and its grid.
    pbGrid.Create(2, 1, 431, 395);
    pbFixHor.SetBorderStyle(0);
    pbFixHor.Create(42, 0, 368, 20);
    pbFixVer.SetBorderStyle(0);
    pbFixVer.Create(0, 20, 42, 368);
    pbTable.SetBorderStyle(0);
    pbTable.Create(42, 20, 368, 368);
    pbTable.Paint = [this] { PaintTable(); };
    sbTable.Create(409, 0, 17, 388);
    CreateTableGrid();

    // The lower panel.
    tlPreview.SetUseMnemonic(true);
    tlPreview.SetWordWrap(false);
    tlPreview.Create(4, 8, 90, 18, L"Clipboard Previe&w:");
    cbPreview.Create(94, 6, 267, Runtime::ComboBox::StyleDropDown);
    chPreview.Create(365, 8, 120, 18, L"Show with charse&t");
    tlCopy.SetUseMnemonic(true);
    tlCopy.SetWordWrap(false);
    tlCopy.Create(124, 10, 50, 18, L"To cop&y:");
    tbCopy.Create(174, 8, 173, 22);
    bbCopy.Create(357, 8, 72, 24, L"&Copy");

    CreateSearchFrame();

    fbFormat.Create(168, 33, 274, 159, L"Copy format");
    for (int i = 0; i < CharData::kOutputFormatCount; ++i) {
        auto& option = AddMember(*this, obFormat, &fbFormat, L"obFormat");
        option.Create(6, 18, 84, 18, std::wstring(CharData::OutputFormatCaption(i)));
        option.Click = [this, i] { obFormat_Click(i); };
    }
    cbCharSet.SetColumnCount(3);
    cbCharSet.SetColumnWidths(L";0;0");
    cbCharSet.Create(90, 90, 176, Runtime::ComboBox::StyleDropDownList);
    tlEntity.Create(77, 122, 13, 13);
    cbEntity.SetColumnCount(2); // the entity and its character
    cbEntity.Create(90, 118, 176, Runtime::ComboBox::StyleDropDownList);

    fbPicture.Create(448, 33, 128, 159, L"Picture");
    tlPicture.SetUseMnemonic(true);
    tlPicture.SetWordWrap(false);
    tlPicture.Create(6, 18, 44, 18, L"Si&ze:");
    cbPicture.Create(50, 16, 48);
    tlPicture2.Create(102, 18, 24, 18, L"pt");
    for (const wchar_t* caption : kPictureCaptions)
        AddMember(*this, chPicture, &fbPicture, L"chPicture").Create(6, 44, 44, 18, caption);
    AddMember(*this, bbPicture, &fbPicture, L"bbPicture").Create(6, 88, 72, 24, L"&ForeColor...");
    AddMember(*this, bbPicture, &fbPicture, L"bbPicture").Create(6, 118, 72, 24, L"&BackColor...");

    pbView.Create(582, 39, 123, 123);
    tlView.Create(0, 0, 121, 121);
    tlView.SetAlignment(Runtime::Label::AlignCenter);
    chView.Create(582, 165, 123, 18, L"&View Pattern");
    bbReset.Create(715, 38, 72, 24, L"&Reset");
    bbAbout.Create(715, 122, 72, 24, L"&About...");
    bbCharMap.Create(715, 152, 72, 24, L"&MS CharMap");

    // On the form, above the status bars.
    chMode.Create(4, 400, 120, 18, L"E&xpanded Mode");
    chMode.Click = [this] { chMode_Click(); };
    chOnTop.Create(130, 400, 72, 18, L"Always on T&op");
    pbType.SetBorderStyle(0);
    pbType.SetVisible(false);
    pbType.Create(701, 92, 16, 16);
    CreateStatusBars();
    WireStatusControls();

    // Helpers that stay out of sight, made hidden.
    pbCopy.SetVisible(false);
    pbCopy.Create(-100, -100, 32, 32);
    pbCheck.SetVisible(false);
    pbCheck.Create(-100, -100, 16, 16);
    CreateEmptyCellBoxes();
    tbAux.Create(-22, -22, 22, 22);
    // tbRTF is made when first copied through (RtfBox): loading the rich
    // edit library is a cost the window's start need not pay.

    WireSideLists();
    CreateCopyControls();
    WireTable();
    CreateEditMenu();
    CreateHelpControls();
}

void fwMain::CreateStatusBars()
{
    auto& bar0 = AddMember(*this, pbStatus, nullptr, L"pbStatus");
    bar0.Panels().Add(L"Hex", L"U+DDDD", 64);
    bar0.Panels().Add(L"Name", L"", 520);
    bar0.Panels().Add(L"Type", L"", 200);
    bar0.Create();
    auto& bar1 = AddMember(*this, pbStatus, nullptr, L"pbStatus");
    bar1.Panels().Add(L"Message", L"", 224);
    bar1.Panels().Add(L"Mode", L"", 176);
    bar1.Panels().Add(L"OnTop", L"", 70);
    for (int style : {Runtime::Panel::StyleCaps, Runtime::Panel::StyleScrl, Runtime::Panel::StyleNum,
                      Runtime::Panel::StyleIns, Runtime::Panel::StyleKana})
        bar1.Panels().Add(L"", L"", 70, style);
    bar1.Create();
}
