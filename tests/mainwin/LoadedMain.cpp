#include "tests/mainwin/LoadedMain.h"

#include <windows.h>
#include <commctrl.h>

#include "runtime/App.h"
#include "runtime/Pump.h"

namespace MainWinTest {

LoadedMain::LoadedMain(const std::string& settings) : ownFolder_(std::in_place), folder_(ownFolder_->Path())
{
    if (!settings.empty()) TestSupport::WriteBytes(Settings(), settings);
    Load();
}

LoadedMain::LoadedMain(const std::wstring& folder) : folder_(folder)
{
    Load();
}

void LoadedMain::Load()
{
    static const bool controlsReady = [] {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)controlsReady;
    Runtime::App::SetLocation(folder_, L"Orlenta");
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
