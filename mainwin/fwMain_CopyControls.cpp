// The copy row and the option frames: what their controls need beyond
// their creation, and which routine each of their events runs.
#include "mainwin/fwMain.h"

namespace {
constexpr int kCtrlZ = 26;
} // namespace

void fwMain::CreateCopyControls()
{
    cbEntity.SetColumnCount(2);
    CreatePatternModel();

    tbCopy.KeyDown = [this](int& key, int shift) { tbCopy_KeyDown(key, shift); };
    // Ctrl+Z was the undo of the key handler; its character is not another one.
    tbCopy.KeyPress = [](int& ascii) {
        if (ascii == kCtrlZ) ascii = 0;
    };
    tbCopy.Change = [this] { tbCopy_Change(); };
    tbCopyDrop.BeforeDrop = [this] { tbCopy_BeforeDropOrPaste(); };
    tbCopyDrop.Attach(tbCopy.hWnd());
    tbCopy.MouseUp = [this](const Runtime::MouseArgs& args) { tbCopy_MouseUp(args); };
    bbReset.Click = [this] { bbReset_Click(); };
    bbCopy.Click = [this] { bbCopy_Click(); };
    bbCopy.SetEnabled(false);

    cbPreview.DropDown = [this] { cbPreview_DropButtonClick(); };
    cbPreview.MouseUp = [this](const Runtime::MouseArgs& args) { cbPreview_MouseUp(args); };
    cbPreview.KeyDown = [this](int& key, int shift) { cbPreview_KeyDown(key, shift); };
    // The character of a key kept out is kept out too.
    cbPreview.KeyPress = [this](int& ascii) {
        if (previewKeySwallowed_) ascii = 0;
    };
    cbPreview.Click = [this] { cbPreview_Click(); };
    chPreview.Click = [this] { chPreview_Click(); };

    cbCharSet.DropDown = [this] { cbCharSet_DropButtonClick(); };
    cbCharSet.Click = [this] { cbCharSet_Click(); };
    cbEntity.DropDown = [this] { cbEntity_DropButtonClick(); };
    cbEntity.MouseUp = [this](const Runtime::MouseArgs& args) { cbEntity_MouseUp(args); };
    cbEntity.KeyDown = [this](int& key, int shift) { cbEntity_KeyDown(key, shift); };
    cbEntity.KeyPress = [this](int& ascii) {
        if (entityKeySwallowed_) ascii = 0;
    };
    cbEntity.Click = [this] { cbEntity_Click(); };

    cbPicture.MouseUp = [this](const Runtime::MouseArgs& args) { cbPicture_MouseUp(args); };
    cbPicture.KeyDown = [this](int& key, int shift) { cbPicture_KeyDown(key, shift); };
    cbPicture.Change = [this] { cbPicture_Change(); };
    cbPicture.Click = [this] { cbPicture_Change(); };
    for (size_t i = 0; i < chPicture.size(); ++i)
        chPicture[i]->Click = [this, i] { chPicture_Click(static_cast<int>(i)); };
    for (size_t i = 0; i < bbPicture.size(); ++i)
        bbPicture[i]->Click = [this, i] { bbPicture_Click(static_cast<int>(i)); };
    chView.Click = [this] { chView_Click(); };
}
