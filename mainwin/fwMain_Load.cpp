// Start-up of the main window, in a fixed order: system test, registration,
// paths, control set-up, character data, font list, saved options; and the
// one-time work of the first activation.
#include "mainwin/fwMain.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "chardata/CodePageList.h"
#include "chardata/NameFileText.h"
#include "chardata/OutputForms.h"
#include "common/Files.h"
#include "common/Ini.h"
#include "common/IniSection.h"
#include "common/ListHelpers.h"
#include "common/Registry.h"
#include "common/StatusBarHelpers.h"
#include "common/Version.h"
#include "mainwin/OnScreen.h"
#include "mainwin/OsVersion.h"
#include "mainwin/Settings.h"
#include "runtime/App.h"
#include "runtime/ErrorReport.h"
#include "runtime/MessageBox.h"

namespace {

const int kPictureSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

// One message for the name files that could not be written: the first
// one's error number, each file's error (its path and the system's reason),
// and what the run does instead.
void ReportUnwrittenFiles(std::initializer_list<const CharData::NameFileText*> files)
{
    int number = 0;
    std::string message;
    for (const CharData::NameFileText* file : files) {
        if (!file->WriteError) continue;
        if (number == 0) number = file->WriteError->Number();
        message += file->WriteError->what();
        message += "\r\n";
    }
    if (number == 0) return;
    message += "\r\nThe character names and entities built into the program are used for this run.";
    Runtime::ReportRunTimeError(number, message);
}

} // namespace

void fwMain::Form_Load()
{
    // 1. The system test: the NT platform, version 5 or later.
    OsVersion os = CurrentOsVersion();
    if (!OsVersionSupported(os)) {
        Runtime::MsgBox(L"This program cannot be run in your system.", MB_ICONHAND,
                        Runtime::App::VersionString(L"FileDescription"));
        NoSave = true;
        Unload();
        return;
    }
    // 2. Registration; a write that fails is not reported.
    RegisterProgram();
    // 3. Paths.
    const std::wstring base = Runtime::App::Path() + L"\\" + Runtime::App::EXEName();
    SettingsPath = base + L".dat";
    NamesPath = base + L".csv";
    EntitiesPath = base + L".ent";
    HelpPath = base + HelpFileExtension(os);
    // 4. The fonts folder, ending with "\".
    FontsFolder = Common::SpecialFolder(0x0014 /* CSIDL_FONTS */, hWnd());
    if (!FontsFolder.empty() && FontsFolder.back() != L'\\') FontsFolder += L'\\';
    // 5. Caption.
    SetCaption(Runtime::App::VersionString(L"FileDescription") + L" " + Common::AppVersion(-1));
    // 6. The cell panel shows the cells' help topic.
    pbTable.WhatsThisHelpID = tlCell[0].WhatsThisHelpID;
    // 7. The popup menus never show in a menu bar; helpers.
    HidePopupMenus();
    tlEntity.SetCaption(L"");
    tlPicture2.SetCaption(L"");
    pbGrid.SetBackColor(Runtime::ColorButtonFace);
    sbTable.SetLargeChange(16);
    // 8. Code pages.
    for (const auto& row : CharData::CodePageList)
        Common::ListAddArray(cbCharSet, {row.Name, std::to_wstring(row.CodePage), std::to_wstring(row.CharSet)});
    cbCharSet.SetListRows(cbCharSet.ListCount());
    cbCharSet.SetListIndex(Settings::ReadClamped(SettingsPath, L"fwMain", L"cbCharSet",
                                                 CharData::kDefaultCodePageRow, cbCharSet.ListCount() - 1));
    // 9. The window-hook control: hooked to the window, six messages.
    SubscribeHookMessages();
    // 10. The title-bar help area, where a fourth caption button would be:
    // left of the three, measured from the window's right edge with the
    // window width now (the area follows that edge, fwMain_Hook.cpp).
    CaptionButtonRect.right = GetSystemMetrics(SM_CXSIZE) - 2;
    CaptionButtonRect.bottom = GetSystemMetrics(SM_CYSIZE) - 4;
    CaptionButtonRect.top = GetSystemMetrics(SM_CXEDGE) + 3;
    CaptionButtonRect.left = Width() - (GetSystemMetrics(SM_CYEDGE) + 9 + 4 * CaptionButtonRect.right);
    CaptionButtonWidth = Width();
    // 11. Character Map.
    CharMapPath = Common::SearchPath(L"charmap.exe");
    bbCharMap.SetEnabled(!CharMapPath.empty());
    // 12. Placement.
    RestorePlacement();
    // 13 and 14. The grid exists; the mode, without its click handler.
    ++EventsBusy;
    chMode.SetValue(Settings::ReadFlag(SettingsPath, L"fwMain", L"chMode", 1));
    --EventsBusy;
    ArrangeControls();
    // 15. The drop arrow of the type panel.
    Runtime::FontSpec marlett;
    marlett.Name = L"Marlett";
    marlett.Size = 10;
    pbType.SetFont(marlett);
    pbType.SetCurrentX(1);
    pbType.SetCurrentY(1);
    pbType.Print(L"u");
    // 16. The empty-cell pictures.
    MakeEmptyCellPictures();
    // 17. The check mark of the lists.
    pbCheck.SetFont(marlett);
    pbCheck.SetAutoRedraw(true);
    pbCheck.SetBackColor(Runtime::ColorWindow);
    pbCheck.SetForeColor(Runtime::ColorGrayText);
    pbCheck.Print(L"a");
    ilCheck.SetMaskColor(pbCheck.BackColor());
    ilCheck.ListImages().Add(L"Check", pbCheck.ImageBitmap());
    lvFont.SetSmallIcons(&ilCheck);
    lvRange.SetSmallIcons(&ilCheck);
    // 18. Picture sizes.
    cbPicture.Clear();
    for (int size : kPictureSizes) cbPicture.AddItem(std::to_wstring(size));
    // 19. Name and entity files: written from the resources when missing,
    // never rewritten. One that cannot be written is read from its resource
    // for this run, and the user is told once which file and why.
    const CharData::NameFileText names = CharData::ReadNameFile(L"CSV", NamesPath);
    const CharData::NameFileText entities = CharData::ReadNameFile(L"ENT", EntitiesPath);
    ReportUnwrittenFiles({&names, &entities});
    // 20. Character data.
    CharNames.LoadCharNames(names.Text, entities.Text);
    InstalledFonts.ReadRegistryFonts(CharData::kFontTypeTrueType);
    // 21 and 22. The font list.
    FillFontList();
    ReadSettings();
    // 33. The saved font (it selects the saved block).
    SelectSavedFont();
    // 34.
    Form_Resize();
    KeepOnScreen();
    LoadFinished = true;
    FormLoaded = true;
}

void fwMain::RegisterProgram()
{
    const std::wstring folder = Runtime::App::Path();
    const std::wstring exe = Runtime::App::EXEName();
    const std::wstring own = L"SOFTWARE\\" + Runtime::App::VersionString(L"CompanyName") + L"\\" +
                             Runtime::App::Title();
    Common::RegWrite(HKEY_LOCAL_MACHINE, own, L"", folder);
    Common::RegWrite(HKEY_LOCAL_MACHINE, own, L"CurrentVersion", Common::AppVersion(0));
    const std::wstring appPath = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + exe + L".exe";
    Common::RegWrite(HKEY_LOCAL_MACHINE, appPath, L"", folder + L"\\" + exe + L".exe");
    Common::RegWrite(HKEY_LOCAL_MACHINE, appPath, L"Path", folder);
}

void fwMain::HidePopupMenus()
{
    mEdit.SetVisible(false);
    mType.SetVisible(false);
    mHelp.SetVisible(false);
}

void fwMain::RestorePlacement()
{
    Common::LoadFormPos(*this, FormPlacement, SettingsPath, L"fwMain_State");
    const int tx = Runtime::TwipsPerPixelX(), ty = Runtime::TwipsPerPixelY();
    RECT saved{FormPlacement.Left / tx, FormPlacement.Top / ty, FormPlacement.Left / tx + Width(),
               FormPlacement.Top / ty + Height()};
    PlacementWasOffScreen = OffEveryMonitor(saved);
    RECT shown = BringOntoMonitor(saved);
    FormPlacement.Left = shown.left * tx;
    FormPlacement.Top = shown.top * ty;
    if (WindowState() == Runtime::StateNormal) {
        ++LayoutBusy;
        Move(shown.left, shown.top, Width(), Height());
        --LayoutBusy;
    }
}

// A saved place that was off every monitor was brought back with the size
// the window had then; now that the mode has fixed the size, the whole
// window goes into the work area.
void fwMain::KeepOnScreen()
{
    if (!PlacementWasOffScreen || WindowState() != Runtime::StateNormal) return;
    RECT now{Left(), Top(), Left() + Width(), Top() + Height()};
    RECT fitted = FitIntoWorkArea(now);
    ++LayoutBusy;
    Move(fitted.left, fitted.top, Width(), Height());
    --LayoutBusy;
    FormPlacement.Left = fitted.left * Runtime::TwipsPerPixelX();
    FormPlacement.Top = fitted.top * Runtime::TwipsPerPixelY();
}

void fwMain::ReadSettings()
{
    const std::wstring& file = SettingsPath;
    // 23. Go-to mode: the toggle below ends in hexadecimal unless 0 was stored.
    GoToHex = Settings::ReadNumber(file, L"fwMain", L"bHexGoto", 1) == 0;
    obSearch_DblClick(0);
    // 24.
    StatusHex = Settings::ReadFlag(file, L"fwMain", L"bHexView", 1) == 1;
    // 25.
    ++EventsBusy;
    chRange.SetValue(Settings::ReadFlag(file, L"fwMain", L"chRange", 0));
    chView.SetValue(Settings::ReadFlag(file, L"fwMain", L"chView", 0));
    --EventsBusy;
    chOnTop.SetValue(Settings::ReadFlag(file, L"fwMain", L"chOnTop", 0));
    // 26. Search history.
    Common::IniReadSection(file, L"cbSearch_Search", cbSearch);
    // 27. Output form (its click sets CopyFormat).
    obFormat[Settings::ReadClamped(file, L"fwMain", L"obFormat", 0, static_cast<int>(obFormat.size()) - 1)]
        ->SetValue(true);
    // 28.
    chPreview.SetValue(Settings::ReadFlag(file, L"fwMain", L"chPreview", 0));
    // 29. Picture size, its own font size by default.
    ++EventsBusy;
    // Whole points: the box keeps digits only, so a fraction (its own font's
    // 8.25 points by default) would lose its point and read as 825.
    double size = std::round(Settings::ReadNumber(file, L"fwMain_Picture", L"cbPicture", cbPicture.Font().Size));
    cbPicture.SetText(Settings::NumberText(size));
    --EventsBusy;
    // 30.
    for (size_t i = 0; i < chPicture.size(); ++i)
        chPicture[i]->SetValue(Settings::ReadFlag(file, L"fwMain_Picture", L"chPicture" + std::to_wstring(i), 0));
    // 31. Picture colours.
    tlView.SetForeColor(Settings::ReadColor(file, L"fwMain_Picture", L"bbPicture0", 0));
    tlView.SetBackColor(Settings::ReadColor(file, L"fwMain_Picture", L"bbPicture1", 0xFFFFFF));
    pbCopy.SetForeColor(tlView.ForeColor());
    pbCopy.SetBackColor(tlView.BackColor());
    pbView.SetBackColor(tlView.BackColor());
    // 32. The saved block; a negative one is 0.
    BlockFirst = Settings::ReadNonNegative(file, L"fwMain", L"lvRange", 0);
}

void fwMain::SelectSavedFont()
{
    Common::ListFind(lvFont, Common::IniReadString(SettingsPath, L"fwMain", L"lvFont"), true, false);
    if (lvFont.ListItems().Count() > 0 && !lvFont.SelectedItem()) lvFont.SetSelectedItem(&lvFont.ListItems()(1));
    Runtime::ListItem* item = lvFont.SelectedItem();
    lvFont_ItemClick(item);
    if (!item) return;
    item->EnsureVisible();
    if (item->Index() < lvFont.ListItems().Count()) {
        int bottomLimit = lvFont.Height() - (GetSystemMetrics(SM_CYHSCROLL) + 6);
        if (item->Top() < 0 || item->Top() + item->Height() > bottomLimit)
            lvFont.ListItems()(item->Index() + 1).EnsureVisible();
    }
}

void fwMain::Form_Activate()
{
    if (!FormLoaded) return;
    FormLoaded = false;
    StatusBarHandles[0] = Common::StatusBarHandle(*pbStatus[0]);
    StatusBarHandles[1] = Common::StatusBarHandle(*pbStatus[1]);
    if (lvFont.Visible()) {
        lvFont.SetVisible(false);
        lvFont.SetVisible(true);
    }
    if (lvFont.Enabled() && lvFont.Visible()) lvFont.SetFocus();
    // The current cell is drawn as selected without the focus.
    pbTable_LostFocus();
}
