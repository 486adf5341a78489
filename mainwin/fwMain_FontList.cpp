// The font list: the installed TrueType families, filled once from the
// system's font enumeration, and the choice of a font, which applies the
// face to the window's character displays and rebuilds the block list.
#include "mainwin/fwMain.h"

#include "chardata/FontGlyphSetReader.h"
#include "chardata/FontRecord.h"
#include "chardata/RangeList.h"
#include "common/Files.h"
#include "common/ListHelpers.h"
#include "runtime/NoRedraw.h"

namespace {

// 128 characters, character n + 1 standing for Unicode-subset bit n.
std::wstring SubsetString(const DWORD (&usb)[4])
{
    std::wstring bits;
    bits.reserve(128);
    for (DWORD word : usb)
        for (int k = 0; k < 32; ++k) bits += (word >> k) & 1 ? L'1' : L'0';
    return bits;
}

} // namespace

namespace {

// What the enumeration hands its callback: the window, and the device
// context it enumerates on, with the window's font selected for measuring
// the names.
struct FontEnumeration {
    fwMain* form;
    HDC dc;
};

} // namespace

void fwMain::FillFontList()
{
    lvFont.ColumnHeaders()(1).SetWidth(lvFont.Width() - 4);
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    Runtime::NoRedraw quiet(lvFont.hWnd());
    Runtime::ScopedGetDC dc(hWnd());
    Runtime::ScopedSelect font(dc.Get(), FontHandle());
    FontEnumeration enumeration{this, dc.Get()};
    EnumFontFamiliesExW(dc.Get(), &all, reinterpret_cast<FONTENUMPROCW>(&fwMain::EnumFontFamExProc),
                        reinterpret_cast<LPARAM>(&enumeration), 0);
}

int CALLBACK fwMain::EnumFontFamExProc(const LOGFONTW* logFont, const TEXTMETRICW* metric, DWORD fontType,
                                       LPARAM lParam)
{
    const auto& enumeration = *reinterpret_cast<const FontEnumeration*>(lParam);
    int result = 1;
    // No exception may leave the system's callback.
    try {
        result = enumeration.form->AddEnumeratedFont(*reinterpret_cast<const ENUMLOGFONTEXW*>(logFont),
                                                     *reinterpret_cast<const NEWTEXTMETRICEXW*>(metric), fontType,
                                                     enumeration.dc);
    } catch (...) {
    }
    return result;
}

int fwMain::AddEnumeratedFont(const ENUMLOGFONTEXW& font, const NEWTEXTMETRICEXW& metric, DWORD fontType,
                              HDC measure)
{
    if (fontType != TRUETYPE_FONTTYPE) return 1;
    const std::wstring face = font.elfLogFont.lfFaceName;
    const std::wstring full = reinterpret_cast<const wchar_t*>(font.elfFullName);
    auto& records = InstalledFonts.Records();
    int match = -1, faceMatch = -1;
    for (int j = 1; j < static_cast<int>(records.size()); ++j) {
        if (records[j].Name == full) {
            match = j;
            break;
        }
        if (records[j].Name == face) faceMatch = j;
    }
    if (match < 0) {
        if (faceMatch < 0) return 1;                               // no registry entry: not listed
        if (!records[faceMatch].UnicodeSubsets.empty()) return 1;  // taken under an earlier character set
        match = faceMatch;
    }
    records[match].UnicodeSubsets = SubsetString(metric.ntmFontSig.fsUsb);
    if (Common::ListFind(lvFont, face, false, false) >= 0) return 1;
    lvFont.ListItems().Add(0, CharData::RangeKey(match), face);
    SIZE text{};
    GetTextExtentPoint32W(measure, face.c_str(), static_cast<int>(face.size()), &text);
    const int width = text.cx + 12;
    Runtime::ColumnHeader& column = lvFont.ColumnHeaders()(1);
    if (column.Width() < width) column.SetWidth(width);
    return 1;
}

void fwMain::lvFont_ItemClick(Runtime::ListItem* item)
{
    if (!item) return;
    auto index = CharData::KeyNumber(item->Key());
    const CharData::FontRecord* record = index ? InstalledFonts.At(*index) : nullptr;
    if (!record) return;
    lvFont.SetSelectedItem(item);

    // The font's file: a registry entry that already names a full path
    // keeps it.
    std::wstring file = CharData::FontFilePath(FontsFolder, record->File);
    bool exists = !file.empty() && Common::FileExists(file);
    bbFont.Tag = exists ? file : L"";
    bbFont.SetEnabled(exists);

    const std::wstring face = item->Text();
    Runtime::FontSpec fontSpec = pbView.Font();
    fontSpec.Name = face;
    pbView.SetFont(fontSpec);
    Runtime::FontSpec rtf = tbRTF.Font();
    rtf.Name = face;
    tbRTF.SetFont(rtf);
    Runtime::FontSpec copy = tbCopy.Font();
    copy.Name = face;
    copy.Charset = tbRTF.Font().Charset;
    tbCopy.SetFont(copy);
    // The cells keep this face and character set until the next choice,
    // whatever the list's selection becomes meanwhile.
    SetCellFont(face, copy.Charset);

    // The large view's size: the largest that fits its inner area.
    if (HDC dc = pbView.hDC()) {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        int size = MulDiv(pbView.ScaleHeight(), 72, GetDeviceCaps(dc, LOGPIXELSY));
        if (tm.tmHeight + tm.tmInternalLeading > 0) size = MulDiv(size, tm.tmHeight, tm.tmHeight + tm.tmInternalLeading);
        ViewFontSize = size > 0 ? size : 1;
        fontSpec.Size = ViewFontSize;
        pbView.SetFont(fontSpec);
        GetTextMetricsW(pbView.hDC(), &tm);
        if (tm.tmMaxCharWidth > tm.tmHeight + tm.tmInternalLeading)
            ViewFontSize = MulDiv(ViewFontSize, tm.tmHeight + tm.tmInternalLeading, tm.tmMaxCharWidth);
        FontGlyphSet = CharData::ReadFontGlyphSet(pbView.hDC());
    }
    // The view and the copy picture take the new font at the chosen size.
    cbPicture_Change();

    std::int32_t pageFirst = static_cast<std::int32_t>(_wtoi(tlCell[0].Tag.c_str()));
    int cell = CurrentCell;
    if (chRange.Value() == 0 && item->SmallIcon().empty()) cell = -1;
    FontSubsetBits = record->UnicodeSubsets;

    ProgramSelect = true;
    chRange_Click();
    ProgramSelect = false;

    if (cell >= 0) {
        if (Runtime::ListItem* block = lvRange.ListItems().Find(CharData::RangeKey(BlockFirst))) {
            if (pageFirst >= BlockFirst && pageFirst <= _wtoi(block->Tag.c_str())) {
                ProgramSelect = true;
                FillTable(pageFirst);
                ProgramSelect = false;
                tlCell_Click(cell);
            }
        }
    }
    if (lvFont.Enabled() && lvFont.Visible()) lvFont.SetFocus();
}

void fwMain::lvFont_MouseDown(const Runtime::MouseArgs& args)
{
    PopListEditMenu(lvFont, args);
}

void fwMain::lvFont_KeyDown(int& keyCode, int shift)
{
    CopyListItem(lvFont, keyCode, shift);
}
