#pragma once
// The main window: the program's start-up object. One class split over
// files by responsibility: the controls (fwMain.cpp), start-up
// (fwMain_Load.cpp), shutdown (fwMain_Unload.cpp), the arrangement of the
// two modes (fwMain_Layout.cpp), the font list (fwMain_FontList.cpp) and
// the block list (fwMain_RangeList.cpp).
#include <windows.h>

#include <array>
#include <initializer_list>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chardata/CharNameTable.h"
#include "chardata/ClipboardWriter.h"
#include "chardata/EntitySearch.h"
#include "chardata/OutputForms.h"
#include "chardata/FontGlyphSet.h"
#include "chardata/InstalledFonts.h"
#include "common/FormPlacement.h"
#include "runtime/Buttons.h"
#include "runtime/ColorDialog.h"
#include "runtime/ComboBox.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/HostedControl.h"
#include "runtime/Image.h"
#include "runtime/ImageList.h"
#include "runtime/Label.h"
#include "runtime/ListView.h"
#include "runtime/Menu.h"
#include "runtime/PictureBox.h"
#include "runtime/RichTextBox.h"
#include "runtime/ScrollBar.h"
#include "runtime/StatusBar.h"
#include "runtime/TextBox.h"
#include "runtime/TextDrop.h"
#include "runtime/Timer.h"
#include "mainwin/CellPanel.h"
#include "mainwin/HeaderButton.h"
#include "mainwin/SentHelpInfo.h"

// One cell of the character table: drawn by the cell panel pbTable, so it
// has no window of its own, only its place, its code point, its caption and
// how it is painted.
struct TableCell {
    std::wstring Tag;      // the cell's code point as decimal text ("0" when it shows nothing)
    bool HasCode = false;  // the page reaches the cell: Tag is a code point, not the "0" of an empty cell
    std::wstring Caption;
    int Picture = -1;      // the empty-cell picture it shows (0 or 1), -1 none
    Runtime::OleColor BackColor = Runtime::ColorWindow;
    Runtime::OleColor ForeColor = Runtime::ColorWindowText;
    int Left = 0, Top = 0, Width = 0, Height = 0;
    long WhatsThisHelpID = 105; // the table's help topic, the same for every cell
};

// A separator line of the table, in the one-pixel gap under its row.
struct TableLine {
    bool Visible = false;
    int Top = 0;           // pixels in pbTable
};

class fwMain : public Runtime::Form {
public:
    fwMain();
    ~fwMain() override;

    // --- controls on the form ---
    Runtime::PictureBox pbMain{this, nullptr, L"pbMain"};
    Runtime::PictureBox pbDown{this, nullptr, L"pbDown"};
    Runtime::CheckBox chOnTop{this, nullptr, L"chOnTop"};
    Runtime::CheckBox chMode{this, nullptr, L"chMode"};
    Runtime::PictureBox pbType{this, nullptr, L"pbType"};
    std::vector<std::unique_ptr<Runtime::StatusBar>> pbStatus;

    // --- in pbMain: the side lists and the table ---
    Runtime::ListView lvFont{this, &pbMain, L"lvFont"};
    Runtime::PictureBox pbFont{this, &pbMain, L"pbFont"};
    Runtime::Label tlFont{this, &pbFont, L"tlFont"};
    Runtime::CommandButton bbFont{this, &pbMain, L"bbFont"};
    Runtime::ListView lvRange{this, &pbMain, L"lvRange"};
    Runtime::PictureBox pbRange{this, &pbMain, L"pbRange"};
    Runtime::Label tlRange{this, &pbRange, L"tlRange"};
    Runtime::CheckBox chRange{this, &pbMain, L"chRange"};
    Runtime::CommandButton bbRange{this, &pbMain, L"bbRange"};
    Runtime::ComboBox cbRange{this, &pbMain, L"cbRange"};
    Runtime::PictureBox pbGrid{this, &pbMain, L"pbGrid"};
    Runtime::PictureBox pbFixHor{this, &pbGrid, L"pbFixHor"};
    Runtime::PictureBox pbFixVer{this, &pbGrid, L"pbFixVer"};
    CellPanel pbTable{this, &pbGrid, L"pbTable"};
    Runtime::ScrollBar sbTable{this, &pbGrid, L"sbTable"};
    std::vector<std::unique_ptr<HeaderButton>> bbFixHor, bbFixVer;
    std::array<TableCell, 256> tlCell;
    // The two empty-cell pictures (fwMain_EmptyCells.cpp): (0) over the
    // window and highlight colours, (1) over the button face.
    std::array<Runtime::Picture, 2> ibEmpty;
    std::array<TableLine, 16> loTable;

    // --- in pbDown: preview, copy row, frames, view, buttons ---
    Runtime::Label tlPreview{this, &pbDown, L"tlPreview"};
    Runtime::ComboBox cbPreview{this, &pbDown, L"cbPreview"};
    Runtime::CheckBox chPreview{this, &pbDown, L"chPreview"};
    Runtime::Label tlCopy{this, &pbDown, L"tlCopy"};
    Runtime::TextBox tbCopy{this, &pbDown, L"tbCopy"};
    Runtime::CommandButton bbCopy{this, &pbDown, L"bbCopy"};
    Runtime::Frame fbSearch{this, &pbDown, L"fbSearch"};
    std::vector<std::unique_ptr<Runtime::OptionButton>> obSearch;
    Runtime::TextBox tbGoTo{this, &fbSearch, L"tbGoTo"};
    Runtime::TextBox tbSearch{this, &fbSearch, L"tbSearch"};
    Runtime::ComboBox cbSearch{this, &fbSearch, L"cbSearch"};
    Runtime::CommandButton bbSearch{this, &fbSearch, L"bbSearch"};
    Runtime::Frame fbFormat{this, &pbDown, L"fbFormat"};
    std::vector<std::unique_ptr<Runtime::OptionButton>> obFormat;
    Runtime::ComboBox cbCharSet{this, &fbFormat, L"cbCharSet"};
    Runtime::Label tlEntity{this, &fbFormat, L"tlEntity"};
    Runtime::ComboBox cbEntity{this, &fbFormat, L"cbEntity"};
    Runtime::Frame fbPicture{this, &pbDown, L"fbPicture"};
    Runtime::Label tlPicture{this, &fbPicture, L"tlPicture"};
    Runtime::ComboBox cbPicture{this, &fbPicture, L"cbPicture"};
    Runtime::Label tlPicture2{this, &fbPicture, L"tlPicture2"};
    std::vector<std::unique_ptr<Runtime::CheckBox>> chPicture;
    std::vector<std::unique_ptr<Runtime::CommandButton>> bbPicture;
    Runtime::PictureBox pbView{this, &pbDown, L"pbView"};
    Runtime::Label tlView{this, &pbView, L"tlView"};
    Runtime::CheckBox chView{this, &pbDown, L"chView"};
    Runtime::CommandButton bbReset{this, &pbDown, L"bbReset"};
    Runtime::CommandButton bbAbout{this, &pbDown, L"bbAbout"};
    Runtime::CommandButton bbCharMap{this, &pbDown, L"bbCharMap"};

    // --- helpers the user never sees ---
    Runtime::PictureBox pbCopy{this, nullptr, L"pbCopy"};
    Runtime::PictureBox pbCheck{this, nullptr, L"pbCheck"};
    std::vector<std::unique_ptr<Runtime::PictureBox>> pbEmpty;
    Runtime::TextBox tbAux{this, nullptr, L"tbAux"};
    Runtime::RichTextBox tbRTF{this, nullptr, L"tbRTF"};
    // tbRTF, its window made on first use (fwMain_Copy.cpp).
    Runtime::RichTextBox& RtfBox();
    Runtime::ImageList ilCheck{this, nullptr, L"ilCheck"};

    // --- state (none of it persisted except through the settings file) ---
    bool NoSave = false;
    bool FormLoaded = false;
    // Start-up ran to its end. A start-up that stopped part-way has read
    // only part of the settings, and writes none of them back.
    bool LoadFinished = false;
    std::wstring SettingsPath, NamesPath, EntitiesPath, HelpPath, FontsFolder, CharMapPath;
    RECT CaptionButtonRect{};            // left, top, width, height in pixels
    Common::FormPlacement FormPlacement; // twips
    std::array<HWND, 2> StatusBarHandles{};
    int LayoutBusy = 0;
    int EventsBusy = 0;
    bool ProgramSelect = false;
    bool GoToHex = true;
    bool StatusHex = true;
    int CopyFormat = 0;
    std::int32_t BlockFirst = 0;
    std::int32_t ListedCount = 0;
    int CurrentCell = 0;
    int ListHeaderWidth = 0;            // pixels
    int ViewFontSize = 0;
    std::wstring FontSubsetBits;
    CharData::FontGlyphSet FontGlyphSet;
    CharData::InstalledFonts InstalledFonts;
    CharData::CharNameTable CharNames;
    bool PlacementWasOffScreen = false;
    int HeaderHeight = 0;                // H: the block list's column-header height
    bool FocusSelectSkip = false;        // a user's cell click already selected the cell
    bool GoToBusy = false;               // a go-to is running
    std::int32_t GoToCode = 0;           // the code point of the last go-to request
    std::int32_t TableScrollValue = 0;   // sbTable's value as last set by the program; -1 while dragged
    bool CopyNotTyped = false;           // the next change of tbCopy / cbSearch is not typed
    int SearchCursor = 0;

    // The events and routines of the window.
    void ArrangeControls();
    void chMode_Click();
    void chRange_Click();
    void lvFont_ItemClick(Runtime::ListItem* item);
    void lvRange_ItemClick(Runtime::ListItem* item);
    void cbRange_Click();
    // The side lists' keys, right clicks and the sub-range box's drop
    // button (fwMain_FontList.cpp, fwMain_RangeList.cpp, fwMain_ListControls.cpp).
    void lvFont_MouseDown(const Runtime::MouseArgs& args);
    void lvFont_KeyDown(int& keyCode, int shift);
    void lvRange_MouseDown(const Runtime::MouseArgs& args);
    void lvRange_KeyDown(int& keyCode, int shift);
    void bbRange_MouseUp(const Runtime::MouseArgs& args);
    void cbRange_DropButtonClick();
    void obSearch_DblClick(int index);
    void SetStatusPanelWidths();

    // The character table: page, cells, selection, navigation (fwMain_Table*.cpp).
    void FillTable(std::int32_t first);
    void tlCell_Click(int index);
    void tlCell_DblClick(int index);
    // Paints a cell: 0 not selected, 1 selected with the focus, 2 selected
    // without it; any other state does nothing.
    void PaintCell(int index, int state);
    // The code point in a cell's Tag (0 for an empty cell).
    std::int32_t CellCode(int index) const;
    // The last cell the page reaches (255 unless the list is short).
    int LastCodeCell() const;
    // The font the cells are drawn in (null before the first paint).
    HFONT CellFontHandle() const noexcept { return CellFont.Get(); }
    void pbTable_GotFocus();
    void pbTable_LostFocus();
    void pbTable_KeyDown(int keyCode, int shift);
    void sbTable_Scroll();
    void sbTable_Change();
    // The first code point of a run of `count` listed code points ending at
    // fromCode in the block at list position `item` (1-based; fromCode 0 =
    // that block's last); with `fill` the page is filled from it.
    std::int32_t PageStartBefore(int item, std::int32_t fromCode, int count, bool fill);
    bool ScrollRowUp();
    bool ScrollRowDown();
    void PageUp();
    void PageDown();
    void ScrollToChar(std::int32_t code);
    void SyncScrollBar();

    // Status bars, type menu and the buttons beside them (fwMain_Status.cpp,
    // fwMain_CharMap.cpp). The type menu's items 1, 2 and 3 are mTypeList[0],
    // [1] and [2] (their Index is 1, 2 and 3).
    Runtime::Menu mType{this, nullptr, L"mType", -1, L"&Type"};
    std::vector<std::unique_ptr<Runtime::Menu>> mTypeList;
    Runtime::TimerControl toMSCharMap{this, nullptr, L"toMSCharMap"};
    DWORD LastTypeMenuClose = 0;         // tick count when the type menu last closed
    // Shows the character's type classes in the type menu and the "Type"
    // panel; returns its CT_CTYPE3 word.
    std::uint32_t ShowCharType(std::int32_t code);
    // Writes the current cell's code into the "Hex" panel, as StatusHex says.
    void ShowCodePanel();
    void pbStatus_PanelDblClick(int index, Runtime::Panel& panel);
    void pbStatus_MouseDown(int index, const Runtime::MouseArgs& args);
    void pbType_MouseDown(int button, int shift, int x, int y);
    void pbType_KeyDown(int& keyCode, int shift);
    void chOnTop_Click();
    void bbFont_Click();
    void bbAbout_Click();
    void bbCharMap_Click();
    void toMSCharMap_Timer();

    // Search by name, entity or symbol, and go-to (fwMain_Search.cpp,
    // fwMain_GoTo.cpp, fwMain_Symbol.cpp).
    void ClearSearch();
    void GoToChar(std::int32_t code);
    void bbSearch_Click();
    void cbSearch_Change();
    void cbSearch_Click();
    void cbSearch_KeyDown(int& keyCode, int shift);
    void tbGoTo_Change();
    void tbGoTo_KeyPress(int& keyAscii);
    void tbGoTo_LostFocus();
    void tbSearch_KeyDown(int& keyCode, int shift);
    void tbSearch_Change();
    void tbSearch_LostFocus();
    void obSearch_GotFocus(int index);
    bool EditPopupOpen = false;          // the Edit menu is open over tbGoTo or tbSearch
    std::wstring PrevSearchText;         // cbSearch's text when its last key went down
    std::optional<CharData::EntityIndex> EntityNames; // made at the first entity search

    // Copy box, preview, Copy button and the output options (fwMain_Copy.cpp,
    // fwMain_Options.cpp, fwMain_Picture.cpp, fwMain_Pattern.cpp).
    void obFormat_Click(int index);
    void chView_Click();

    // The glyph pattern: pbModel(0) holds the 16 x 16 pattern, (1) and (2)
    // its copies at the size of the view font; ibView shows one over the view.
    std::vector<std::unique_ptr<Runtime::PictureBox>> pbModel;
    Runtime::Image ibView{this, &pbView, L"ibView"};
    Runtime::ColorDialog MSWinDialog{this, nullptr, L"MSWinDialog"};
    Runtime::TextDrop tbCopyDrop; // text dropped on the copy box
    // The undo texts: each box keeps its own (text when its last key went down).
    std::wstring PrevCopyText;    // tbCopy
    std::wstring PrevPictureText; // cbPicture

    void tbCopy_KeyDown(int& keyCode, int shift);
    void tbCopy_BeforeDropOrPaste();
    void tbCopy_Change();
    void tbCopy_MouseUp(const Runtime::MouseArgs& args);
    void bbReset_Click();
    void cbPreview_DropButtonClick();
    void cbPreview_MouseUp(const Runtime::MouseArgs& args);
    void cbPreview_KeyDown(int& keyCode, int shift);
    void cbPreview_Click();
    void chPreview_Click();
    void bbCopy_Click();
    void UpdatePreview();
    std::string FormatCopyText();
    void cbCharSet_DropButtonClick();
    void cbCharSet_Click();
    void cbEntity_DropButtonClick();
    void cbEntity_MouseUp(const Runtime::MouseArgs& args);
    void cbEntity_KeyDown(int& keyCode, int shift);
    void cbEntity_Click();
    void cbPicture_MouseUp(const Runtime::MouseArgs& args);
    void cbPicture_KeyDown(int& keyCode, int shift);
    void cbPicture_Change();
    void chPicture_Click(int index);
    void bbPicture_Click(int index);
    void ReplacePictureColor(Runtime::PictureBox& box);
    // Pops the Edit menu up for a box; a read-only box offers only Copy,
    // Select All and the second separator.
    void PopEditMenu(Runtime::Control& box, bool readOnly);
    // The Edit menu's Undo for a box that keeps its undo text in its Tag:
    // swaps Tag and text, the caret staying where it was.
    void UndoBoxText(Runtime::Control& box);

    // Keyboard shortcuts, the Edit menu and context help (fwMain_Keys.cpp,
    // fwMain_EditMenu.cpp, fwMain_EditPlace.cpp, fwMain_Help.cpp,
    // fwMain_HelpControls.cpp). The Edit menu acts on the control that has
    // the focus; the help popup offers "What's This?" for a control's topic.
    Runtime::Menu mEdit{this, nullptr, L"mEdit", -1, L"&Edit"};
    Runtime::Menu mEditUndo{this, &mEdit, L"mEditUndo", -1, L"&Undo"};
    Runtime::Menu mEditSeparator1{this, &mEdit, L"mEditSeparator1", -1, L"-"};
    Runtime::Menu mEditCut{this, &mEdit, L"mEditCut", -1, L"Cu&t"};
    Runtime::Menu mEditCopy{this, &mEdit, L"mEditCopy", -1, L"&Copy"};
    Runtime::Menu mEditPaste{this, &mEdit, L"mEditPaste", -1, L"&Paste"};
    Runtime::Menu mEditDelete{this, &mEdit, L"mEditDelete", -1, L"&Delete"};
    Runtime::Menu mEditSeparator2{this, &mEdit, L"mEditSeparator2", -1, L"-"};
    Runtime::Menu mEditSelectAll{this, &mEdit, L"mEditSelectAll", -1, L"Select &All"};
    Runtime::Menu mHelp{this, nullptr, L"mHelp", -1, L"&Help"};
    Runtime::Menu mHelpWhatsThis{this, &mHelp, L"mHelpWhatsThis", -1, L"&What's This?"};
    Runtime::PictureBox pbAux{this, nullptr, L"pbAux"}; // shows any help topic by number
    // Shows, hides, enables and disables the Edit menu's items for the
    // control that has the focus; `full` for text and combo boxes, false
    // for the side lists (Copy only). It does not pop the menu up.
    void ShowEditPopup(bool full);
    void mEditUndo_Click();
    void mEditCut_Click();
    void mEditCopy_Click();
    void mEditPaste_Click();
    void mEditDelete_Click();
    void mEditSelectAll_Click();
    // Offers "What's This?" for the control's help topic at the pointer.
    void ShowHelpPopup(Runtime::Control& control);
    void mHelpWhatsThis_Click();
    // The text of a topic of the program's own help (empty for none).
    static std::wstring BuiltInHelpText(long helpId);
    // The form's control that has the focus (a combo box for its edit
    // part), or null.
    Runtime::Control* ActiveControl() const;

    // The window-hook control, hooked to the window itself, and the six
    // messages it hands over (fwMain_Hook.cpp): the title bar's help area
    // (CaptionButtonRect) that starts What's This mode, the normal position
    // kept in FormPlacement, What's This help for menu items and status-bar
    // panels, and no help file while a menu is open. Without the control
    // the window works without these.
    Runtime::HostedControl ucLatchet;
    static CLSID HookClassId;            // the control's class
    bool CaptionButtonArmed = false;     // a left press on the help area, until the next caption move
    int CaptionButtonWidth = 0;          // the window width CaptionButtonRect's left was measured with
    void ucLatchet_Message(long nMsg, long wPar, long lPar, VARIANT& RC);
    // Whether a non-client mouse message's point (screen pixels, x in the
    // low word, y in the high word) lies on the title bar's help area.
    bool HitCaptionButton(long point) const;

    // Fills lvFont from the system's font enumeration, whose callback adds a
    // TrueType family to the list (its name measured on `measure`).
    void FillFontList();
    static int CALLBACK EnumFontFamExProc(const LOGFONTW* logFont, const TEXTMETRICW* metric, DWORD fontType,
                                          LPARAM lParam);
    int AddEnumeratedFont(const ENUMLOGFONTEXW& font, const NEWTEXTMETRICEXW& metric, DWORD fontType, HDC measure);

protected:
    void CreateControls() override;
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int& keyCode, int shift) override;

private:
    void CreateCopyControls();
    void CreatePatternModel();
    void SizePatternPictures();
    CharData::FormContext CopyFormContext() const;
    CharData::ClipboardWait CopyClipboardWait();
    int SelectedCodePageColumn(int column) const;
    bool previewKeySwallowed_ = false; // the character of a swallowed key is swallowed too
    bool entityKeySwallowed_ = false;
    void CreateTableGrid();
    void WireHeaderStrip(Runtime::PictureBox& strip, std::vector<std::unique_ptr<HeaderButton>>& headers);
    void CreateSearchFrame();
    void FinishSearch(const std::wstring& text, bool found);
    void WireTable();
    int CellAt(int x, int y) const;
    void SelectBlock(std::int32_t first);
    void ShowEntities(std::int32_t code);
    void ShowPattern(int model);
    void CopyCurrentChar();
    int TablePressedCell = -1;           // the cell under the last left press on pbTable
    void CreateEmptyCellBoxes();
    void MakeEmptyCellPictures();
    // The cells' font: the face and character set given with the font
    // chosen in the font list, until the next choice.
    void SetCellFont(const std::wstring& face, int charset);
    Runtime::ScopedFont CellFont;
    void CreateStatusBars();
    void WireStatusControls();
    void ShowTypeArrow();
    void PaintTable();
    void RegisterProgram();
    void SubscribeHookMessages();
    void KeepNormalPosition();
    void HookedHelp(long lPar);
    std::unique_ptr<SentHelpInfo> helpInfo_;
    void ReadSettings();
    void RestorePlacement();
    void KeepOnScreen();
    void SelectSavedFont();
    void HidePopupMenus();
    void WireSideLists();
    // The side lists' Copy key and right-click menu: the selected item's text.
    void CopyListItem(const Runtime::ListView& list, int keyCode, int shift);
    void PopListEditMenu(const Runtime::ListView& list, const Runtime::MouseArgs& args);
    // The Edit menu and help popup: items, help ids, right-click handlers.
    void CreateEditMenu();
    void CreateHelpControls();
    // Pops the Edit menu up for `box` (given the focus first) at the pointer,
    // with its items prepared for the box; `hide` are hidden after that.
    void PopEditMenuFor(Runtime::Control& box, std::initializer_list<Runtime::Menu*> hide);
    // Runs the focused box's own key handler for an Edit command's key;
    // false when the handler did the edit itself (or nothing has the focus).
    bool PassEditKey(int keyCode, int shift);
    // Runs the keystroke of an edit command on the focused control: its
    // key handler first, then the edit message unless the handler took the key.
    void SendEditKey(int keyCode, int shift, UINT message);
};
