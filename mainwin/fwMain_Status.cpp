// The status bars, the character-type menu and the buttons beside them:
// panel texts and double clicks, the type drop arrow, always-on-top, the
// font file's properties and the About window.
#include "mainwin/fwMain.h"

#include "about/fwAbout.h"
#include "chardata/CharType.h"
#include "chardata/CodePanel.h"
#include "common/Files.h"
#include "common/StatusBarHelpers.h"
#include "common/Val.h"
#include "common/WindowUtil.h"

namespace {

constexpr int kTypeItems = 3;

struct PanelDesign {
    int bar;
    const wchar_t* key; // empty: the key-state panels, from the first one on
    const wchar_t* tag; // the panel's help topic
    const wchar_t* tip;
};

const PanelDesign kPanels[] = {
    {0, L"Hex", L"171", L"Double click to switch Dec/Hex mode"},
    {0, L"Name", L"172", L""},
    {0, L"Type", L"173", L""},
    {1, L"Message", L"174", L""},
    {1, L"Mode", L"177", L""},
    {1, L"OnTop", L"175", L""},
};
const wchar_t kKeyPanelTag[] = L"176";

} // namespace

void fwMain::WireStatusControls()
{
    for (const PanelDesign& design : kPanels) {
        Runtime::Panel& panel = pbStatus[design.bar]->Panels()(design.key);
        panel.Tag = design.tag;
        if (*design.tip) panel.SetToolTipText(design.tip);
    }
    for (const auto& panel : pbStatus[1]->Panels())
        if (panel->KeyCode() != 0) panel->Tag = kKeyPanelTag;
    for (int i = 0; i < 2; ++i) {
        pbStatus[i]->PanelDblClick = [this, i](Runtime::Panel& panel) { pbStatus_PanelDblClick(i, panel); };
        pbStatus[i]->MouseDown = [this, i](const Runtime::MouseArgs& args) { pbStatus_MouseDown(i, args); };
    }

    for (int i = 1; i <= kTypeItems; ++i) mTypeList.push_back(std::make_unique<Runtime::Menu>(this, &mType, L"mTypeList", i));
    pbType.MouseDown = [this](const Runtime::MouseArgs& a) { pbType_MouseDown(a.Button, a.Shift, a.X, a.Y); };
    pbType.KeyDown = [this](int& keyCode, int shift) { pbType_KeyDown(keyCode, shift); };

    chOnTop.Click = [this] { chOnTop_Click(); };
    bbFont.Click = [this] { bbFont_Click(); };
    bbAbout.Click = [this] { bbAbout_Click(); };
    bbCharMap.Click = [this] { bbCharMap_Click(); };
    toMSCharMap.SetEnabled(false);
    toMSCharMap.SetInterval(500);
    toMSCharMap.Timer = [this] { toMSCharMap_Timer(); };

    // The other controls of this part take context help on a right click.
    for (Runtime::Control* control : {static_cast<Runtime::Control*>(&chOnTop), static_cast<Runtime::Control*>(&bbFont),
                                      static_cast<Runtime::Control*>(&bbAbout),
                                      static_cast<Runtime::Control*>(&bbCharMap)})
        control->MouseDown = [this, control](const Runtime::MouseArgs& args) {
            if (args.Button == Runtime::ButtonRight) ShowHelpPopup(*control);
        };
}

void fwMain::ShowCodePanel()
{
    const int code = static_cast<int>(Common::Val(tlCell[CurrentCell].Tag));
    pbStatus[0]->Panels()(L"Hex").SetText(CharData::CodePanelText(code, StatusHex));
}

std::uint32_t fwMain::ShowCharType(std::int32_t code)
{
    const CharData::CharTypeText type = CharData::ShowCharType(code);
    for (int i = 0; i < kTypeItems; ++i) {
        Runtime::Menu& item = *mTypeList[i];
        item.SetCaption(type.Items[i]);
        item.SetVisible(!type.Items[i].empty());
    }
    pbStatus[0]->Panels()(L"Type").SetText(type.Panel);
    ShowTypeArrow();
    return type.CType3;
}

// The drop arrow stands on the "Type" panel when the panel is too narrow for
// its text; it goes with the status bar when the compact mode hides it.
void fwMain::ShowTypeArrow()
{
    const Runtime::Panel& panel = pbStatus[0]->Panels()(L"Type");
    pbType.SetVisible(pbStatus[0]->Visible() && panel.Width() < TextWidth(panel.Text()));
}

void fwMain::pbStatus_PanelDblClick(int index, Runtime::Panel& panel)
{
    if (panel.Key() == L"Hex") {
        StatusHex = !StatusHex;
        ShowCodePanel();
        return;
    }
    const int key = panel.KeyCode();
    if (key == 0) return;
    // Only the key's toggle bit turns; a key held down stays down.
    BYTE keys[256] = {};
    if (!GetKeyboardState(keys)) return;
    keys[key] ^= 1;
    SetKeyboardState(keys);
    pbStatus[index]->Refresh();
}

void fwMain::pbStatus_MouseDown(int index, const Runtime::MouseArgs& args)
{
    if (args.Button != Runtime::ButtonRight) return;
    Runtime::StatusBar& bar = *pbStatus[index];
    const int number = Common::StatusPanelAt(bar, args.X, false);
    bar.WhatsThisHelpID = number > 0 ? static_cast<long>(Common::Val(bar.Panels()(number).Tag)) : 0;
    ShowHelpPopup(bar);
    bar.WhatsThisHelpID = 0;
}

void fwMain::pbType_MouseDown(int button, int, int, int)
{
    if (button == Runtime::ButtonRight) {
        ShowHelpPopup(pbType);
        return;
    }
    // The press that closed the menu, landing on the arrow within the same
    // tick, does not open it again. The difference is taken modulo 2^32, so
    // it holds when the tick count wraps.
    if (static_cast<DWORD>(GetTickCount() - LastTypeMenuClose) == 0) return;
    const Runtime::StatusBar& bar = *pbStatus[0];
    Runtime::PopupMenu(*this, mType, bar.Left() + bar.Panels()(L"Type").Left(), bar.Top() + bar.Height());
    LastTypeMenuClose = GetTickCount();
}

void fwMain::pbType_KeyDown(int& keyCode, int shift)
{
    if (keyCode == VK_DOWN && (shift & Runtime::AltMask)) pbType_MouseDown(Runtime::ButtonLeft, 0, 0, 0);
}

void fwMain::chOnTop_Click()
{
    Common::SetTopMost(hWnd(), chOnTop.Value() == 1);
}

void fwMain::bbFont_Click()
{
    Common::ShowFileProperties(bbFont.Tag, hWnd());
}

void fwMain::bbAbout_Click()
{
    auto about = std::make_unique<fwAbout>();
    if (!about->Load()) return;
    about->OnTop = chOnTop.Value() == 1 ? 1 : 0;
    about->ShowModal(this);
}
