#pragma once
// Chooses an output form as the user does: its option button goes on.
#include <gtest/gtest.h>

#include "tests/mainwin/LoadedMain.h"

namespace MainWinTest {

inline void ChooseForm(LoadedMain& window, int format)
{
    window->obFormat[format]->SetValue(true);
    ASSERT_EQ(window->CopyFormat, format);
}

} // namespace MainWinTest
