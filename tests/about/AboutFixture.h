#pragma once
// The About window loaded and shown in the test process, its program files
// in a temporary folder, the shell and the sound recorded instead of used.
#include <memory>
#include <string>
#include <vector>

#include "about/ShellOpen.h"
#include "about/Sound.h"
#include "about/fwAbout.h"
#include "runtime/App.h"
#include "tests/runtime/WaitFor.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace AboutTest {

class AboutFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Runtime::App::SetLocation(folder.Path(), L"Orlenta");
        // The pointer is kept off the window: a move over a tile would stop the hint.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
        About::SetShellOpenForTests([this](const std::wstring& target) { opened.push_back(target); });
        About::SetSoundForTests([this](int id) { sounds.push_back(id); });
        form = std::make_unique<fwAbout>();
        ASSERT_TRUE(form->Load());
        form->Show();
    }
    void TearDown() override
    {
        if (form && form->Loaded()) form->Unload();
        form.reset();
        About::SetShellOpenForTests(nullptr);
        About::SetSoundForTests(nullptr);
        Runtime::App::SetLocation(L"", L"");
    }

    // A fresh window in place of the one shown now.
    void Reopen()
    {
        if (form->Loaded()) form->Unload();
        // The test's last form gone posted WM_QUIT, as the program's last
        // window does; a check would take it as the program ending.
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        form = std::make_unique<fwAbout>();
        ASSERT_TRUE(form->Load());
        form->Show();
    }

    TestSupport::TempFolder folder;
    std::vector<std::wstring> opened;
    std::vector<int> sounds;
    std::unique_ptr<fwAbout> form;
};

} // namespace AboutTest
