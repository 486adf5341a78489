// Shutdown: every option goes back to the settings file in a fixed order,
// each through the writers that leave an unchanged value alone. The same
// write runs when the Windows session ends with the window open (the
// runtime raises the unload event then, once). A refused start, or one
// that stopped part-way, writes nothing.
#include "mainwin/fwMain.h"

#include <cmath>

#include "common/Ini.h"
#include "common/IniSection.h"
#include "common/NumUtil.h"

namespace {

int Checked(const Runtime::CheckBox& box) { return box.Value() == 1 ? 1 : 0; }

} // namespace

void fwMain::Form_Unload(int& /*cancel*/)
{
    if (NoSave || !LoadFinished) return;
    const std::wstring& file = SettingsPath;
    const std::wstring main = L"fwMain", picture = L"fwMain_Picture";
    if (Runtime::ListItem* font = lvFont.SelectedItem()) Common::IniWriteString(file, main, L"lvFont", font->Text());
    Common::IniWriteNumber(file, main, L"lvRange", BlockFirst);
    Common::IniWriteNumber(file, main, L"chRange", Checked(chRange));
    Common::IniWriteNumber(file, main, L"chView", Checked(chView));
    Common::IniWriteNumber(file, main, L"obFormat", CopyFormat);
    Common::IniWriteNumber(file, main, L"cbCharSet", cbCharSet.ListIndex());
    Common::IniWriteNumber(file, main, L"bHexView", Common::BoolToInt(StatusHex));
    Common::IniWriteNumber(file, main, L"bHexGoto", Common::BoolToInt(GoToHex));
    Common::IniWriteNumber(file, main, L"chMode", Checked(chMode));
    Common::IniWriteNumber(file, main, L"chOnTop", Checked(chOnTop));
    Common::IniWriteNumber(file, main, L"chPreview", Checked(chPreview));
    Common::IniWriteNumber(file, picture, L"bbPicture0", tlView.ForeColor());
    Common::IniWriteNumber(file, picture, L"bbPicture1", tlView.BackColor());
    // The size the copy picture is drawn at, in whole points: the box's text
    // may be any run of digits, and above the limit the picture is drawn at
    // the limit.
    Common::IniWriteNumber(file, picture, L"cbPicture", std::round(pbCopy.Font().Size));
    for (size_t i = 0; i < chPicture.size(); ++i)
        Common::IniWriteNumber(file, picture, L"chPicture" + std::to_wstring(i), Checked(*chPicture[i]));
    Common::SaveFormPos(*this, FormPlacement, file, L"fwMain_State");
    Common::IniWriteSection(file, L"cbSearch_Search", cbSearch);
}
