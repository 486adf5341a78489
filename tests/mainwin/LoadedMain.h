#pragma once
// The main window loaded and shown in the test process itself, so that a
// test can drive its routines and read its state. Its settings, name and
// entity files live in a temporary folder of their own ("Orlenta.dat",
// ".csv", ".ent" there), so tests may run side by side.
#include <memory>
#include <optional>
#include <string>

#include "mainwin/fwMain.h"
#include "tests/support/TempFolder.h"

namespace MainWinTest {

class LoadedMain {
public:
    // Loads and shows the window; `settings` (when not empty) is written as
    // the settings file first, as the bytes of an ANSI INI text.
    explicit LoadedMain(const std::string& settings = {});
    // Loads and shows the window with its files in `folder`, a folder the
    // test keeps (for runs one after the other on the same files).
    explicit LoadedMain(const std::wstring& folder);
    // Unloads the window (which writes its settings) unless a test already did.
    ~LoadedMain();
    LoadedMain(const LoadedMain&) = delete;
    LoadedMain& operator=(const LoadedMain&) = delete;

    fwMain* operator->() noexcept { return form_.get(); }
    fwMain& operator*() noexcept { return *form_; }
    // Whether start-up succeeded and the window is open.
    bool Loaded() const noexcept { return loaded_; }

    std::wstring File(const std::wstring& name) const { return folder_ + L"\\" + name; }
    std::wstring Settings() const { return File(L"Orlenta.dat"); }

    // Unloads the window now (its settings are written); false when cancelled.
    bool Unload();
    // Handles the messages waiting for this thread's windows.
    static void Pump();

private:
    void Load();

    std::optional<TestSupport::TempFolder> ownFolder_;
    std::wstring folder_;
    std::unique_ptr<fwMain> form_;
    bool loaded_ = false;
};

} // namespace MainWinTest
