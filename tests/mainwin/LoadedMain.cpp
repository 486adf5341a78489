#include "tests/mainwin/LoadedMain.h"

#include <windows.h>
#include <commctrl.h>

#include "runtime/App.h"
#include "runtime/Pump.h"

namespace MainWinTest {

LoadedMain::LoadedMain(const std::string& settings)
{
    static const bool controlsReady = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)controlsReady;
    if (!settings.empty()) TestSupport::WriteBytes(Settings(), settings);
    Runtime::App::SetLocation(folder_.Path(), L"Orlenta");
    form_ = std::make_unique<fwMain>();
    loaded_ = form_->Load();
    if (loaded_) {
        form_->Show();
        Pump();
    }
}

LoadedMain::~LoadedMain()
{
    Unload();
    form_.reset();
    Pump();
    Runtime::App::SetLocation(L"", L"");
}

bool LoadedMain::Unload()
{
    if (!loaded_) return true;
    if (form_->Loaded() && !form_->Unload()) return false;
    loaded_ = false;
    return true;
}

void LoadedMain::Pump()
{
    Runtime::DoEvents();
}

} // namespace MainWinTest
